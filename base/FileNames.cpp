#include "base/FileNames.h"

std::string StripExtension(const std::string& fileName) {
    const auto dot = fileName.find('.');
    return dot == std::string::npos ? std::string() : fileName.substr(0, dot);
}

std::string WithTrailingSeparator(const std::string& folder, char separator) {
    if (!folder.empty() && folder.back() == separator)
        return folder;
    return folder + separator;
}
