#include "checker/CheckRun.h"

#include "base/FileError.h"
#include "base/Os.h"
#include "checker/CheckReport.h"
#include "checker/CheckerOptions.h"

namespace {

CheckReport CheckFolders(const std::vector<std::string>& folders) {
    CheckReport report;
    for (const auto& folder : folders) {
        try {
            report.projects.push_back({folder, CheckProject(folder)});
        } catch (const FileError& unread) {
            report.unreadFolders.push_back({folder, Printable(unread.what())});
        }
    }
    return report;
}

} // namespace

int RunChecker(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const CheckerOptions options = ReadCheckerOptions(arguments);
    if (!options.usageError.empty()) {
        err << Os::ConsoleText("brindlework-check: " + options.usageError) << "\n" << CheckerUsage();
        return kCannotCheck;
    }
    if (options.help || options.version) {
        out << (options.help ? CheckerUsage() : "brindlework-check " BRINDLE_VERSION "\n");
        return kClean;
    }
    const CheckReport report = CheckFolders(options.folders);
    for (const auto& folder : report.unreadFolders)
        err << Os::ConsoleText("brindlework-check: " + folder.message) << '\n';
    if (options.json)
        WriteJsonReport(report, out);
    else
        WriteTextReport(report, options.quiet, out);
    if (!report.unreadFolders.empty())
        return kCannotCheck;
    const bool failed = report.Count(Severity::Error) > 0 || (options.strict && report.Count(Severity::Warning) > 0);
    return failed ? kErrorsFound : kClean;
}
