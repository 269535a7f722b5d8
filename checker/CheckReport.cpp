#include "checker/CheckReport.h"

#include "base/FileNames.h"
#include "base/Os.h"

namespace {

const char* SeverityName(Severity severity) {
    return severity == Severity::Error ? "error" : "warning";
}

std::string Counted(std::size_t count, const char* singular) {
    return std::to_string(count) + " " + singular + (count == 1 ? "" : "s");
}

} // namespace

std::size_t CheckReport::Items() const {
    std::size_t items = 0;
    for (const auto& project : projects)
        items += project.result.items;
    return items;
}

std::size_t CheckReport::Count(Severity severity) const {
    std::size_t count = 0;
    for (const auto& project : projects) {
        for (const auto& finding : project.result.findings)
            count += finding.severity == severity ? 1 : 0;
    }
    return count;
}

std::string CheckReport::ShownFile(const Project& project, const Finding& finding) const {
    if (projects.size() + unreadFolders.size() < 2)
        return finding.file;
    return Printable(WithTrailingSeparator(project.folder)) + finding.file;
}

std::string SummaryLine(const CheckReport& report) {
    return Counted(report.Items(), "item") + " checked: " + Counted(report.Count(Severity::Error), "error") + ", " +
           Counted(report.Count(Severity::Warning), "warning");
}

void WriteTextReport(const CheckReport& report, bool quiet, std::ostream& out) {
    for (const auto& project : report.projects) {
        for (const auto& finding : project.result.findings) {
            if (quiet && finding.severity == Severity::Warning)
                continue;
            std::string line = report.ShownFile(project, finding);
            if (finding.line)
                line += ':' + std::to_string(*finding.line);
            out << Os::ConsoleText(line + ": " + SeverityName(finding.severity) + ": " + finding.message) << '\n';
        }
    }
    if (!quiet)
        out << SummaryLine(report) << '\n';
}
