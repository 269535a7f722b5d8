#pragma once

#include "base/PathStyle.h"

#include <optional>
#include <string>
#include <vector>

// What the suite's command line asks the editor to do: edit the item ItemName of the project ProjectRoot,
// or, with an empty ItemName, make a new item in ProjectRoot.
struct CommandLine {
    std::string ProjectRoot;
    std::string ItemName;
};

// Reads the arguments (without the program's own name); several arguments are one path split at its blanks.
// Returns nothing when there is no argument.
std::optional<CommandLine> ReadCommandLine(const std::vector<std::string>& arguments, const PathStyle& style);
