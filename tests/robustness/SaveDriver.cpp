// The helper process of the kill test: saves one large item with the item files' own save, then exits.
// Arguments: the project folder (ending in the separator), the item's name, "old" or "new" (which of two
// contents to save), and the number of description lines. Exit code 0 when saved, 1 on a file error.
#include "itemdata/ItemFiles.h"
#include "tests/support/TextLines.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

// Lines of equal length for both contents, so that only whole files tell them apart.
std::vector<std::string> DescriptionLines(const std::string& variant, int count) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        lines.push_back(variant + " tale, line " + std::to_string(100000 + i) + " " + std::string(40, variant[0]));
    return lines;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s <project folder/> <item name> old|new <description lines>\n", argv[0]);
        return 2;
    }
    const std::string variant = argv[3];
    const bool isNew = variant == "new";
    EditedItem item;
    item.projectRoot = argv[1];
    item.itemName = argv[2];
    item.type = ItemVocabulary::FindItemType("Ring");
    item.className = "ALL";
    item.price = isNew ? "2000" : "1000";
    item.stack = isNew ? "2" : "1";
    item.bonuses = {isNew ? "Attack+2" : "Attack+1"};
    item.description = JoinLines(DescriptionLines(variant, std::stoi(argv[4])));
    try {
        SaveItem(item, nullptr);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
    return 0;
}
