#include "checker/ProjectCheck.h"

#include "base/FileNames.h"
#include "base/FileSystem.h"
#include "base/TextCase.h"
#include "checker/ItemCheck.h"
#include "checker/OrphanCheck.h"
#include "itemdata/ItemVocabulary.h"
#include "itemdata/ProjectListing.h"

#include <algorithm>
#include <unordered_set>

namespace {

// The class list as the editor builds it, from the SERVER folder's entries matching the class file mask.
std::vector<std::string> ProjectClassList(const FolderListing& server) {
    std::vector<std::string> names;
    for (const auto& entry : server.Entries()) {
        if (FileSystem::MatchesMask(entry.name, ItemVocabulary::kClassFileMask))
            names.push_back(StripExtension(entry.name));
    }
    return ItemVocabulary::ClassListOf(std::move(names));
}

// The SERVER folder's server data files, by name.
std::vector<const QuietFiles::Entry*> ServerDataFiles(const FolderListing& server) {
    std::vector<const QuietFiles::Entry*> files;
    for (const auto& entry : server.Entries()) {
        if (FileSystem::MatchesMask(entry.name, "*.ITM"))
            files.push_back(&entry);
    }
    std::sort(files.begin(), files.end(), [](const auto* a, const auto* b) { return a->name < b->name; });
    return files;
}

// The suite names the item by its .ITM file, and the editor takes the name before the first dot.
void CheckItemName(const std::string& serverFile, const std::string& fileName, const std::string& itemName,
                   FindingList& findings) {
    if (itemName.empty())
        findings.Add(serverFile, std::nullopt, Severity::Warning, "item-name",
                     "an item without a name: the editor makes a new item instead of opening it");
    else if (StripExtension(fileName) != itemName)
        findings.Add(serverFile, std::nullopt, Severity::Warning, "item-name",
                     "the editor cannot open this item: it takes the name before the first dot, " +
                         Quoted(StripExtension(fileName)));
}

} // namespace

ProjectResult CheckProject(const std::string& projectFolder) {
    const ProjectListing project = ListProject(projectFolder);
    const std::vector<std::string> classList = ProjectClassList(project.server);
    FindingList findings;
    std::unordered_set<std::string> itemsUpper;
    ProjectResult result;
    for (const QuietFiles::Entry* entry : ServerDataFiles(project.server)) {
        const std::string itemName = entry->name.substr(0, entry->name.size() - 4);
        CheckItemName(project.server.Relative() + entry->name, entry->name, itemName, findings);
        CheckItem(project, classList, *entry, itemName, findings);
        itemsUpper.insert(UpperCaseAscii(itemName));
        ++result.items;
    }
    CheckOrphans(project, classList, itemsUpper, findings);
    result.findings = findings.Sorted();
    return result;
}
