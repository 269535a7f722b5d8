#pragma once

#include <string>
#include <vector>

// File utilities shared by start-up, the item files and the editor window.

// The text before the first dot ("Sword.Old.bmp" gives "Sword"); a text without a dot gives the empty text.
std::string StripExtension(const std::string& fileName);

// The folder with the platform's separator at its end (added only when missing).
std::string AddTrailingBackslash(const std::string& folder);
std::string AddTrailingSeparator(const std::string& folder, char separator);

// Entry kinds for ListFiles' attribute mask, as the desktop's directory search knows them.
enum FileAttribute {
    faReadOnly = 1,
    faHidden = 2,
    faSysFile = 4,
    faVolumeID = 8,
    faDirectory = 16,
    faArchive = 32,
    faAnyFile = faReadOnly | faHidden | faSysFile | faVolumeID | faDirectory | faArchive
};

// Clears list, then appends a line for each entry matching mask (a folder ending in a wildcard name such as
// .../SERVER/*.CLS) in the file system's order: with namesOnly the name before its first dot; else without
// withFolder the name; else with pairs name=folder; else folder+name. existingOnly keeps files only.
void ListFiles(const std::string& mask, int attributeMask, std::vector<std::string>& list, bool pairs,
               bool existingOnly, bool withFolder, bool namesOnly);
