#include "itemdata/ProjectListing.h"

#include "base/FileError.h"
#include "base/FileNames.h"
#include "base/FileSystem.h"
#include "base/Os.h"
#include "base/TextCase.h"
#include "itemdata/ItemVocabulary.h"

#include <algorithm>
#include <utility>

FolderListing::FolderListing(std::string path, std::string relative, std::vector<QuietFiles::Entry> entries)
    : m_path(std::move(path)), m_relative(std::move(relative)), m_entries(std::move(entries)) {
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        m_byName.emplace(m_entries[i].name, i);
        m_byUpperName.emplace(UpperCaseText(m_entries[i].name), i);
    }
}

const QuietFiles::Entry* FolderListing::Find(const std::string& name) const {
    const auto exact = m_byName.find(name);
    if (exact != m_byName.end())
        return &m_entries[exact->second];
    const auto other = m_byUpperName.find(UpperCaseText(name));
    return other == m_byUpperName.end() ? nullptr : &m_entries[other->second];
}

namespace {

const QuietFiles::Entry* FindFolder(const FolderListing& root, const char* name) {
    const QuietFiles::Entry* entry = root.Find(name);
    return entry && entry->kind == QuietFiles::EntryKind::Folder ? entry : nullptr;
}

FolderListing ListSubfolder(const std::string& root, const std::string& name) {
    const std::string path = root + name + Os::kPathSeparator;
    return FolderListing(path, name + Os::kPathSeparator, QuietFiles::ListFolder(path));
}

} // namespace

ProjectListing ListProject(const std::string& projectFolder) {
    ProjectListing project;
    project.root = WithTrailingSeparator(projectFolder);
    const FolderListing root(project.root, "", QuietFiles::ListFolder(project.root));
    const QuietFiles::Entry* server = FindFolder(root, "SERVER");
    if (!server)
        throw FileError("check", projectFolder, "it has no SERVER folder, so it is no project folder");
    project.server = ListSubfolder(project.root, server->name);
    const QuietFiles::Entry* client = FindFolder(root, "CLIENT");
    project.client = client ? ListSubfolder(project.root, client->name)
                            : FolderListing(project.root + "CLIENT" + Os::kPathSeparator,
                                            std::string("CLIENT") + Os::kPathSeparator, {});
    return project;
}

std::vector<std::string> ProjectClassList(const ProjectListing& project) {
    std::vector<std::string> names;
    for (const auto& entry : project.server.Entries()) {
        if (FileSystem::MatchesMask(entry.name, ItemVocabulary::kClassFileMask))
            names.push_back(StripExtension(entry.name));
    }
    return ItemVocabulary::ClassListOf(std::move(names));
}

std::vector<const QuietFiles::Entry*> ServerDataFiles(const ProjectListing& project) {
    std::vector<const QuietFiles::Entry*> files;
    for (const auto& entry : project.server.Entries()) {
        if (FileSystem::MatchesMask(entry.name, "*.ITM"))
            files.push_back(&entry);
    }
    std::sort(files.begin(), files.end(), [](const auto* a, const auto* b) { return a->name < b->name; });
    return files;
}
