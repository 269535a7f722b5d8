#include "ItemSave.h"

#include "BonusList.h"
#include "FileSystem.h"
#include "ItemPaths.h"
#include "Os.h"
#include "TextLines.h"
#include "UINI.h"

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
    if (!SameFile(source, target))
        iconCopier.CopyIcon(source, target);
}

std::string DescriptionBytes(const std::vector<std::string>& lines) {
    if (lines.empty() || !lines.back().empty())
        return JoinLines(lines);
    return JoinLines(std::vector<std::string>(lines.begin(), lines.end() - 1));
}

} // namespace

std::vector<std::string> FixUpPriceAndStack(std::string& price, std::string& stack) {
    std::vector<std::string> messages;
    if (price.empty()) {
        messages.push_back("Price value is empty, set to Price=0");
        price = "0";
    }
    if (IsEmptyOrZero(stack)) {
        messages.push_back("Stack value is empty or less than 1, set to Stack=1");
        stack = "1";
    }
    return messages;
}

void SaveItem(const ItemToSave& item, IconCopier& iconCopier) {
    WriteServerData(item);
    CopyPickedIcon(item, iconCopier);
    FileSystem::WriteFileSafely(DescriptionFilePath(item.projectRoot, item.itemName),
                                DescriptionBytes(item.descriptionLines));
}
