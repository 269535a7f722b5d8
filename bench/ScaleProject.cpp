#include "bench/ScaleProject.h"

#include "bench/ProjectFiles.h"

#include "itemdata/ItemVocabulary.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

const char* const kWords[] = {"the",   "ring",  "was",  "forged", "in",    "ember", "hall", "by",    "a",     "smith",
                              "whose", "name",  "is",   "lost",   "to",    "song",  "its",  "stone", "glows", "when",
                              "frost", "draws", "near", "and",    "those", "who",   "wear", "it",    "walk",  "unseen"};

std::string ServerData(const ItemScale& scale) {
    std::string bytes;
    for (int i = 0; i < scale.otherLines; ++i)
        bytes += Numbered("Note", i) + "=a line of the game server that the editor never touches\r\n";
    const auto& kinds = ItemVocabulary::StatKinds();
    std::string bonuses;
    for (int i = 0; i < scale.bonuses; ++i) {
        if (i > 0)
            bonuses += ',';
        bonuses += kinds[static_cast<std::size_t>(i) % kinds.size()] + std::to_string(i % 100 + 1);
    }
    bytes += "Type=Ring\r\nBonus=" + bonuses + "\r\nPrice=1500\r\nClass=" + Numbered("Class", scale.classFiles / 2) +
             "\r\nStack=1\r\n";
    return bytes;
}

std::string Description(std::size_t size) {
    std::string bytes;
    std::string line;
    for (std::size_t word = 0; bytes.size() < size; ++word) {
        const std::string next = kWords[(word * 7 + word / 5) % (sizeof kWords / sizeof kWords[0])];
        if (line.size() + next.size() + 1 > 72) {
            bytes += line + "\r\n";
            line.clear();
        }
        line += line.empty() ? next : " " + next;
    }
    bytes.resize(size - 2);
    return bytes + "\r\n";
}

} // namespace

ItemScale LargeItem() {
    return {"large", 100000, 10000, 1024 * 1024, 10000};
}

ItemScale SmallItem() {
    return {"small", 10000, 1000, 1024 * 1024 / 10, 1000};
}

std::string WriteScaleProject(const std::string& folder, const ItemScale& scale, const std::string& iconFile) {
    const fs::path root(folder);
    fs::remove_all(root);
    fs::create_directories(root / "SERVER");
    fs::create_directories(root / "CLIENT");
    for (int i = 0; i < scale.classFiles; ++i)
        WriteFile(root / "SERVER" / (Numbered("Class", i) + ".CLS"), "");
    WriteFile(root / "SERVER" / "Scale.ITM", ServerData(scale));
    WriteFile(root / "CLIENT" / "Scale.ITM", Description(scale.descriptionBytes));
    fs::copy_file(iconFile, root / "CLIENT" / "Scale.BMP");
    return (root / "Scale.ITM").string();
}
