#include "itemdata/ItemLoad.h"

#include "base/FileError.h"
#include "base/FileSystem.h"
#include "base/TextEncoding.h"
#include "itemdata/BonusList.h"
#include "itemdata/ItemPaths.h"
#include "itemdata/KeyValueFile.h"

namespace {

void ReadServerData(const std::string& serverFile, EditedItem& item) {
    const KeyValueFile store(serverFile);
    item.type = ItemVocabulary::FindItemType(store.ReadValue("Type"));
    item.classList = ItemVocabulary::ClassList(item.projectRoot);
    item.className = ItemVocabulary::FindClass(item.classList, store.ReadValue("Class"));
    item.price = store.ReadValue("Price");
    item.stack = store.ReadValue("Stack");
    item.bonuses = SplitBonuses(store.ReadValue("Bonus"));
}

void ReadDescription(const std::string& descriptionFile, EditedItem& item) {
    // Far beyond any item's text: shown, it would take gigabytes, and it is kept from saves unread.
    constexpr std::uintmax_t kLargestDescription = 64u << 20;
    if (FileSystem::FileSize(descriptionFile) > kLargestDescription)
        throw FileError(
            "read", descriptionFile,
            "it is larger than 64 MiB, far more than any item's description; the editor leaves it as it is");
    std::string bytes = FileSystem::ReadFile(descriptionFile);
    if (DetectTextEncoding(bytes) == TextEncoding::Unkeepable)
        throw FileError("read", descriptionFile,
                        "it is UTF-16 text with broken characters, which the editor cannot write back unchanged");
    item.description = std::move(bytes);
}

void FindIconFile(const std::string& iconFile, EditedItem& item) {
    item.iconFile = FileSystem::StoredPath(iconFile);
}

// What a file that stands there but cannot be read means for a save.
enum class IfUnread { KeepFromSaves, LetSavesGoOn };

// One step of opening: the file read into the item, or what to tell the user about it and, when it stands there
// but cannot be read, whether a save must leave it alone.
void OpenStep(const char* kind, const std::string& path, void (*read)(const std::string&, EditedItem&),
              OpenedItem& opened, IfUnread ifUnread) {
    try {
        if (FileSystem::FolderExists(path))
            throw FileError("read", path, "a folder of that name stands where the file belongs");
        if (!FileSystem::FileExists(path)) {
            opened.messages.push_back(std::string("Item ") + kind + " file = " + path + " does not exists!");
            return;
        }
        read(path, opened.item);
    } catch (const FileError& failure) {
        opened.messages.push_back(failure.what());
        if (ifUnread == IfUnread::KeepFromSaves)
            opened.item.unreadFiles.push_back(path);
    }
}

} // namespace

OpenedItem OpenItem(const std::string& projectRoot, const std::string& itemName) {
    OpenedItem opened;
    opened.item.projectRoot = projectRoot;
    opened.item.itemName = itemName;
    OpenStep("DATA", ServerFilePath(projectRoot, itemName), ReadServerData, opened, IfUnread::KeepFromSaves);
    OpenStep("DESCRIPTION", DescriptionFilePath(projectRoot, itemName), ReadDescription, opened,
             IfUnread::KeepFromSaves);
    // Saving an existing item never writes its icon, so an icon that could not be read keeps no save from running.
    OpenStep("ICON", IconFilePath(projectRoot, itemName), FindIconFile, opened, IfUnread::LetSavesGoOn);
    return opened;
}

void RefuseToReplaceUnreadFiles(const std::vector<std::string>& files) {
    if (!files.empty())
        throw FileError("save", files.front(),
                        "it could not be read when the item was opened, and saving would replace what it holds");
}
