#pragma once

#include "base/TextEncoding.h"
#include "itemdata/ItemVocabulary.h"

#include <optional>
#include <string>
#include <vector>

// Opening an existing item: its three files are read one step at a time, server data, description and icon, so
// that a file that is missing or cannot be read costs only its own part of the item.

// One file as opening the item found it.
template <typename Content> struct LoadStep {
    std::optional<Content> content;        // none when the file is missing or could not be read
    std::string message;                   // what the user is told about the file; empty when it was read
    std::optional<std::string> unreadFile; // the file, when it stands there but could not be read
};

// What the server data file gave.
struct ServerData {
    ItemVocabulary::TypeIndex type;       // none when the stored name is not one of the twenty
    std::optional<std::string> className; // the class list's entry equal to Class ignoring case; none when no match
    std::string price, stack;             // exactly as read
    std::vector<std::string> bonuses;     // Bonus split by SplitBonuses (an empty value gives no entry)
    std::vector<std::string> classList;   // ItemVocabulary::ClassList
};

// The description file's bytes and how they hold its text.
struct DescriptionText {
    std::string bytes;
    TextEncoding encoding;
};

// Type, the class list, Class, Price, Stack and Bonus, read in that order; a missing file gives the message
// "Item DATA file = ... does not exists!". Unexpected content is never rejected.
LoadStep<ServerData> LoadServerData(const std::string& projectRoot, const std::string& itemName);

// The description's bytes; "Item DESCRIPTION file = ... does not exists!" when missing. UTF-16 text whose
// characters are broken cannot be written back unchanged and counts as unreadable.
LoadStep<DescriptionText> LoadDescription(const std::string& projectRoot, const std::string& itemName);

// The icon file as stored on disk; "Item ICON file = ... does not exists!" when missing. The icon is never counted
// as unread: a save of an existing item leaves it alone.
LoadStep<std::string> FindIcon(const std::string& projectRoot, const std::string& itemName);

// Raises FileError for the first of files, the files that could not be read when the item was opened: a save
// would replace what they hold with what the editor shows instead.
void RefuseToReplaceUnreadFiles(const std::vector<std::string>& files);
