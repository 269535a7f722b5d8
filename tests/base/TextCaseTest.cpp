#include "base/TextCase.h"

#include <gtest/gtest.h>

TEST(IndexIgnoringCase, FindsTheFirstNameEqualToItInAnyCase) {
    const std::vector<std::string> names = {"Mage", "Warrior", "MAGE", "Small Potion HP"};
    EXPECT_EQ(IndexIgnoringCase(names, "Mage"), 0u);
    EXPECT_EQ(IndexIgnoringCase(names, "mAGE"), 0u) << "the first of two case variants";
    EXPECT_EQ(IndexIgnoringCase(names, "WARRIOR"), 1u);
    EXPECT_EQ(IndexIgnoringCase(names, "small potion hp"), 3u);
    EXPECT_EQ(IndexIgnoringCase(names, "Warrior "), std::nullopt);
    EXPECT_EQ(IndexIgnoringCase(names, "Warrio"), std::nullopt);
    EXPECT_EQ(IndexIgnoringCase(names, ""), std::nullopt);
    EXPECT_EQ(IndexIgnoringCase({}, "Mage"), std::nullopt);
    EXPECT_EQ(IndexIgnoringCase({"Mage", ""}, ""), 1u);
}
