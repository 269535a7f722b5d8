#pragma once

#include "base/FileSystem.h"
#include "itemdata/EditedItem.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The first two save steps, each with the message to show when it changes the text: an empty price becomes "0";
// an empty stack, or one of digits only worth less than 1 ("0", "00"), becomes "1"; any other text stays.
std::optional<std::string> FixUpPrice(std::string& price);
std::optional<std::string> FixUpStack(std::string& stack);

// One key of the server data file as a save writes it.
struct ServerDataValue {
    const char* key;
    std::string text;
};

// The five keys a save writes into the server data file, in the order it writes them (and appends the missing ones):
// Type, Bonus, Price, Class and Stack, each spelled as the save spells it. Raises FileError for a class whose name
// the system's code page cannot hold.
std::array<ServerDataValue, 5> ServerDataValues(const EditedItem& item);

// Saves the item, its price and stack already fixed up and its description the bytes to write (lines ended by
// CR LF), in this order: writes Type, Bonus, Price, Class and Stack into the server data file through the
// key=value store (a new file holds exactly these five lines; other lines of an existing file stay in place);
// copies the picked icon, when it still exists, to CLIENT/<ItemName>.BMP unless it already is that file; writes
// the description crash-safe. Raises FileError. Whatever can be known before writing (a file that could not be
// read when the item was opened, a picked picture that cannot be read, a folder or a read-only file where a file
// is written, a missing folder) stops the save with nothing written. A failure while writing (a full disk) leaves
// each file whole, old or new, and its message names the files already saved.
// The icon copy tells its progress to iconProgress, when given.
void SaveItem(const EditedItem& item, const FileSystem::CopyProgress& iconProgress);

// True when the project already holds an item of this name (its server data or description file, found whatever
// its letter case): a new item of that name would replace it.
bool ItemNameTaken(const std::string& projectRoot, const std::string& itemName);
