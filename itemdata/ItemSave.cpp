#include "itemdata/ItemSave.h"

#include "base/FileError.h"
#include "base/FileSystem.h"
#include "base/Os.h"
#include "itemdata/BonusList.h"
#include "itemdata/ItemLoad.h"
#include "itemdata/ItemPaths.h"
#include "itemdata/UINI.h"

#include <filesystem>
#include <system_error>

namespace {

bool IsEmptyOrZero(const std::string& number) {
    return number.find_first_not_of('0') == std::string::npos;
}

void WriteServerData(const ItemToSave& item) {
    TINI store(ServerFilePath(item.projectRoot, item.itemName), true);
    store.WriteValue("Type", ItemVocabulary::TypeName(item.type), false);
    store.WriteValue("Bonus", JoinBonuses(item.bonuses), false);
    store.WriteValue("Price", item.price, false);
    store.WriteValue("Class", item.className, false);
    store.WriteValue("Stack", item.stack, false);
    store.SaveFile();
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::equivalent(Os::FileSystemPath(a), Os::FileSystemPath(b), error);
}

// The picture the user picked is copied, not one rebuilt from the item's name: a picture named Long.Sword.bmp
// gives the item Long, and Long.BMP beside it would be another picture or none.
void CopyPickedIcon(const ItemToSave& item, IconCopier& iconCopier) {
    if (!item.pickedIcon || !FileSystem::FileExists(*item.pickedIcon))
        return;
    const std::string source = FileSystem::StoredPath(*item.pickedIcon);
    const std::string target = FileSystem::StoredPath(IconFilePath(item.projectRoot, item.itemName));
    if (FileSystem::FolderExists(target))
        throw FileError("save", target, "a folder of that name stands where the file belongs");
    if (!SameFile(source, target))
        iconCopier.CopyIcon(source, target);
}

} // namespace

std::optional<std::string> FixUpPrice(std::string& price) {
    if (!price.empty())
        return std::nullopt;
    price = "0";
    return "Price value is empty, set to Price=0";
}

std::optional<std::string> FixUpStack(std::string& stack) {
    if (!IsEmptyOrZero(stack))
        return std::nullopt;
    stack = "1";
    return "Stack value is empty or less than 1, set to Stack=1";
}

void SaveItem(const ItemToSave& item, IconCopier& iconCopier) {
    RefuseToReplaceUnreadFiles(item.unreadFiles);
    WriteServerData(item);
    CopyPickedIcon(item, iconCopier);
    FileSystem::WriteFileSafely(DescriptionFilePath(item.projectRoot, item.itemName), item.description);
}

bool ItemNameTaken(const std::string& projectRoot, const std::string& itemName) {
    return FileSystem::FileExists(ServerFilePath(projectRoot, itemName)) ||
           FileSystem::FileExists(DescriptionFilePath(projectRoot, itemName));
}
