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

// The words of a whole command line as the suite writes it: blanks outside double quotes separate the words, a
// double quote only opens or closes a stretch in which blanks belong to the word and is itself dropped, and a
// backslash is an ordinary character, so that "C:\My Games\Quest\" is the folder C:\My Games\Quest\. The
// first word is the program's own name.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

// The program's arguments after its own name, as text: on Windows the whole command line split as above, as
// UTF-8; elsewhere the arguments as the system passed them.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// Reads the arguments (without the program's own name); several arguments are one path split at its blanks.
// Returns nothing when there is no argument.
std::optional<CommandLine> ReadCommandLine(const std::vector<std::string>& arguments, const PathStyle& style);
