#include "base/FileError.h"
#include "itemdata/ItemFiles.h"
#include "tests/itemdata/ProjectFolder.h"
#include "tests/support/TextLines.h"
#include "tests/support/UnreadableFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>

namespace {

// Watches the icon copies through their progress: how many ran to their end, and one made to fail midway as a
// full disk would.
class IconCopyWatch {
public:
    FileSystem::CopyProgress Progress() {
        return [this](std::uint64_t copied, std::uint64_t total) {
            if (failure)
                throw *failure;
            copies += copied == total ? 1 : 0;
        };
    }

    int copies = 0;
    std::optional<FileError> failure;
};

struct FixUpCase {
    std::string price, stack;
    std::string fixedPrice, fixedStack;
    std::vector<std::string> messages;
};

std::ostream& operator<<(std::ostream& out, const FixUpCase& fixUp) {
    return out << "price \"" << fixUp.price << "\", stack \"" << fixUp.stack << "\"";
}

const std::string kPriceMessage = "Price value is empty, set to Price=0";
const std::string kStackMessage = "Stack value is empty or less than 1, set to Stack=1";

const FixUpCase kFixUpCases[] = {
    {"", "", "0", "1", {kPriceMessage, kStackMessage}},
    {"", "5", "0", "5", {kPriceMessage}},
    {"10", "0", "10", "1", {kStackMessage}},
    {"10", "00", "10", "1", {kStackMessage}},
    {"10", "01", "10", "01", {}},
    {"0", "1", "0", "1", {}},
    {" ", " ", " ", " ", {}},
    {"x", "-3", "x", "-3", {}},
    {"10", "0 ", "10", "0 ", {}},
};

class FixUpTest : public testing::TestWithParam<FixUpCase> {};

TEST_P(FixUpTest, SetsEmptyPriceAndLowStackWithTheirMessages) {
    const FixUpCase& fixUp = GetParam();
    std::string price = fixUp.price;
    std::string stack = fixUp.stack;
    std::vector<std::string> messages;
    for (const auto& message : {FixUpPrice(price), FixUpStack(stack)}) {
        if (message)
            messages.push_back(*message);
    }
    EXPECT_EQ(messages, fixUp.messages);
    EXPECT_EQ(price, fixUp.fixedPrice);
    EXPECT_EQ(stack, fixUp.fixedStack);
}

INSTANTIATE_TEST_SUITE_P(PriceAndStack, FixUpTest, testing::ValuesIn(kFixUpCases));

} // namespace

class ItemSaveTest : public testing::Test {
protected:
    EditedItem Item(const std::string& itemName) {
        EditedItem item;
        item.projectRoot = project.Root();
        item.itemName = itemName;
        return item;
    }

    void Save(const EditedItem& item) { SaveItem(item, copier.Progress()); }

    ProjectFolder project;
    IconCopyWatch copier;
};

TEST_F(ItemSaveTest, AnItemWithoutServerFileIsSavedAsExactlyTheFiveKeys) {
    project.CopyQuest();
    ASSERT_FALSE(project.Exists("SERVER/Lamp.ITM"));
    EditedItem item = Item("Lamp");
    item.price.clear();
    item.stack.clear();
    FixUpPrice(item.price);
    FixUpStack(item.stack);
    Save(item);
    EXPECT_EQ(project.Read("SERVER/Lamp.ITM"), "Type=Material\r\nBonus=\r\nPrice=0\r\nClass=\r\nStack=1\r\n");
    EXPECT_EQ(project.Read("CLIENT/Lamp.ITM"), "");
    EXPECT_TRUE(copier.copies == 0);
}

TEST_F(ItemSaveTest, ANewFileHoldsTheFiveKeysInTheirOrder) {
    project.CopyQuest();
    EditedItem item = Item("Band");
    item.type = 3;
    item.className = "ALL";
    item.price = "1500";
    item.bonuses = {"Attack+25", "ResHeat+10"};
    Save(item);
    EXPECT_EQ(project.Read("SERVER/Band.ITM"),
              "Type=Ring\r\nBonus=Attack+25,ResHeat+10\r\nPrice=1500\r\nClass=ALL\r\nStack=1\r\n");
    item.type = std::nullopt;
    Save(item);
    EXPECT_EQ(project.Read("SERVER/Band.ITM"),
              "Type=\r\nBonus=Attack+25,ResHeat+10\r\nPrice=1500\r\nClass=ALL\r\nStack=1\r\n");
}

TEST_F(ItemSaveTest, AnEmptyBonusValueIsAnEmptyListThatSavesUnchangedAndTakesOneEntry) {
    project.CopyQuest();
    Save(Item("Lamp"));
    const std::string first = project.Read("SERVER/Lamp.ITM");
    EXPECT_NE(first.find("\r\nBonus=\r\n"), std::string::npos);
    EditedItem again = OpenItem(project.Root(), "Lamp").item;
    EXPECT_TRUE(again.bonuses.empty());
    Save(again);
    EXPECT_EQ(project.Read("SERVER/Lamp.ITM"), first);
    again.bonuses.push_back("Attack+250");
    Save(again);
    EXPECT_NE(project.Read("SERVER/Lamp.ITM").find("\r\nBonus=Attack+250\r\n"), std::string::npos);
}

TEST_F(ItemSaveTest, AnExistingFileKeepsItsOtherLinesInPlaceAndGainsMissingKeysInOrder) {
    project.Write("SERVER/Draught.ITM", "type=Potion\r\nWeight=3\r\n; brewed in spring\r\nSTACK=4\r\n");
    project.MakeFolder("CLIENT");
    EditedItem item = OpenItem(project.Root(), "Draught").item;
    ASSERT_EQ(item.type, ItemVocabulary::TypeIndex(1));
    FixUpPrice(item.price);
    item.bonuses = {"Small Potion HP"};
    Save(item);
    EXPECT_EQ(project.Read("SERVER/Draught.ITM"), "Type=Potion\r\nWeight=3\r\n; brewed in spring\r\nStack=4\r\n"
                                                  "Bonus=Small Potion HP\r\nPrice=0\r\nClass=\r\n");
}

TEST_F(ItemSaveTest, ANewStaffFromAPickedPictureWritesThreeFiles) {
    project.CopyQuest();
    const std::vector<std::string> initialDescription = {
        "Write description of current item, this ", "desciption will appear when player ",
        "select this item in game. Player like ", "to know story or explanation of an ", "item..."};
    EditedItem item = Item("Staff");
    item.pickedPicture = project.Path("RESOURCES/Staff.bmp");
    item.description = CrLfText(initialDescription);
    Save(item);
    EXPECT_TRUE(project.Exists("SERVER/Staff.ITM"));
    EXPECT_EQ(project.Read("CLIENT/Staff.ITM"), CrLfText(initialDescription));
    EXPECT_EQ(copier.copies, 1);
    EXPECT_EQ(project.Read("CLIENT/Staff.BMP"), project.Read("RESOURCES/Staff.bmp"));
    const OpenedItem reloaded = OpenItem(project.Root(), "Staff");
    EXPECT_TRUE(reloaded.messages.empty());
    ASSERT_TRUE(reloaded.item.description);
    EXPECT_EQ(SplitLines(*reloaded.item.description), initialDescription);
}

TEST_F(ItemSaveTest, ThePickedPictureIsCopiedEvenWhenItsNameHasTwoDots) {
    project.MakeFolder("SERVER");
    project.MakeFolder("CLIENT");
    project.Write("RESOURCES/Long.Sword.bmp", "BM long sword");
    project.Write("RESOURCES/Long.bmp", "BM another picture");
    EditedItem item = Item("Long");
    item.pickedPicture = project.Path("RESOURCES/Long.Sword.bmp");
    Save(item);
    EXPECT_EQ(project.Read("CLIENT/Long.BMP"), "BM long sword");
}

TEST_F(ItemSaveTest, APickedPictureThatIsGoneOrIsTheTargetIsNotCopied) {
    project.MakeFolder("SERVER");
    project.Write("CLIENT/Staff.BMP", "BM old");
    EditedItem item = Item("Staff");
    item.pickedPicture = project.Path("RESOURCES/Staff.bmp");
    Save(item);
    EXPECT_TRUE(copier.copies == 0) << "the picked file no longer exists";
    item.pickedPicture = project.Path("client/staff.bmp");
    Save(item);
    EXPECT_TRUE(copier.copies == 0) << "the picked file already is the item's icon";
    EXPECT_EQ(project.Read("CLIENT/Staff.BMP"), "BM old");
    EXPECT_TRUE(project.Exists("CLIENT/Staff.ITM"));
}

TEST_F(ItemSaveTest, TheIconReplacesACaseVariantInsteadOfStandingBesideIt) {
    project.MakeFolder("server");
    project.Write("client/staff.bmp", "BM old");
    project.Write("RESOURCES/STAFF.BMP", "BM new");
    EditedItem item = Item("Staff");
    item.pickedPicture = project.Path("resources/staff.bmp");
    Save(item);
    EXPECT_EQ(project.Entries("client"), (std::vector<std::string>{"Staff.ITM", "staff.bmp"}));
    EXPECT_EQ(project.Read("client/staff.bmp"), "BM new");
    EXPECT_EQ(project.Entries(""), (std::vector<std::string>{"RESOURCES", "client", "server"}));
}

TEST_F(ItemSaveTest, AWindows1252DescriptionComesBackByteForByte) {
    project.CopyQuest();
    const std::string bytes = "Caf\xE9 cr\xE8me \x80 5\r\n\xAB"
                              "Ancient\xBB map \x96 na\xEFve\r\n";
    project.Write("CLIENT/AncientMap.ITM", bytes);
    const EditedItem item = OpenItem(project.Root(), "AncientMap").item;
    ASSERT_TRUE(item.description);
    Save(item);
    EXPECT_EQ(project.Read("CLIENT/AncientMap.ITM"), bytes);
}

TEST_F(ItemSaveTest, AProjectWithoutServerFolderFailsFirstAndTouchesNothing) {
    project.Write("CLIENT/Sword.ITM", "Old description.\r\n");
    project.Write("RESOURCES/Sword.bmp", "BM");
    EditedItem item = Item("Sword");
    item.pickedPicture = project.Path("RESOURCES/Sword.bmp");
    item.description = CrLfText(std::vector<std::string>{"New description."});
    try {
        Save(item);
        FAIL() << "the server file cannot be written";
    } catch (const FileError& failure) {
        EXPECT_EQ(failure.FileName(), project.Path("SERVER/Sword.ITM"));
    }
    EXPECT_EQ(project.Entries(""), (std::vector<std::string>{"CLIENT", "RESOURCES"}));
    EXPECT_EQ(project.Entries("CLIENT"), std::vector<std::string>{"Sword.ITM"});
    EXPECT_EQ(project.Read("CLIENT/Sword.ITM"), "Old description.\r\n");
    EXPECT_TRUE(copier.copies == 0);
}

TEST_F(ItemSaveTest, AFailureWhileWritingLeavesEachFileWholeAndNamesTheFilesAlreadySaved) {
    project.MakeFolder("SERVER");
    project.Write("CLIENT/Sword.ITM", "Old description.\r\n");
    project.Write("RESOURCES/Sword.bmp", "BM");
    EditedItem item = Item("Sword");
    item.pickedPicture = project.Path("RESOURCES/Sword.bmp");
    item.description = CrLfText(std::vector<std::string>{"New description."});
    copier.failure = FileError("copy to", project.Path("CLIENT/Sword.BMP"), "No space left on device");
    try {
        Save(item);
        FAIL() << "the copy fails";
    } catch (const FileError& failure) {
        EXPECT_EQ(std::string(failure.what()), "Could not copy to \"" + project.Path("CLIENT/Sword.BMP") +
                                                   "\": No space left on device. Already saved: \"" +
                                                   project.Path("SERVER/Sword.ITM") +
                                                   "\"; the item's other files are as they were.");
    }
    EXPECT_FALSE(project.Exists("CLIENT/Sword.BMP")) << "the icon stopped midway is not there, nor its temporary";
    EXPECT_EQ(project.Entries("CLIENT"), std::vector<std::string>{"Sword.ITM"});
    EXPECT_TRUE(project.Exists("SERVER/Sword.ITM")) << "the server file stays written";
    EXPECT_EQ(project.Read("CLIENT/Sword.ITM"), "Old description.\r\n") << "the description is not written";

    copier.failure.reset();
    Save(item);
    EXPECT_EQ(project.Read("CLIENT/Sword.BMP"), "BM");
    EXPECT_EQ(project.Read("CLIENT/Sword.ITM"), "New description.\r\n") << "a later save succeeds";
}

TEST_F(ItemSaveTest, WhatCanBeKnownBeforeWritingStopsTheSaveWithNothingWritten) {
    project.MakeFolder("SERVER");
    EditedItem sword = Item("Sword");
    sword.description = CrLfText(std::vector<std::string>{"Sharp."});
    EXPECT_THROW(Save(sword), FileError) << "an existing item's description has no folder";
    EXPECT_EQ(project.Entries(""), std::vector<std::string>{"SERVER"});
    EXPECT_TRUE(project.Entries("SERVER").empty());

    project.Write("RESOURCES/Staff.bmp", "BM staff");
    EditedItem staff = Item("Staff");
    staff.pickedPicture = project.Path("RESOURCES/Staff.bmp");
    Save(staff);
    EXPECT_EQ(project.Read("CLIENT/Staff.BMP"), "BM staff") << "a new item's icon copy makes the folder";
    EXPECT_TRUE(project.Exists("CLIENT/Staff.ITM"));

    project.Write("CLIENT/Sword.ITM", "Old.\r\n");
    project.BlockSaveOf("CLIENT/Sword.ITM");
    EXPECT_THROW(Save(sword), FileError) << "a read-only description";
    EXPECT_TRUE(project.Entries("SERVER").size() == 1u) << "no server file for the sword";

    if (!UnreadableFile::Supported())
        return;
    project.Write("RESOURCES/Wand.bmp", "BM wand");
    const UnreadableFile locked(project.Path("RESOURCES/Wand.bmp"));
    EditedItem wand = Item("Wand");
    wand.pickedPicture = project.Path("RESOURCES/Wand.bmp");
    try {
        Save(wand);
        FAIL() << "the picked picture cannot be read";
    } catch (const FileError& failure) {
        EXPECT_EQ(failure.FileName(), project.Path("RESOURCES/Wand.bmp"));
    }
    EXPECT_FALSE(project.Exists("SERVER/Wand.ITM"));
    EXPECT_FALSE(project.Exists("CLIENT/Wand.ITM"));
    EXPECT_TRUE(copier.copies == 1) << "only the staff's icon was ever copied";
}

TEST_F(ItemSaveTest, NothingIsWrittenOverAFileThatCouldNotBeReadOrIntoAFolderInTheIconsPlace) {
    project.Write("SERVER/Sword.ITM", "Type=Ring\r\nPrice=9\r\n");
    project.Write("CLIENT/Sword.ITM", "Unread.\r\n");
    EditedItem item = Item("Sword");
    item.description = "Defaults.\r\n";
    item.unreadFiles = {project.Path("CLIENT/Sword.ITM")};
    try {
        Save(item);
        FAIL() << "a file that could not be read must not be replaced";
    } catch (const FileError& failure) {
        EXPECT_EQ(failure.FileName(), project.Path("CLIENT/Sword.ITM"));
    }
    EXPECT_EQ(project.Read("SERVER/Sword.ITM"), "Type=Ring\r\nPrice=9\r\n") << "not even the readable files change";
    EXPECT_EQ(project.Read("CLIENT/Sword.ITM"), "Unread.\r\n");

    project.Write("RESOURCES/Staff.bmp", "BM");
    project.MakeFolder("CLIENT/Staff.BMP");
    EditedItem staff = Item("Staff");
    staff.pickedPicture = project.Path("RESOURCES/Staff.bmp");
    EXPECT_THROW(Save(staff), FileError);
    EXPECT_TRUE(copier.copies == 0) << "the icon is never copied into a folder standing in its place";
    EXPECT_FALSE(project.Exists("SERVER/Staff.ITM")) << "nor is anything else of the item written";
    EXPECT_TRUE(project.Entries("CLIENT/Staff.BMP").empty());
}

TEST_F(ItemSaveTest, ANameIsTakenByAnItemsServerDataOrDescriptionWhateverTheirCase) {
    project.Write("server/rubyring.itm", "Type=Ring\r\n");
    project.Write("CLIENT/Lore.ITM", "A lone description.\r\n");
    project.Write("CLIENT/Staff.BMP", "BM");
    EXPECT_TRUE(ItemNameTaken(project.Root(), "RubyRing"));
    EXPECT_TRUE(ItemNameTaken(project.Root(), "Lore"));
    EXPECT_FALSE(ItemNameTaken(project.Root(), "Staff")) << "an icon alone is no item";
}
