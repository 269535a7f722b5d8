#include "itemdata/ItemVocabulary.h"
#include "base/Os.h"
#include "tests/itemdata/ProjectFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

using namespace ItemVocabulary;

TEST(ItemTypes, TheStoredNamesAreTheTwentyInOrder) {
    const std::vector<std::string> expected = {"Material",     "Potion", "Quest",  "Ring",      "Amulet",
                                               "Belt",         "Bracer", "Earing", "Gloves",    "Neckackle",
                                               "Boots",        "Cape",   "Chest",  "Head",      "LeftHand",
                                               "LeftShoulder", "Leg",    "Mask",   "RightHand", "RightShoulder"};
    EXPECT_EQ(ItemTypes(), expected);
    EXPECT_EQ(PotionKinds(),
              (std::vector<std::string>{"Small Potion MP", "Normal Potion MP", "Small Potion HP", "Normal Potion HP"}));
    ASSERT_EQ(StatKinds().size(), 18u);
    EXPECT_EQ(StatKinds()[0], "Defend+");
    EXPECT_EQ(StatKinds()[9], "Shadow+");
    EXPECT_EQ(StatKinds()[10], "ResPiercing+");
    EXPECT_EQ(StatKinds()[17], "ResShadow+");
    for (const auto& kind : StatKinds())
        EXPECT_EQ(kind.back(), '+') << kind;
    for (const auto& kind : PotionKinds())
        EXPECT_EQ(kind.find('+'), std::string::npos) << kind;
}

TEST(ItemTypes, StoredNamesMatchIgnoringCaseAndNothingElse) {
    EXPECT_EQ(FindItemType("Potion"), TypeIndex(1));
    EXPECT_EQ(FindItemType("potion"), TypeIndex(1));
    EXPECT_EQ(FindItemType("RIGHTSHOULDER"), TypeIndex(19));
    EXPECT_EQ(FindItemType("Ring "), std::nullopt);
    EXPECT_EQ(FindItemType(""), std::nullopt);
    EXPECT_EQ(FindItemType("Necklace"), std::nullopt);
    EXPECT_EQ(TypeName(TypeIndex(3)), "Ring");
    EXPECT_EQ(TypeName(std::nullopt), "");
    EXPECT_EQ(TypeName(TypeIndex(20)), "");
    EXPECT_EQ(TypeName(TypeIndex(-1)), "");
}

TEST(TypeRules, HoldAtTheEdgesOfTheirIndexRanges) {
    EXPECT_EQ(DialogTypeIndex(std::nullopt), 255);
    EXPECT_EQ(DialogTypeIndex(TypeIndex(19)), 19);

    EXPECT_FALSE(AllowsBonuses(TypeIndex(0)));
    EXPECT_TRUE(AllowsBonuses(TypeIndex(1)));
    EXPECT_FALSE(AllowsBonuses(TypeIndex(2)));
    EXPECT_TRUE(AllowsBonuses(TypeIndex(3)));
    EXPECT_TRUE(AllowsBonuses(TypeIndex(19)));
    EXPECT_TRUE(AllowsBonuses(std::nullopt));

    EXPECT_FALSE(NeedsAppearanceFile(TypeIndex(9)));
    EXPECT_TRUE(NeedsAppearanceFile(TypeIndex(10)));
    EXPECT_TRUE(NeedsAppearanceFile(TypeIndex(19)));
    EXPECT_FALSE(NeedsAppearanceFile(std::nullopt));

    EXPECT_TRUE(BonusKindsFor(0).empty());
    EXPECT_EQ(BonusKindsFor(1), PotionKinds());
    EXPECT_TRUE(BonusKindsFor(2).empty());
    EXPECT_EQ(BonusKindsFor(3), StatKinds());
    EXPECT_EQ(BonusKindsFor(9), StatKinds());
    EXPECT_EQ(BonusKindsFor(10), StatKinds());
    EXPECT_EQ(BonusKindsFor(255), StatKinds());
}

TEST(ValueModes, SwitchToPercentAfterTheTenthStatKind) {
    for (std::uint8_t type : {0, 1, 2}) {
        const ValueMode mode = ValueModeFor(type, 0);
        EXPECT_EQ(mode.kind, ValueKind::None);
        EXPECT_STREQ(mode.sign, "");
        EXPECT_EQ(mode.maximum, 0);
    }
    for (std::uint8_t type : {3, 10, 19, 255}) {
        const ValueMode plus = ValueModeFor(type, 9);
        EXPECT_EQ(plus.kind, ValueKind::Plus);
        EXPECT_STREQ(plus.sign, "+");
        EXPECT_EQ(plus.maximum, 100000);
        EXPECT_EQ(plus.maxDigits, 6);
        const ValueMode percent = ValueModeFor(type, 10);
        EXPECT_EQ(percent.kind, ValueKind::Percent);
        EXPECT_STREQ(percent.sign, "%");
        EXPECT_EQ(percent.maximum, 100);
        EXPECT_EQ(percent.maxDigits, 3);
        EXPECT_EQ(ValueModeFor(type, 17).kind, ValueKind::Percent);
        EXPECT_EQ(ValueModeFor(type, 0).kind, ValueKind::Plus);
    }
}

TEST(BonusEntries, EncodeWritesTheValueOnlyForStatTypes) {
    EXPECT_EQ(Encode("Defend+", 0, 5), "Defend+0");
    EXPECT_EQ(Encode("Attack+", 25, 3), "Attack+25");
    EXPECT_EQ(Encode("ResHeat+", 100, 255), "ResHeat+100");
    EXPECT_EQ(Encode("Normal Potion MP", 0, 1), "Normal Potion MP");
    EXPECT_EQ(Encode("Attack+", 25, 2), "Attack+");
    EXPECT_EQ(Encode("Attack+", 25, 0), "Attack+");
}

TEST(BonusEntries, DecodeSplitsAtTheFirstPlus) {
    const DecodedBonus resistance = Decode("ResShadow+100");
    EXPECT_EQ(resistance.kind, "ResShadow+");
    EXPECT_EQ(resistance.value, 100);
    const DecodedBonus potion = Decode("Small Potion MP");
    EXPECT_EQ(potion.kind, "Small Potion MP");
    EXPECT_EQ(potion.value, std::nullopt);
    EXPECT_EQ(Decode("").kind, "");
    EXPECT_EQ(Decode("Attack++5").kind, "Attack+");
    EXPECT_EQ(Decode("Attack++5").value, 5);
    EXPECT_EQ(Decode("Attack+-3").value, -3);
    EXPECT_EQ(Decode("Attack+007").value, 7);
    EXPECT_EQ(Decode("Attack+2147483647").value, 2147483647);
    EXPECT_EQ(Decode("Attack+-2147483648").value, -2147483647 - 1);
}

TEST(BonusEntries, EveryEncodedEntryDecodesBack) {
    for (const auto& kind : StatKinds()) {
        for (int value : {0, 1, 99, 100, 100000}) {
            const DecodedBonus decoded = Decode(Encode(kind, value, 3));
            EXPECT_EQ(decoded.kind, kind);
            EXPECT_EQ(decoded.value, value);
        }
    }
    for (const auto& kind : PotionKinds()) {
        const DecodedBonus decoded = Decode(Encode(kind, 0, 1));
        EXPECT_EQ(decoded.kind, kind);
        EXPECT_EQ(decoded.value, std::nullopt);
    }
}

TEST(BonusEntries, DecodeRejectsATextThatIsNotAWholeInteger) {
    for (const char* entry : {"Attack+", "Attack+12x", "Attack+ 5", "Attack+5 ", "Attack+-", "Attack+0x10",
                              "Attack+1.5", "Attack+2147483648", "Attack+-2147483649", "Attack+99999999999999999999"}) {
        EXPECT_THROW(Decode(entry), std::invalid_argument) << entry;
    }
    try {
        Decode("Attack+12x");
        FAIL() << "12x is no number";
    } catch (const std::invalid_argument& failure) {
        EXPECT_STREQ(failure.what(), "\"12x\" is not a valid integer value");
    }
}

class ClassListTest : public testing::Test {
protected:
    // The list after its first entry, sorted: the file system's own order differs from one system to another.
    static std::vector<std::string> SortedClasses(std::vector<std::string> list) {
        EXPECT_FALSE(list.empty());
        if (list.empty())
            return list;
        EXPECT_EQ(list.front(), "ALL");
        list.erase(list.begin());
        std::sort(list.begin(), list.end());
        return list;
    }

    ProjectFolder project;
};

TEST_F(ClassListTest, IsAllThenTheNamesOfEveryClsEntryInAnyCase) {
    project.Write("SERVER/Warrior.CLS", "");
    project.Write("SERVER/Mage.cls", "");
    project.Write("SERVER/Rogue.Old.CLS", "");
    project.Write("SERVER/Sword.ITM", "");
    project.Write("SERVER/Cleric.CLSX", "");
    project.MakeFolder("SERVER/X.CLS");
    // A folder whose name matches the mask counts as a class, like any file.
    EXPECT_EQ(SortedClasses(ClassList(project.Root())), (std::vector<std::string>{"Mage", "Rogue", "Warrior", "X"}));
}

TEST_F(ClassListTest, FindsALowerCaseServerFolderAndHoldsAllWithoutClasses) {
    project.Write("server/Mage.CLS", "");
    EXPECT_EQ(SortedClasses(ClassList(project.Root())), std::vector<std::string>{"Mage"});
    ProjectFolder empty;
    EXPECT_EQ(ClassList(empty.Root()), std::vector<std::string>{"ALL"});
    empty.MakeFolder("SERVER");
    EXPECT_EQ(ClassList(empty.Root()), std::vector<std::string>{"ALL"});
}

TEST_F(ClassListTest, ListsTheQuestSampleClasses) {
    project.CopyQuest();
    EXPECT_EQ(SortedClasses(ClassList(project.Root())), (std::vector<std::string>{"Mage", "Warrior"}));
}

class WearableCheckTest : public testing::Test {
protected:
    void SetUp() override { project.CopyQuest(); }

    std::string Check(int type, const std::string& className) {
        return WearableCheck(project.Root(), "BronzeHelm", TypeIndex(type), className);
    }

    ProjectFolder project;
};

TEST_F(WearableCheckTest, PassesForAllForAnExistingAppearanceFileAndForTypesUpToNine) {
    EXPECT_EQ(Check(11, "ALL"), "") << "step 1: ALL needs no file";
    EXPECT_EQ(Check(11, "all"), "");
    EXPECT_EQ(Check(13, "Warrior"), "") << "step 2: CLIENT/WarriorBronzeHelm.FAP exists";
    EXPECT_EQ(Check(13, "WARRIOR"), "") << "the appearance file is found whatever its letter case";
    EXPECT_EQ(Check(9, "Mage"), "") << "step 3: types up to Neckackle are not drawn on the character";
    EXPECT_EQ(Check(3, "Mage"), "");
    EXPECT_EQ(WearableCheck(project.Root(), "BronzeHelm", std::nullopt, "Mage"), "") << "no type is no wearable";
}

TEST_F(WearableCheckTest, FailsFromTypeTenWithTheWarningSpelledOut) {
    const std::string clientFolder = project.Root() + "CLIENT" + Os::kPathSeparator;
    const std::string expected = "WARNING! For a wearable item type:\rThe related file \"MageBronzeHelm.FAP\" does not "
                                 "exists on\r" +
                                 clientFolder + "\rto prevent game problem, automatically revert to \"MATERIAL\" type.";
    EXPECT_EQ(Check(10, "Mage"), expected);
    EXPECT_EQ(Check(19, "Mage"), expected);
    EXPECT_EQ(expected.find('\n'), std::string::npos);
    EXPECT_NE(Check(13, ""), "") << "no class selected looks for CLIENT/BronzeHelm.FAP";
}
