#include "tests/itemdata/ProjectFolder.h"

#include "base/FileSystem.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

void ProjectFolder::CopyQuest() const {
    // The target is named without its trailing separator: MinGW's std::filesystem::copy does not see "folder\" as
    // an existing folder and then copies nothing, without an error.
    fs::copy(fs::path(BRINDLE_SOURCE_DIR) / "examples" / "Quest", fs::path(Root()).parent_path(),
             fs::copy_options::recursive);
}

void ProjectFolder::BlockSaveOf(const std::string& relative) const {
    fs::permissions(fs::path(FileSystem::StoredPath(Path(relative))),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

std::vector<std::string> ProjectFolder::Entries(const std::string& relative) const {
    std::vector<std::string> names;
    for (const auto& entry : FileSystem::ListFolder(Path(relative)))
        names.push_back(entry.name);
    std::sort(names.begin(), names.end());
    return names;
}

std::string CrLfText(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines)
        bytes += line + "\r\n";
    return bytes;
}
