#pragma once

#include "tests/support/TempFolder.h"

#include <string>
#include <vector>

// A temporary project folder for the item file tests, empty or holding a copy of the Quest sample project.
class ProjectFolder : public TempFolder {
public:
    // Copies examples/Quest (SERVER, CLIENT, RESOURCES) into the folder.
    void CopyQuest() const;

    // Makes the file read-only, so that a save of it fails before it touches the file.
    void BlockSaveOf(const std::string& relative) const;

    // The entries of a folder, sorted by name.
    std::vector<std::string> Entries(const std::string& relative) const;
};

// The bytes a text file holds when each of lines is ended by CR LF.
std::string CrLfText(const std::vector<std::string>& lines);
