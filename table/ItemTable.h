#pragma once

#include "base/QuietFiles.h"
#include "itemdata/ProjectListing.h"

#include <array>
#include <string>

// The table of a project's items: one row per item, its name in the Item column and its server data's values in
// the others. Both ways through it, export and import, name and find the items and their values alike.

constexpr const char* kItemHeader = "Item";

// A column of values and the server data key whose value it holds.
struct ValueColumn {
    const char* header;
    const char* key;
};

// The value columns in the order export writes them.
constexpr std::array<ValueColumn, 5> kValueColumns = {
    {{"Type", "Type"}, {"Class", "Class"}, {"Price", "Price"}, {"Stack", "Stack"}, {"Bonuses", "Bonus"}}};

// The item's name as its server data file's name gives it: the name without ".ITM".
std::string ItemNameOf(const QuietFiles::Entry& serverFile);

// How messages name the item's server data file: SERVER/<file name>, with the platform's separator.
std::string ShownServerFile(const ProjectListing& project, const QuietFiles::Entry& serverFile);
