#pragma once

#include "base/QuietFiles.h"

#include <string>
#include <unordered_map>
#include <vector>

// One folder of a project, listed once, whose files are found the way the editor finds them: by the name as
// written, or else by the first entry that differs from it only in letter case.
class FolderListing {
public:
    FolderListing() = default;
    FolderListing(std::string path, std::string relative, std::vector<QuietFiles::Entry> entries);

    // The entry of that name, or none.
    const QuietFiles::Entry* Find(const std::string& name) const;

    const std::vector<QuietFiles::Entry>& Entries() const { return m_entries; }
    // The folder on disk, ending in the separator.
    const std::string& Path() const { return m_path; }
    // The folder's path inside the project, ending in the separator ("SERVER/"): how findings name its files.
    const std::string& Relative() const { return m_relative; }

private:
    std::string m_path, m_relative;
    std::vector<QuietFiles::Entry> m_entries;
    std::unordered_map<std::string, std::size_t> m_byName, m_byUpperName;
};

// The two folders of a project the checks read.
struct ProjectListing {
    std::string root; // the project folder, ending in the separator
    FolderListing server, client;
};

// Lists SERVER and CLIENT of the project folder; a missing CLIENT folder lists as an empty "CLIENT". Raises FileError
// when the project folder or one of the two cannot be read, or the project has no SERVER folder.
ProjectListing ListProject(const std::string& projectFolder);

// The class list as the editor builds it, from the SERVER folder's entries matching the class file mask.
std::vector<std::string> ProjectClassList(const ProjectListing& project);

// The SERVER folder's entries matching "*.ITM", the items' server data files, sorted by name.
std::vector<const QuietFiles::Entry*> ServerDataFiles(const ProjectListing& project);
