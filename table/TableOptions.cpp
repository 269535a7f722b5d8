#include "table/TableOptions.h"

#include "base/Quoting.h"

namespace {

using Command = TableOptions::Command;

// Takes one option of the command; false when it is none of them.
bool SetOption(TableOptions& options, const std::vector<std::string>& arguments, std::size_t& i) {
    const std::string& argument = arguments[i];
    if (argument == "--help" || argument == "--version") {
        (argument == "--help" ? options.help : options.version) = true;
        return true;
    }
    if (argument == "--dry-run" && options.command == Command::Import) {
        options.dryRun = true;
        return true;
    }
    if (argument == "-o" && options.command == Command::Export && options.table.empty()) {
        if (++i == arguments.size())
            options.usageError = "-o names no file";
        else
            options.table = arguments[i];
        return true;
    }
    return false;
}

void TakeOperand(TableOptions& options, std::vector<std::string>& operands, const std::string& argument) {
    if (options.command != Command::None) {
        operands.push_back(argument);
    } else if (argument == "export" || argument == "import") {
        options.command = argument == "export" ? Command::Export : Command::Import;
    } else if (options.usageError.empty()) {
        options.usageError = "unknown command " + Quoted(argument) + ": export or import";
    }
}

void CheckOperands(TableOptions& options, const std::vector<std::string>& operands) {
    const std::size_t wanted = options.command == Command::Import ? 2 : 1;
    if (options.command == Command::None)
        options.usageError = "no command given: export or import";
    else if (operands.size() != wanted)
        options.usageError = options.command == Command::Import ? "import takes a project folder and a table file"
                                                                : "export takes one project folder";
    if (!options.usageError.empty())
        return;
    options.projectFolder = operands[0];
    if (options.command == Command::Import)
        options.table = operands[1];
}

} // namespace

TableOptions ReadTableOptions(const std::vector<std::string>& arguments) {
    TableOptions options;
    std::vector<std::string> operands;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.empty() || argument[0] != '-' || argument == "-")
            TakeOperand(options, operands, argument);
        else if (argument == "--")
            optionsEnded = true;
        else if (!SetOption(options, arguments, i) && options.usageError.empty())
            options.usageError = "unknown option " + Quoted(argument);
    }
    if (options.usageError.empty() && !options.help && !options.version)
        CheckOperands(options, operands);
    return options;
}

std::string TableUsage() {
    return "Usage: brindlework-table export PROJECT_FOLDER [-o FILE]\n"
           "       brindlework-table import PROJECT_FOLDER FILE [--dry-run]\n"
           "Writes every item of a Quorvane project as one spreadsheet table (CSV, UTF-8), and writes a table's\n"
           "values back into the items' server data files, checked with the rules of the Brindlework item editor.\n"
           "\n"
           "  -o FILE    export: write the table to FILE instead of standard output\n"
           "  --dry-run  import: print what would change, one line per value, and write nothing\n"
           "  --help     print this help and exit\n"
           "  --version  print the version and exit\n"
           "\n"
           "Exit status: 0 done, or nothing to change; 1 items left out of an export, or rows refused by an import,\n"
           "which then writes nothing; 2 a usage error, or a folder, table or file that cannot be read or written.\n";
}
