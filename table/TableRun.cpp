#include "table/TableRun.h"

#include "base/FileError.h"
#include "base/FileSystem.h"
#include "base/Os.h"
#include "base/Quoting.h"
#include "table/Csv.h"
#include "table/TableExport.h"
#include "table/TableImport.h"
#include "table/TableOptions.h"
#include "table/TableWrite.h"

#include <filesystem>
#include <system_error>
#include <utility>

namespace {

const std::string kProgram = "brindlework-table: ";

// True when the file would lie inside the folder, however either is spelled: links, letter case, "..".
bool IsInside(const std::string& file, const std::string& folder) {
    std::error_code error;
    auto root = Os::FileSystemPath(folder);
    // MinGW's file system library finds no folder at a name ending in a separator.
    if (root.has_relative_path() && !root.has_filename())
        root = root.parent_path();
    for (auto at = std::filesystem::absolute(Os::FileSystemPath(file), error); !error && at.has_relative_path();
         at = at.parent_path()) {
        if (std::filesystem::equivalent(at, root, error))
            return true;
        error.clear();
    }
    return false;
}

// One line of the program's report: names and values are UTF-8 inside, and the console reads the code page.
void Say(std::ostream& stream, const std::string& line) {
    stream << Os::ConsoleText(line) << '\n';
}

std::string Counted(std::size_t count, const char* singular) {
    return std::to_string(count) + " " + singular + (count == 1 ? "" : "s");
}

int Export(const TableOptions& options, std::ostream& out, std::ostream& err) {
    // The table is no file of the project, and an export leaves the project as it was.
    if (!options.table.empty() && IsInside(options.table, options.projectFolder)) {
        Say(err, kProgram + Printable(options.table) + ": the table is not written inside the project folder");
        return kCannotRead;
    }
    const ExportedTable table = ExportTable(options.projectFolder);
    for (const std::string& leftOut : table.leftOut)
        Say(err, leftOut);
    if (options.table.empty()) {
        Os::SetBinaryStandardOutput();
        out << table.bytes << std::flush;
    } else {
        FileSystem::WriteFileSafely(options.table, table.bytes);
        Say(out, Counted(table.items, "item") + " written to " + Printable(options.table));
    }
    return table.leftOut.empty() ? kTableDone : kRowsRefused;
}

// FILE:LINE[:COLUMN]: error: MESSAGE, as brindlework-check writes its findings.
void WriteProblem(std::ostream& err, const std::string& table, std::size_t line, std::size_t column,
                  const std::string& message) {
    const std::string place = Printable(table) + ':' + std::to_string(line);
    Say(err, place + (column > 0 ? ':' + std::to_string(column) : std::string()) + ": error: " + message);
}

std::string ShownValue(const std::string& text) {
    return text.empty() ? "\"\"" : Printable(Os::Utf8Text(text));
}

int Import(const TableOptions& options, std::ostream& out, std::ostream& err) {
    ImportPlan plan;
    try {
        plan = PlanImport(options.projectFolder, FileSystem::ReadFile(options.table));
    } catch (const CsvError& unreadable) {
        WriteProblem(err, options.table, unreadable.Line(), unreadable.Column(), Printable(unreadable.what()));
        return kCannotRead;
    }
    for (const TableProblem& problem : plan.problems)
        WriteProblem(err, options.table, problem.line, problem.column, problem.message);
    if (!plan.problems.empty()) {
        err << Counted(plan.problems.size(), "problem") << " in the table: nothing written\n";
        return kRowsRefused;
    }
    std::size_t values = 0;
    for (const ItemChange& change : plan.changes) {
        for (const ValueChange& value : change.values)
            Say(out, Printable(change.shown) + ": " + value.key + ' ' + ShownValue(value.before) + " -> " +
                         ShownValue(value.after));
        values += change.values.size();
    }
    const std::string counted = Counted(values, "value") + " of " + Counted(plan.changes.size(), "item");
    if (plan.changes.empty())
        out << "nothing to change: every item holds what the table says\n";
    else if (options.dryRun)
        out << "dry run: " << counted << " would change; nothing written\n";
    else {
        WriteChanges(std::move(plan.changes));
        out << counted << " written\n";
    }
    return kTableDone;
}

} // namespace

int RunTable(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const TableOptions options = ReadTableOptions(arguments);
    if (!options.usageError.empty()) {
        Say(err, kProgram + options.usageError);
        err << TableUsage();
        return kCannotRead;
    }
    if (options.help || options.version) {
        out << (options.help ? TableUsage() : "brindlework-table " BRINDLE_VERSION "\n");
        return kTableDone;
    }
    try {
        return options.command == TableOptions::Command::Export ? Export(options, out, err) : Import(options, out, err);
    } catch (const FileError& failure) {
        Say(err, kProgram + Printable(failure.what()));
        return kCannotRead;
    }
}
