#include "itemdata/ItemLoad.h"

#include "base/FileError.h"
#include "base/FileSystem.h"
#include "itemdata/BonusList.h"
#include "itemdata/ItemPaths.h"
#include "itemdata/KeyValueFile.h"

namespace {

ServerData ReadServerData(const std::string& projectRoot, const std::string& serverFile) {
    KeyValueFile store(serverFile, false);
    ServerData data;
    data.type = ItemVocabulary::FindItemType(store.ReadValue("Type", false));
    data.classList = ItemVocabulary::ClassList(projectRoot);
    data.className = ItemVocabulary::FindClass(data.classList, store.ReadValue("Class", false));
    data.price = store.ReadValue("Price", false);
    data.stack = store.ReadValue("Stack", false);
    data.bonuses = SplitBonuses(store.ReadValue("Bonus", false));
    return data;
}

DescriptionText ReadDescription(const std::string& descriptionFile) {
    DescriptionText description{FileSystem::ReadFile(descriptionFile), TextEncoding::CodePage};
    description.encoding = DetectTextEncoding(description.bytes);
    if (description.encoding == TextEncoding::Unkeepable)
        throw FileError("read", descriptionFile,
                        "it is UTF-16 text with broken characters, which the editor cannot write back unchanged");
    return description;
}

// One step of the load: the file's content, or what to tell the user about it and, when it stands there but
// cannot be read, that a save must leave it alone.
template <typename Content, typename Read>
LoadStep<Content> LoadFile(const char* kind, const std::string& path, Read read) {
    LoadStep<Content> step;
    try {
        if (FileSystem::FolderExists(path))
            throw FileError("read", path, "a folder of that name stands where the file belongs");
        if (!FileSystem::FileExists(path)) {
            step.message = std::string("Item ") + kind + " file = " + path + " does not exists!";
            return step;
        }
        step.content = read(path);
    } catch (const FileError& failure) {
        step.message = failure.what();
        step.unreadFile = path;
    }
    return step;
}

} // namespace

LoadStep<ServerData> LoadServerData(const std::string& projectRoot, const std::string& itemName) {
    return LoadFile<ServerData>("DATA", ServerFilePath(projectRoot, itemName),
                                [&](const std::string& path) { return ReadServerData(projectRoot, path); });
}

LoadStep<DescriptionText> LoadDescription(const std::string& projectRoot, const std::string& itemName) {
    return LoadFile<DescriptionText>("DESCRIPTION", DescriptionFilePath(projectRoot, itemName), ReadDescription);
}

LoadStep<std::string> FindIcon(const std::string& projectRoot, const std::string& itemName) {
    LoadStep<std::string> step =
        LoadFile<std::string>("ICON", IconFilePath(projectRoot, itemName), FileSystem::StoredPath);
    // Saving an existing item never writes its icon, so an icon that could not be read keeps no save from running.
    step.unreadFile.reset();
    return step;
}

void RefuseToReplaceUnreadFiles(const std::vector<std::string>& files) {
    if (!files.empty())
        throw FileError("save", files.front(),
                        "it could not be read when the item was opened, and saving would replace what it holds");
}
