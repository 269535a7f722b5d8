#include "ItemLoad.h"

#include "BonusList.h"
#include "FileSystem.h"
#include "ItemPaths.h"
#include "TextCase.h"
#include "TextLines.h"
#include "UINI.h"

namespace {

std::string MissingFileMessage(const std::string& kind, const std::string& path) {
    return "Item " + kind + " file = " + path + " does not exists!";
}

std::optional<std::string> FindClass(const std::vector<std::string>& classList, const std::string& stored) {
    for (const auto& className : classList) {
        if (SameTextIgnoringCase(className, stored))
            return className;
    }
    return std::nullopt;
}

ServerData ReadServerData(const std::string& projectRoot, const std::string& serverFile) {
    TINI store(serverFile, false);
    ServerData data;
    data.type = ItemVocabulary::FindItemType(store.ReadValue("Type", false));
    data.classList = ItemVocabulary::ClassList(projectRoot);
    data.className = FindClass(data.classList, store.ReadValue("Class", false));
    data.price = store.ReadValue("Price", false);
    data.stack = store.ReadValue("Stack", false);
    data.bonuses = SplitBonuses(store.ReadValue("Bonus", false));
    return data;
}

} // namespace

LoadedItem LoadItem(const std::string& projectRoot, const std::string& itemName) {
    LoadedItem item;
    const std::string serverFile = ServerFilePath(projectRoot, itemName);
    if (FileSystem::FileExists(serverFile))
        item.server = ReadServerData(projectRoot, serverFile);
    else
        item.messages.push_back(MissingFileMessage("DATA", serverFile));

    const std::string descriptionFile = DescriptionFilePath(projectRoot, itemName);
    if (FileSystem::FileExists(descriptionFile))
        item.description = SplitLines(FileSystem::ReadFile(descriptionFile));
    else
        item.messages.push_back(MissingFileMessage("DESCRIPTION", descriptionFile));

    const std::string iconFile = IconFilePath(projectRoot, itemName);
    if (FileSystem::FileExists(iconFile))
        item.iconPath = FileSystem::StoredPath(iconFile);
    else
        item.messages.push_back(MissingFileMessage("ICON", iconFile));
    return item;
}
