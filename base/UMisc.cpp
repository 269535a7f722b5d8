#include "base/UMisc.h"

#include "base/FileSystem.h"
#include "base/Os.h"

namespace {

bool IsHiddenName(const std::string& name) {
    return !name.empty() && name.front() == '.';
}

bool KindWanted(const FileSystem::FolderEntry& entry, int attributeMask) {
    if (entry.isFolder && !(attributeMask & faDirectory))
        return false;
    return !IsHiddenName(entry.name) || (attributeMask & faHidden);
}

std::string ListLine(const std::string& folder, const std::string& name, bool pairs, bool withFolder, bool namesOnly) {
    if (namesOnly)
        return StripExtension(name);
    if (!withFolder)
        return name;
    if (pairs)
        return name + "=" + folder;
    return folder + name;
}

} // namespace

std::string StripExtension(const std::string& fileName) {
    const auto dot = fileName.find('.');
    return dot == std::string::npos ? std::string() : fileName.substr(0, dot);
}

std::string AddTrailingSeparator(const std::string& folder, char separator) {
    if (!folder.empty() && folder.back() == separator)
        return folder;
    return folder + separator;
}

std::string AddTrailingBackslash(const std::string& folder) {
    return AddTrailingSeparator(folder, Os::kPathSeparator);
}

void ListFiles(const std::string& mask, int attributeMask, std::vector<std::string>& list, bool pairs,
               bool existingOnly, bool withFolder, bool namesOnly) {
    list.clear();
    const auto cut = mask.find_last_of(Os::kPathSeparator);
    const std::string folder = cut == std::string::npos ? std::string() : mask.substr(0, cut + 1);
    const std::string pattern = mask.substr(folder.size());
    for (const auto& entry : FileSystem::ListFolder(folder)) {
        if (!KindWanted(entry, attributeMask) || !FileSystem::MatchesMask(entry.name, pattern))
            continue;
        if (existingOnly && !FileSystem::FileExists(folder + entry.name))
            continue;
        list.push_back(ListLine(folder, entry.name, pairs, withFolder, namesOnly));
    }
}
