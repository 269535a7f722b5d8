#include "itemdata/ItemSave.h"

#include "base/FileError.h"
#include "base/FileSystem.h"
#include "base/Os.h"
#include "base/Quoting.h"
#include "itemdata/BonusList.h"
#include "itemdata/ItemLoad.h"
#include "itemdata/ItemPaths.h"
#include "itemdata/KeyValueFile.h"

#include <filesystem>
#include <system_error>

namespace {

bool IsEmptyOrZero(const std::string& number) {
    return number.find_first_not_of('0') == std::string::npos;
}

struct IconCopy {
    std::string source, target;
};

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::equivalent(Os::FileSystemPath(a), Os::FileSystemPath(b), error);
}

// The picture the user picked is copied, not one rebuilt from the item's name: a picture named Long.Sword.bmp
// gives the item Long, and Long.BMP beside it would be another picture or none. Nothing is copied when the
// picture is gone or already is the item's icon.
std::optional<IconCopy> IconToCopy(const EditedItem& item) {
    if (!item.pickedPicture || !FileSystem::FileExists(*item.pickedPicture))
        return std::nullopt;
    IconCopy copy{FileSystem::StoredPath(*item.pickedPicture),
                  FileSystem::StoredPath(IconFilePath(item.projectRoot, item.itemName))};
    if (SameFile(copy.source, copy.target))
        return std::nullopt;
    return copy;
}

// Everything that would stop the save part-way and can be known before the first write, so that it stops the
// save with nothing written. The icon copy makes the CLIENT folder when the project has none.
void CheckBeforeWriting(const EditedItem& item, const std::optional<IconCopy>& icon) {
    using FileSystem::AtLink;
    using FileSystem::MissingFolder;
    RefuseToReplaceUnreadFiles(item.unreadFiles);
    FileSystem::CheckCanReplace(ServerFilePath(item.projectRoot, item.itemName), AtLink::WriteItsTarget,
                                MissingFolder::Refused, "save");
    if (icon) {
        FileSystem::CheckReadable(icon->source);
        FileSystem::CheckCanReplace(icon->target, AtLink::ReplaceIt, MissingFolder::MadeOnWrite, "copy to");
    }
    FileSystem::CheckCanReplace(DescriptionFilePath(item.projectRoot, item.itemName), AtLink::WriteItsTarget,
                                icon ? MissingFolder::MadeOnWrite : MissingFolder::Refused, "save");
}

void WriteServerData(const EditedItem& item) {
    KeyValueFile store(ServerFilePath(item.projectRoot, item.itemName));
    for (const ServerDataValue& value : ServerDataValues(item))
        store.WriteValue(value.key, value.text);
    store.SaveFile();
}

// The class as the server data holds it: its name in the system's code page, which must hold every character of
// it, or the game would read another name.
std::string StoredClass(const EditedItem& item) {
    if (!item.className)
        return std::string();
    if (const auto stored = Os::SystemTextOfUtf8(*item.className))
        return *stored;
    throw FileError("save", ServerFilePath(item.projectRoot, item.itemName),
                    "the class name " + Quoted(*item.className) +
                        " holds characters the system's code page cannot store; rename the class file, or choose "
                        "another class");
}

std::string QuotedList(const std::vector<std::string>& files) {
    std::string list;
    for (const std::string& file : files)
        list += (list.empty() ? "\"" : ", \"") + file + "\"";
    return list;
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

std::array<ServerDataValue, 5> ServerDataValues(const EditedItem& item) {
    return {{{"Type", ItemVocabulary::TypeName(item.type)},
             {"Bonus", JoinBonuses(item.bonuses)},
             {"Price", item.price},
             {"Class", StoredClass(item)},
             {"Stack", item.stack}}};
}

void SaveItem(const EditedItem& item, const FileSystem::CopyProgress& iconProgress) {
    const std::optional<IconCopy> icon = IconToCopy(item);
    CheckBeforeWriting(item, icon);
    std::vector<std::string> saved;
    try {
        WriteServerData(item);
        saved.push_back(ServerFilePath(item.projectRoot, item.itemName));
        if (icon) {
            FileSystem::CopyFile(icon->source, icon->target, iconProgress);
            saved.push_back(icon->target);
        }
        FileSystem::WriteFileSafely(DescriptionFilePath(item.projectRoot, item.itemName),
                                    item.description.value_or(std::string()));
    } catch (const FileError& failure) {
        // Each file is replaced whole or not at all; the user must know which ones already hold the new item.
        if (saved.empty())
            throw;
        throw failure.Adding("Already saved: " + QuotedList(saved) + "; the item's other files are as they were");
    }
}

bool ItemNameTaken(const std::string& projectRoot, const std::string& itemName) {
    return FileSystem::FileExists(ServerFilePath(projectRoot, itemName)) ||
           FileSystem::FileExists(DescriptionFilePath(projectRoot, itemName));
}
