#pragma once

#include "base/Os.h"

#include <string>

// "Épée", an item name outside ASCII, in UTF-8 and as the system spells it in file names: Windows-1252 on Windows
// (as the Windows leg sets it), UTF-8 elsewhere.
struct AccentedName {
    std::string utf8 = "\xC3\x89p\xC3\xA9"
                       "e";
    std::string system = Os::kPathSeparator == '\\' ? "\xC9p\xE9"
                                                      "e"
                                                    : utf8;
};
