#include "checker/CheckerOptions.h"

#include "checker/Finding.h"

#include <iterator>

namespace {

bool SetOption(CheckerOptions& options, const std::string& argument) {
    bool* const flags[] = {&options.json, &options.quiet, &options.strict, &options.help, &options.version};
    const char* const names[] = {"--json", "--quiet", "--strict", "--help", "--version"};
    for (std::size_t i = 0; i < std::size(names); ++i) {
        if (argument == names[i]) {
            *flags[i] = true;
            return true;
        }
    }
    return false;
}

} // namespace

CheckerOptions ReadCheckerOptions(const std::vector<std::string>& arguments) {
    CheckerOptions options;
    bool optionsEnded = false;
    for (const auto& argument : arguments) {
        if (optionsEnded || argument.empty() || argument[0] != '-' || argument == "-")
            options.folders.push_back(argument);
        else if (argument == "--")
            optionsEnded = true;
        else if (!SetOption(options, argument) && options.usageError.empty())
            options.usageError = "unknown option " + Quoted(argument);
    }
    if (options.usageError.empty() && options.folders.empty() && !options.help && !options.version)
        options.usageError = "no project folder given";
    return options;
}

std::string CheckerUsage() {
    return "Usage: brindlework-check [--json] [--quiet] [--strict] PROJECT_FOLDER...\n"
           "Checks every item of each Quorvane project folder with the rules of the Brindlework item editor and\n"
           "prints one line per finding, FILE:LINE: error|warning: MESSAGE, then a summary line.\n"
           "\n"
           "  --json     write one JSON document instead of lines\n"
           "  --quiet    print the errors only, without warnings and the summary line\n"
           "  --strict   fail on warnings as on errors\n"
           "  --help     print this help and exit\n"
           "  --version  print the version and exit\n"
           "\n"
           "Exit status: 0 when no error was found (warnings alone pass unless --strict), 1 when one was,\n"
           "2 on a usage error or a folder that cannot be read. Nothing is ever written to the project.\n";
}
