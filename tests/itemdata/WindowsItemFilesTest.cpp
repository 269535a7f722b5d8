#include "base/FileError.h"
#include "base/Os.h"
#include "itemdata/ItemFiles.h"
#include "tests/itemdata/ProjectFolder.h"

#include <gtest/gtest.h>

#include <optional>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

// The item files in a project on a Windows desktop: backslash paths, files named in any letter case, and class
// and item names of any code page, the class stored in the system's one.

namespace {

// Runs only in the Windows build; elsewhere the skip says why.
class WindowsItemFiles : public testing::Test {
protected:
    void SetUp() override {
        if (Os::kPathSeparator != '\\')
            GTEST_SKIP() << "Windows only: item files on the Windows file system, run by scripts/test-windows.sh";
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

TEST_F(WindowsItemFiles, DoubleByteClassAndItemNamesAreListedCheckedSavedAndLoaded) {
    // 戦士 (warrior) is held by the Japanese and the Chinese code pages; 表 ends in a backslash's byte in 932.
    const std::string warrior = "\xE6\x88\xA6\xE5\xA3\xAB";
    const std::string table = "\xE8\xA1\xA8";
    project.Write("SERVER/" + warrior + ".CLS", "");
    project.Write("CLIENT/" + warrior + table + ".FAP", "");
    project.Write("CLIENT/" + table + ".BMP", "BM");

    EXPECT_EQ(ItemVocabulary::ClassList(project.Root()), (std::vector<std::string>{"ALL", warrior}));
    EXPECT_EQ(ItemVocabulary::WearableCheck(project.Root(), table, 13, warrior), "")
        << "the appearance file of the class is found";

    EditedItem item;
    item.projectRoot = project.Root();
    item.itemName = table;
    item.type = 13;
    item.className = warrior;
    item.price = "5";
    item.bonuses = {"Defend+3"};
    item.description = "Brown.\r\n";
    item.pickedPicture = project.Root() + "client\\" + table + ".bmp";
    const auto storedClass = Os::SystemTextOfUtf8(warrior);
    if (!storedClass) {
        try {
            SaveItem(item, {});
            ADD_FAILURE() << "a class the code page cannot hold was saved";
        } catch (const FileError& refused) {
            EXPECT_EQ(refused.FileName(), ServerFilePath(project.Root(), table));
            EXPECT_NE(std::string(refused.what()).find("\"" + warrior + "\""), std::string::npos) << refused.what();
        }
        EXPECT_FALSE(project.Exists("SERVER/" + table + ".ITM")) << "nothing is written, never a \"?\"";
        return;
    }
#ifdef _WIN32
    if (GetACP() == 932) {
        EXPECT_EQ(*storedClass, "\x90\xED\x8E\x6D");
    }
#endif
    int copies = 0;
    SaveItem(item, [&copies](std::uint64_t, std::uint64_t) { ++copies; });
    EXPECT_EQ(copies, 0) << "the picked picture already is the item's icon";
    EXPECT_EQ(project.Read("SERVER/" + table + ".ITM"),
              "Type=Head\r\nBonus=Defend+3\r\nPrice=5\r\nClass=" + *storedClass + "\r\nStack=1\r\n");

    const OpenedItem saved = OpenItem(project.Root(), table);
    EXPECT_TRUE(saved.messages.empty());
    EXPECT_EQ(saved.item.className, warrior);
    EXPECT_EQ(saved.item.bonuses, std::vector<std::string>{"Defend+3"});
    EXPECT_EQ(saved.item.description, "Brown.\r\n");
}

TEST_F(WindowsItemFiles, AStoredClassIsFoundByItsCharactersOnEveryCodePage) {
    // In code page 932 the katakana a and di are 83 41 and 83 61: ignoring the case of bytes takes one for the
    // other. In 1251 the Cyrillic letters have a case of their own.
    const std::string a = "\xE3\x82\xA2", di = "\xE3\x83\x82";
    const std::string mage = "\xD0\x9C\xD0\xB0\xD0\xB3", shoutedMage = "\xD0\x9C\xD0\x90\xD0\x93";
    const std::vector<std::string> classes = {"ALL", a, mage};
    if (const auto storedDi = Os::SystemTextOfUtf8(di)) {
        EXPECT_EQ(ItemVocabulary::FindClass(classes, *storedDi), std::nullopt);
        EXPECT_EQ(ItemVocabulary::FindClass(classes, *Os::SystemTextOfUtf8(a)), a);
    }
    if (const auto stored = Os::SystemTextOfUtf8(shoutedMage)) {
        EXPECT_EQ(ItemVocabulary::FindClass(classes, *stored), mage);
    }
    EXPECT_EQ(ItemVocabulary::FindClass(classes, "all"), "ALL");
}
