#pragma once

#include "base/Os.h"

#include <string>

// Names of files and folders as text: nothing here looks at the disk.

// The text before the first dot ("Sword.Old.bmp" gives "Sword"); a text without a dot gives the empty text.
std::string StripExtension(const std::string& fileName);

// The folder with separator at its end, added only when missing, so that a file's name can follow it.
std::string WithTrailingSeparator(const std::string& folder, char separator = Os::kPathSeparator);
