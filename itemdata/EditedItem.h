#pragma once

#include "itemdata/ItemVocabulary.h"

#include <optional>
#include <string>
#include <vector>

// One editing run's item, as opening gives it, the sheet shows it and a save writes it: where it lives, its
// fields, and what the run knows of its files. Paths and the names of items and classes are names (UTF-8 on
// Windows); price, stack, bonuses and the description are bytes in the system's code page, as the files hold them.
struct EditedItem {
    std::string projectRoot; // ends in the separator
    std::string itemName;
    ItemVocabulary::TypeIndex type = 0;       // "Material" until a file says otherwise; none for an unknown name
    std::vector<std::string> classList;       // the class choice's entries, as their files name them
    std::optional<std::string> className;     // the entry of classList chosen; none when no class is
    std::string price = "0";                  // as read or typed; a save fixes it up first
    std::string stack = "1";                  // likewise
    std::vector<std::string> bonuses;         // the bonus entries in list order
    std::optional<std::string> description;   // the description file's bytes; none while there is none to show
    std::optional<std::string> iconFile;      // the icon file as stored on disk, when opening found one
    std::optional<std::string> pickedPicture; // the picture picked for a new item; none for an existing item
    std::vector<std::string> unreadFiles;     // the item's files that stood there but could not be read
};
