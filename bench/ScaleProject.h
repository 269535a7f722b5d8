#pragma once

#include <cstddef>
#include <string>

// How big a generated item is: the server data file's lines besides the item's five keys, the bonus entries,
// the description's size and the class files in the SERVER folder.
struct ItemScale {
    const char* name;
    int otherLines;
    int bonuses;
    std::size_t descriptionBytes;
    int classFiles;
};

// The large item of the scale measurement and the one ten times smaller.
ItemScale LargeItem();
ItemScale SmallItem();

// Writes a project of the given scale into folder (replacing what is there): SERVER/Scale.ITM with the other lines
// first and Type, Bonus, Price, Class, Stack last, so that every lookup passes the whole file; the class files
// SERVER/Class00000.CLS and on; CLIENT/Scale.ITM, the description in CR LF lines of up to 72 bytes; and
// CLIENT/Scale.BMP, a copy of iconFile. Returns the editor's argument for the item, folder/Scale.ITM.
std::string WriteScaleProject(const std::string& folder, const ItemScale& scale, const std::string& iconFile);
