#include "base/FileError.h"
#include "base/Os.h"
#include "base/TextEncoding.h"
#include "itemdata/ItemFiles.h"
#include "tests/itemdata/ProjectFolder.h"
#include "tests/support/TextLines.h"
#include "tests/support/UnreadableFile.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::string Sep() {
    return std::string(1, Os::kPathSeparator);
}

} // namespace

// What opening one item gave, as the tests look at it.
struct LoadedItem {
    std::optional<EditedItem> server; // the item, when its server data file was read
    std::optional<std::vector<std::string>> description;
    std::optional<std::string> iconPath;
    std::vector<std::string> messages;
    std::vector<std::string> unreadFiles;
};

class ItemLoadTest : public testing::Test {
protected:
    LoadedItem Load(const std::string& itemName) {
        const OpenedItem opened = OpenItem(project.Root(), itemName);
        LoadedItem item;
        // The class list is built only from a server data file that was read.
        if (!opened.item.classList.empty())
            item.server = opened.item;
        if (opened.item.description)
            item.description = SplitLines(*opened.item.description);
        item.iconPath = opened.item.iconFile;
        item.messages = opened.messages;
        item.unreadFiles = opened.item.unreadFiles;
        return item;
    }

    ProjectFolder project;
};

TEST_F(ItemLoadTest, ReadsAllThreeFilesOfTheQuestRing) {
    project.CopyQuest();
    const LoadedItem item = Load("RubyRing");
    EXPECT_TRUE(item.messages.empty());
    ASSERT_TRUE(item.server);
    EXPECT_EQ(item.server->type, ItemVocabulary::TypeIndex(3));
    EXPECT_EQ(item.server->className, "ALL");
    EXPECT_EQ(item.server->price, "1500");
    EXPECT_EQ(item.server->stack, "1");
    EXPECT_EQ(item.server->bonuses, (std::vector<std::string>{"Attack+25", "ResHeat+10"}));
    std::vector<std::string> classes = item.server->classList;
    ASSERT_FALSE(classes.empty());
    EXPECT_EQ(classes.front(), "ALL");
    std::sort(classes.begin() + 1, classes.end());
    EXPECT_EQ(classes, (std::vector<std::string>{"ALL", "Mage", "Warrior"}));
    ASSERT_TRUE(item.description);
    EXPECT_EQ(item.description->size(), 4u);
    EXPECT_EQ(item.description->front(), "A gold band set with a ruby that");
    EXPECT_EQ(item.iconPath, project.Path("CLIENT/RubyRing.BMP"));
}

TEST_F(ItemLoadTest, MatchesTypeAndClassIgnoringCaseAndGivesTheClassListsSpelling) {
    project.Write("SERVER/Warrior.CLS", "");
    project.Write("SERVER/Draught.ITM",
                  "type=POTION\r\nclass=warrior\r\nprice= 25\r\nSTACK=010\r\nbonus=Small Potion HP");
    const LoadedItem item = Load("Draught");
    ASSERT_TRUE(item.server);
    EXPECT_EQ(item.server->type, ItemVocabulary::TypeIndex(1));
    EXPECT_EQ(item.server->className, "Warrior");
    EXPECT_EQ(item.server->price, " 25") << "price and stack are shown exactly as read";
    EXPECT_EQ(item.server->stack, "010");
    EXPECT_EQ(item.server->bonuses, std::vector<std::string>{"Small Potion HP"});
}

TEST_F(ItemLoadTest, NeverRejectsUnexpectedContent) {
    project.Write("SERVER/Odd.CLS", "");
    project.Write("SERVER/Odd.ITM", "Type=Sword\nClass=Thief\nPrice=cheap\nBonus=A,,B\nWeight=3\n");
    const LoadedItem item = Load("Odd");
    ASSERT_TRUE(item.server);
    EXPECT_EQ(item.server->type, std::nullopt);
    EXPECT_EQ(item.server->className, std::nullopt);
    EXPECT_EQ(item.server->price, "cheap");
    EXPECT_EQ(item.server->stack, "") << "a missing key reads as the empty text";
    EXPECT_EQ(item.server->bonuses, (std::vector<std::string>{"A", "", "B"}));

    project.Write("SERVER/Bare.ITM", "Weight=3\r\n");
    const LoadedItem bare = Load("Bare");
    ASSERT_TRUE(bare.server);
    EXPECT_TRUE(bare.server->bonuses.empty()) << "an empty Bonus is no entry";
    EXPECT_EQ(bare.server->className, std::nullopt);
    EXPECT_EQ(project.Read("SERVER/Bare.ITM"), "Weight=3\r\n") << "loading writes nothing";
}

TEST_F(ItemLoadTest, ReportsEachMissingFileInOrderAndGoesOn) {
    project.MakeFolder("SERVER");
    project.MakeFolder("CLIENT");
    const LoadedItem nothing = Load("Ghost");
    EXPECT_EQ(nothing.messages,
              (std::vector<std::string>{
                  "Item DATA file = " + project.Root() + "SERVER" + Sep() + "Ghost.ITM does not exists!",
                  "Item DESCRIPTION file = " + project.Root() + "CLIENT" + Sep() + "Ghost.ITM does not exists!",
                  "Item ICON file = " + project.Root() + "CLIENT" + Sep() + "Ghost.BMP does not exists!"}));
    EXPECT_FALSE(nothing.server);
    EXPECT_FALSE(nothing.description);
    EXPECT_FALSE(nothing.iconPath);

    project.Write("CLIENT/Ghost.BMP", "BM");
    const LoadedItem iconOnly = Load("Ghost");
    ASSERT_EQ(iconOnly.messages.size(), 2u);
    EXPECT_EQ(iconOnly.messages[0].rfind("Item DATA file = ", 0), 0u);
    EXPECT_EQ(iconOnly.messages[1].rfind("Item DESCRIPTION file = ", 0), 0u);
    EXPECT_TRUE(iconOnly.iconPath);
}

TEST_F(ItemLoadTest, AMissingServerFileLeavesTheClassListUnbuilt) {
    project.CopyQuest();
    project.Write("CLIENT/Lamp.ITM", "An oil lamp.\r\n");
    const LoadedItem item = Load("Lamp");
    EXPECT_FALSE(item.server);
    ASSERT_TRUE(item.description);
    EXPECT_EQ(*item.description, std::vector<std::string>{"An oil lamp."});
    EXPECT_EQ(item.messages.size(), 2u);
}

TEST_F(ItemLoadTest, ReadsTheDescriptionWithAnyLineEndsAndEveryByte) {
    project.Write("CLIENT/Map.ITM", "Caf\xE9 map\nof the \xABlake\xBB\rend\r\n\r\n");
    const LoadedItem item = Load("Map");
    ASSERT_TRUE(item.description);
    EXPECT_EQ(*item.description, (std::vector<std::string>{"Caf\xE9 map", "of the \xABlake\xBB", "end", ""}));
    project.Write("CLIENT/Empty.ITM", "");
    EXPECT_EQ(Load("Empty").description, std::vector<std::string>{});
}

TEST_F(ItemLoadTest, FindsEveryFileWhateverItsLetterCase) {
    project.Write("server/sword.itm", "Type=Ring\r\n");
    project.Write("client/sword.itm", "Sharp.\r\n");
    project.Write("client/sword.bmp", "BM");
    const LoadedItem item = Load("Sword");
    EXPECT_TRUE(item.messages.empty());
    ASSERT_TRUE(item.server);
    EXPECT_EQ(item.server->type, ItemVocabulary::TypeIndex(3));
    EXPECT_EQ(item.iconPath,
              Os::kFileSystemIgnoresCase ? project.Path("CLIENT/Sword.BMP") : project.Path("client/sword.bmp"));
}

TEST_F(ItemLoadTest, AFileThatCannotBeReadCostsOnlyItsOwnPart) {
    project.MakeFolder("SERVER/Sword.ITM");
    project.MakeFolder("CLIENT/Sword.ITM");
    project.MakeFolder("CLIENT/Sword.BMP");
    const LoadedItem folders = Load("Sword");
    const std::string folderInTheWay = "\": a folder of that name stands where the file belongs.";
    EXPECT_EQ(folders.messages,
              (std::vector<std::string>{"Could not read \"" + project.Path("SERVER/Sword.ITM") + folderInTheWay,
                                        "Could not read \"" + project.Path("CLIENT/Sword.ITM") + folderInTheWay,
                                        "Could not read \"" + project.Path("CLIENT/Sword.BMP") + folderInTheWay}));
    EXPECT_EQ(folders.unreadFiles,
              (std::vector<std::string>{project.Path("SERVER/Sword.ITM"), project.Path("CLIENT/Sword.ITM")}))
        << "a save of an existing item never writes its icon, which therefore keeps no save from running";

    project.Write("SERVER/Wide.ITM", std::string("\xFF\xFET\0y\0p\0e\0=\0R\0i\0n\0g\0", 20));
    project.Write("CLIENT/Wide.ITM", std::string("\xFE\xFF\0A", 4));
    const LoadedItem wide = Load("Wide");
    EXPECT_FALSE(wide.server) << "the store does not read UTF-16 text";
    EXPECT_EQ(wide.unreadFiles, std::vector<std::string>{project.Path("SERVER/Wide.ITM")});
    ASSERT_FALSE(wide.messages.empty());
    EXPECT_EQ(wide.messages[0], "Could not read \"" + project.Path("SERVER/Wide.ITM") +
                                    "\": it is UTF-16 text, which the editor does not change.");
    ASSERT_TRUE(wide.description) << "the description that can be kept still loads";
    EXPECT_EQ(DetectTextEncoding(*OpenItem(project.Root(), "Wide").item.description), TextEncoding::Utf16BigEndian);

    project.Write("SERVER/Broken.ITM", "Type=Ring\r\nPrice=5\r\n");
    project.Write("CLIENT/Broken.ITM", "\xFF\xFE\x41");
    const LoadedItem broken = Load("Broken");
    ASSERT_TRUE(broken.server) << "the server data read before is kept";
    EXPECT_EQ(broken.server->price, "5");
    EXPECT_FALSE(broken.description);
    EXPECT_EQ(broken.unreadFiles, std::vector<std::string>{project.Path("CLIENT/Broken.ITM")});

    if (!UnreadableFile::Supported())
        return;
    project.Write("CLIENT/Locked.ITM", "Secret.\r\n");
    project.Write("SERVER/Locked.ITM", "Type=Ring\r\n");
    const UnreadableFile locked(project.Path("CLIENT/Locked.ITM"));
    const LoadedItem unreadable = Load("Locked");
    ASSERT_TRUE(unreadable.server);
    EXPECT_EQ(unreadable.server->type, ItemVocabulary::TypeIndex(3));
    EXPECT_FALSE(unreadable.description);
    EXPECT_EQ(unreadable.unreadFiles, std::vector<std::string>{project.Path("CLIENT/Locked.ITM")});
    ASSERT_EQ(unreadable.messages.size(), 2u) << "the icon is missing too";
    EXPECT_EQ(unreadable.messages[0],
              "Could not read \"" + project.Path("CLIENT/Locked.ITM") + "\": Permission denied.");
}
