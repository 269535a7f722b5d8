#pragma once

#include "tests/itemdata/ProjectFolder.h"

#include <string>

// A copy of the Quest sample project with one fault seeded for every check of brindlework-check; each new item
// has a description and an icon unless its fault is about them.
class BrokenQuest : public ProjectFolder {
public:
    BrokenQuest();

    // Adds the item's server data, and a description and icon copied from the sample's ruby ring.
    void AddItem(const std::string& name, const std::string& server) const;
};

// The text with "/" replaced by the platform's separator.
std::string Native(std::string text);

// The output of brindlework-check run on arguments, and its exit status.
struct CheckOutput {
    int status;
    std::string out, err;
};
CheckOutput RunCheck(const std::vector<std::string>& arguments);
