#include "bench/GeneratedProject.h"

#include "bench/ProjectFiles.h"
#include "itemdata/ItemVocabulary.h"

namespace fs = std::filesystem;

namespace {

std::string Bonuses(int type) {
    if (!ItemVocabulary::AllowsBonuses(type))
        return "";
    if (type == 1)
        return "Small Potion HP";
    return "Attack+25,ResHeat+10,Defend+3";
}

} // namespace

int WriteGeneratedProject(const fs::path& root, int items, const std::string& icon) {
    fs::remove_all(root);
    fs::create_directories(root / "SERVER");
    fs::create_directories(root / "CLIENT");
    int files = 0;
    for (int i = 0; i < kGeneratedClasses; ++i, ++files)
        WriteFile(root / "SERVER" / (Numbered("Class", i) + ".CLS"), "");
    const auto& types = ItemVocabulary::ItemTypes();
    for (int i = 0; i < items; ++i) {
        const std::string name = Numbered("Item", i);
        const int type = i % static_cast<int>(types.size());
        const bool worn = ItemVocabulary::NeedsAppearanceFile(type);
        const std::string className = worn ? Numbered("Class", i % kGeneratedClasses) : "ALL";
        WriteFile(root / "SERVER" / (name + ".ITM"), "Type=" + types[static_cast<std::size_t>(type)] +
                                                         "\r\nBonus=" + Bonuses(type) +
                                                         "\r\nPrice=1500\r\nClass=" + className + "\r\nStack=1\r\n");
        WriteFile(root / "CLIENT" / (name + ".ITM"),
                  "Forged in the ember hall by a smith whose name is lost to song,\r\nits stone glows when frost "
                  "draws near, and those who wear it walk unseen.\r\n");
        WriteFile(root / "CLIENT" / (name + ".BMP"), icon);
        files += 3;
        if (worn) {
            WriteFile(root / "CLIENT" / (className + name + ".FAP"), "");
            ++files;
        }
    }
    return files;
}
