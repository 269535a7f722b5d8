#include "checker/ProjectCheck.h"

#include "base/FileNames.h"
#include "base/TextCase.h"
#include "checker/ItemCheck.h"
#include "checker/OrphanCheck.h"
#include "itemdata/ProjectListing.h"

#include <unordered_set>

namespace {

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
    const std::vector<std::string> classList = ProjectClassList(project);
    FindingList findings;
    std::unordered_set<std::string> itemsUpper;
    ProjectResult result;
    for (const QuietFiles::Entry* entry : ServerDataFiles(project)) {
        const std::string itemName = entry->name.substr(0, entry->name.size() - 4);
        CheckItemName(project.server.Relative() + entry->name, entry->name, itemName, findings);
        CheckItem(project, classList, *entry, itemName, findings);
        itemsUpper.insert(UpperCaseText(itemName));
        ++result.items;
    }
    CheckOrphans(project, classList, itemsUpper, findings);
    result.findings = findings.Sorted();
    return result;
}
