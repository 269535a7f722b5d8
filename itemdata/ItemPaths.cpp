#include "itemdata/ItemPaths.h"

#include "base/Os.h"

namespace {

std::string ItemFile(const std::string& projectRoot, const char* folder, const std::string& itemName,
                     const char* extension) {
    return projectRoot + folder + Os::kPathSeparator + itemName + extension;
}

} // namespace

std::string ServerFilePath(const std::string& projectRoot, const std::string& itemName) {
    return ItemFile(projectRoot, "SERVER", itemName, ".ITM");
}

std::string DescriptionFilePath(const std::string& projectRoot, const std::string& itemName) {
    return ItemFile(projectRoot, "CLIENT", itemName, ".ITM");
}

std::string IconFilePath(const std::string& projectRoot, const std::string& itemName) {
    return ItemFile(projectRoot, "CLIENT", itemName, ".BMP");
}
