#include "base/Os.h"
#include "itemdata/ItemFiles.h"
#include "tests/itemdata/ProjectFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <optional>

// The item files in a project on a Windows desktop: backslash paths, files named in any letter case, and
// class and item names in the system's code page.

namespace {

// Runs only in the Windows build; elsewhere the skip says why.
class WindowsItemFiles : public testing::Test {
protected:
    void SetUp() override {
        if (Os::kPathSeparator != '\\')
            GTEST_SKIP() << "Windows only: item files on the Windows file system, run by scripts/test-windows.sh";
    }

    // The name in the system's code page, or none when the code page cannot spell it.
    static std::optional<std::string> InCodePage(const std::wstring& name) {
        const std::string text = Os::PathText(std::filesystem::path(name));
        if (Os::FileSystemPath(text).native() != std::filesystem::path(name).native())
            return std::nullopt;
        return text;
    }

    // Creates the file through the C library, which takes the name in the code page like the desktop's own
    // "A" functions do.
    void WriteWithCodePageName(const std::string& relative, const std::string& bytes) const {
        std::FILE* file = std::fopen((project.Root() + relative).c_str(), "wb");
        ASSERT_NE(file, nullptr) << relative;
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }

    ProjectFolder project;
};

} // namespace

TEST_F(WindowsItemFiles, PathsAreBuiltWithBackslashes) {
    EXPECT_EQ(ServerFilePath("C:\\Games\\Quest\\", "Sword"), "C:\\Games\\Quest\\SERVER\\Sword.ITM");
    EXPECT_EQ(DescriptionFilePath("C:\\Games\\Quest\\", "Sword"), "C:\\Games\\Quest\\CLIENT\\Sword.ITM");
    EXPECT_EQ(IconFilePath("C:\\Games\\Quest\\", "Sword"), "C:\\Games\\Quest\\CLIENT\\Sword.BMP");
}

TEST_F(WindowsItemFiles, AnItemStoredInLowerCaseLoadsFromAProjectRootInAnotherCase) {
    project.Write("server/sword.itm", "type=ring\r\nclass=all\r\nprice=10\r\nstack=1\r\nbonus=Attack+5\r\n");
    project.Write("client/sword.itm", "Sharp.\r\n");
    project.Write("client/sword.bmp", "BM");
    std::string root = project.Root();
    root[0] = static_cast<char>(root[0] - 'A' + 'a');
    const OpenedItem sword = OpenItem(root, "SWORD");
    EXPECT_TRUE(sword.messages.empty());
    EXPECT_EQ(sword.item.type, ItemVocabulary::TypeIndex(3));
    EXPECT_EQ(sword.item.className, "ALL");
    EXPECT_EQ(sword.item.description, "Sharp.\r\n");
    EXPECT_EQ(sword.item.iconFile, root + "CLIENT\\SWORD.BMP") << "the system finds the icon; the path stays as asked";
}

TEST_F(WindowsItemFiles, ClassesAndItemsNamedInTheCodePageAreListedCheckedSavedAndLoaded) {
    const auto className = InCodePage(L"M\u00EAl\u00E9e");
    const auto itemName = InCodePage(L"\u0152uf");
    if (!className || !itemName)
        GTEST_SKIP() << "the system's code page cannot spell the test's class and item names";
    project.MakeFolder("SERVER");
    project.MakeFolder("CLIENT");
    WriteWithCodePageName("SERVER\\" + *className + ".CLS", "");
    WriteWithCodePageName("CLIENT\\" + *className + *itemName + ".FAP", "");
    WriteWithCodePageName("CLIENT\\" + *itemName + ".BMP", "BM");

    EXPECT_EQ(ItemVocabulary::ClassList(project.Root()), (std::vector<std::string>{"ALL", *className}));
    EXPECT_EQ(ItemVocabulary::WearableCheck(project.Root(), *itemName, 13, *className), "")
        << "the appearance file of the class is found";

    EditedItem item;
    item.projectRoot = project.Root();
    item.itemName = *itemName;
    item.type = 13;
    item.className = *className;
    item.price = "5";
    item.bonuses = {"Defend+3"};
    item.description = "Brown.\r\n";
    item.pickedPicture = project.Root() + "client\\" + *itemName + ".bmp";
    int copies = 0;
    SaveItem(item, [&copies](std::uint64_t, std::uint64_t) { ++copies; });
    EXPECT_EQ(copies, 0) << "the picked picture already is the item's icon";

    const OpenedItem saved = OpenItem(project.Root(), *itemName);
    EXPECT_TRUE(saved.messages.empty());
    EXPECT_EQ(saved.item.className, *className);
    EXPECT_EQ(saved.item.bonuses, std::vector<std::string>{"Defend+3"});
    EXPECT_EQ(saved.item.description, "Brown.\r\n");
}
