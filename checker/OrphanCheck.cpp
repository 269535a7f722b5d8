#include "checker/OrphanCheck.h"

#include "base/FileSystem.h"
#include "base/TextCase.h"

namespace {

std::string Stem(const std::string& name) {
    return name.substr(0, name.size() - 4);
}

// True when the appearance file's name, without ".FAP", is a class followed by an item's name: the file the
// wearable check looks for, whatever the item's type.
bool IsAppearanceOfAnItem(const std::string& stemUpper, const std::vector<std::string>& classesUpper,
                          const std::unordered_set<std::string>& itemsUpper) {
    for (const auto& className : classesUpper) {
        if (stemUpper.compare(0, className.size(), className) == 0 &&
            itemsUpper.count(stemUpper.substr(className.size())) > 0)
            return true;
    }
    return false;
}

} // namespace

void CheckOrphans(const ProjectListing& project, const std::vector<std::string>& classList,
                  const std::unordered_set<std::string>& itemsUpper, FindingList& findings) {
    std::vector<std::string> classesUpper;
    // "ALL" stands for every class: the wearable check never looks for a file of its name.
    for (std::size_t i = 1; i < classList.size(); ++i)
        classesUpper.push_back(UpperCaseText(classList[i]));
    const std::string serverFolder = project.server.Relative();
    for (const auto& entry : project.client.Entries()) {
        if (entry.kind != QuietFiles::EntryKind::File)
            continue;
        const std::string stemUpper = UpperCaseText(Stem(entry.name));
        const std::string shown = project.client.Relative() + entry.name;
        const bool description = FileSystem::MatchesMask(entry.name, "*.ITM");
        if ((description || FileSystem::MatchesMask(entry.name, "*.BMP")) && itemsUpper.count(stemUpper) == 0)
            findings.Add(shown, std::nullopt, Severity::Warning, description ? "orphan-description" : "orphan-icon",
                         std::string(description ? "description" : "icon") + " of no item: there is no " +
                             serverFolder + Stem(entry.name) + ".ITM");
        else if (FileSystem::MatchesMask(entry.name, "*.FAP") &&
                 !IsAppearanceOfAnItem(stemUpper, classesUpper, itemsUpper))
            findings.Add(shown, std::nullopt, Severity::Warning, "orphan-appearance",
                         "appearance file of no item: its name is no class followed by an item's name");
    }
}
