#include "itemdata/BonusList.h"

#include <gtest/gtest.h>

TEST(BonusList, SplitsAtEveryCommaKeepingEmptyEntriesButTheEmptyValueIsNoEntry) {
    using List = std::vector<std::string>;
    EXPECT_EQ(SplitBonuses(""), List{});
    EXPECT_EQ(SplitBonuses("Attack+25"), List{"Attack+25"});
    EXPECT_EQ(SplitBonuses("Attack+25,ResHeat+10"), (List{"Attack+25", "ResHeat+10"}));
    EXPECT_EQ(SplitBonuses("A,,B"), (List{"A", "", "B"}));
    EXPECT_EQ(SplitBonuses("A,"), (List{"A", ""}));
    EXPECT_EQ(SplitBonuses(",A"), (List{"", "A"}));
    EXPECT_EQ(SplitBonuses(","), (List{"", ""}));
    EXPECT_EQ(SplitBonuses("Small Potion HP, Attack+5"), (List{"Small Potion HP", " Attack+5"}));
}

TEST(BonusList, JoiningGivesTheStoredValueBack) {
    EXPECT_EQ(JoinBonuses({}), "");
    EXPECT_EQ(JoinBonuses({""}), "");
    EXPECT_EQ(JoinBonuses({"Attack+25", "ResHeat+10"}), "Attack+25,ResHeat+10");
    for (const char* value : {"", "A,,B", ",", "A,", "Normal Potion MP,Defend+0"})
        EXPECT_EQ(JoinBonuses(SplitBonuses(value)), value);
}

TEST(BonusList, TenThousandEntriesSplitAndJoinUnchanged) {
    std::string value;
    for (int i = 0; i < 10000; ++i) {
        if (i > 0)
            value += ',';
        if (i % 7 != 0)
            value += "Attack+" + std::to_string(i);
    }
    const std::vector<std::string> bonuses = SplitBonuses(value);
    ASSERT_EQ(bonuses.size(), 10000u);
    EXPECT_EQ(bonuses[0], "");
    EXPECT_EQ(bonuses[9999], "Attack+9999");
    EXPECT_EQ(JoinBonuses(bonuses), value);
}
