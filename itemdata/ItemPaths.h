#pragma once

#include <string>

// The files of one item, built by plain concatenation onto the project root, which ends in the separator.

// ProjectRoot + "SERVER" + separator + ItemName + ".ITM": the key=value server data.
std::string ServerFilePath(const std::string& projectRoot, const std::string& itemName);

// ProjectRoot + "CLIENT" + separator + ItemName + ".ITM": the description's text lines.
std::string DescriptionFilePath(const std::string& projectRoot, const std::string& itemName);

// ProjectRoot + "CLIENT" + separator + ItemName + ".BMP": the icon bitmap.
std::string IconFilePath(const std::string& projectRoot, const std::string& itemName);
