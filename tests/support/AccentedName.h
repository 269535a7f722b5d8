#pragma once

#include <string>

// "Épée表", an item name outside ASCII, in UTF-8 as the editor holds every name on every system: an accented
// Latin letter, and a character whose second byte in the Japanese code page 932 is that of a backslash.
struct AccentedName {
    std::string utf8 = "\xC3\x89p\xC3\xA9"
                       "e\xE8\xA1\xA8";
};
