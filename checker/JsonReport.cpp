#include "checker/CheckReport.h"

#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::ordered_json;

Json FindingJson(const CheckReport::Project& project, const Finding& finding) {
    return Json{{"project", project.folder},
                {"file", finding.file},
                {"line", finding.line ? Json(*finding.line) : Json(nullptr)},
                {"severity", finding.severity == Severity::Error ? "error" : "warning"},
                {"check", finding.check},
                {"message", finding.message}};
}

} // namespace

void WriteJsonReport(const CheckReport& report, std::ostream& out) {
    Json findings = Json::array();
    for (const auto& project : report.projects) {
        for (const auto& finding : project.result.findings)
            findings.push_back(FindingJson(project, finding));
    }
    Json unread = Json::array();
    for (const auto& folder : report.unreadFolders)
        unread.push_back(Json{{"folder", folder.folder}, {"message", folder.message}});
    const Json document{{"findings", std::move(findings)},
                        {"unreadFolders", std::move(unread)},
                        {"items", report.Items()},
                        {"errors", report.Count(Severity::Error)},
                        {"warnings", report.Count(Severity::Warning)},
                        {"summary", SummaryLine(report)}};
    out << document.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}
