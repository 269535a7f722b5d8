#pragma once

#include "ItemVocabulary.h"

#include <optional>
#include <string>
#include <vector>

// What the server data file gave.
struct ServerData {
    ItemVocabulary::TypeIndex type;       // none when the stored name is not one of the twenty
    std::optional<std::string> className; // the class list's entry equal to Class ignoring case; none when no match
    std::string price, stack;             // exactly as read
    std::vector<std::string> bonuses;     // Bonus split by SplitBonuses (an empty value gives one empty entry)
    std::vector<std::string> classList;   // ItemVocabulary::ClassList
};

// An existing item as its files gave it; a missing file leaves its part empty and adds its message.
struct LoadedItem {
    std::optional<ServerData> server;                    // none when the server file is missing
    std::optional<std::vector<std::string>> description; // lines (bytes, any line ends); none when missing
    std::optional<std::string> iconPath;                 // the icon file as stored on disk; none when missing
    std::vector<std::string> messages;                   // the missing-file messages, in order
};

// Reads the item's server data (Type, class list, Class, Price, Stack, Bonus), description and icon path, in that
// order. Each missing file gives its message ("Item DATA file = ... does not exists!", then DESCRIPTION, then
// ICON) and loading goes on; unexpected content is never rejected. Raises FileError for a file that exists but
// cannot be read.
LoadedItem LoadItem(const std::string& projectRoot, const std::string& itemName);
