#pragma once

#include "base/Os.h"

#include <string>

// How a path names its folders: the separator that ends a folder name, and every character that ends the folder
// part of a path (on Windows a drive's ":" as well as "\" and "/").
struct PathStyle {
    char separator;
    std::string folderEnds;

    static PathStyle Windows() { return {'\\', "\\/:"}; }
    static PathStyle Posix() { return {'/', "/"}; }
    static PathStyle Native() { return Os::kPathSeparator == '\\' ? Windows() : Posix(); }
};
