#pragma once

#include <string>
#include <vector>

// What the command line asks brindlework-table to do.
struct TableOptions {
    enum class Command { None, Export, Import };
    Command command = Command::None;
    std::string projectFolder;
    std::string table;   // import: the table read; export: the file written, empty for standard output
    bool dryRun = false; // import: tell the changes and write nothing
    bool help = false;
    bool version = false;
    std::string usageError; // what is wrong with the command line; empty when nothing is
};

// Reads the arguments (without the program's own name): the command, then its folder and file. Options may stand
// anywhere after the command; "--" ends them, so that a folder may begin with "-".
TableOptions ReadTableOptions(const std::vector<std::string>& arguments);

// The text --help prints.
std::string TableUsage();
