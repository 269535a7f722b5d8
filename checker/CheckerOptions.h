#pragma once

#include <string>
#include <vector>

// What the command line asks brindlework-check to do.
struct CheckerOptions {
    bool json = false;   // one JSON document instead of lines
    bool quiet = false;  // the errors only: no warnings, no summary line
    bool strict = false; // warnings fail the check as errors do
    bool help = false;
    bool version = false;
    std::vector<std::string> folders;
    std::string usageError; // what is wrong with the command line; empty when nothing is
};

// Reads the arguments (without the program's own name). Options may stand anywhere; "--" ends them, so that a
// folder may begin with "-".
CheckerOptions ReadCheckerOptions(const std::vector<std::string>& arguments);

// The text --help prints.
std::string CheckerUsage();
