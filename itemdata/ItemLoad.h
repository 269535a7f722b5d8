#pragma once

#include "itemdata/EditedItem.h"

#include <string>
#include <vector>

// Opening an existing item: its three files are read one step at a time, server data, description and icon, so
// that a file that is missing or cannot be read costs only its own part of the item.

struct OpenedItem {
    EditedItem item;                   // what the files gave; a part whose file was not read keeps its default
    std::vector<std::string> messages; // what the user is told, one message a file, in the order of the steps
};

// Reads Type, the class list, Class, Price, Stack and Bonus from the server data file, then the description's bytes,
// then finds the icon file. A missing file is told as "Item DATA file = ... does not exists!" (DESCRIPTION, ICON).
// A file that stands there but cannot be read is told with its reason and joins unreadFiles, which no save replaces:
// a folder in its place, no permission, UTF-16 server data, or UTF-16 description text with broken characters. The
// icon never joins them: a save of an existing item leaves it alone. Unexpected content is never rejected.
OpenedItem OpenItem(const std::string& projectRoot, const std::string& itemName);

// Raises FileError for the first of files, the files that could not be read when the item was opened: a save
// would replace what they hold with what the editor shows instead.
void RefuseToReplaceUnreadFiles(const std::vector<std::string>& files);
