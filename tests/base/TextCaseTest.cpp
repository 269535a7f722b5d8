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

TEST(SameTextIgnoringCase, ComparesCharactersAsWindowsComparesFileNames) {
    // Katakana a (U+30A2) and di (U+30C2) differ only in the case of their second byte in code page 932.
    EXPECT_FALSE(SameTextIgnoringCase("\xE3\x82\xA2", "\xE3\x83\x82"));
    EXPECT_TRUE(SameTextIgnoringCase("\xC3\xA9p\xC3\xA9"
                                     "e",
                                     "\xC3\x89P\xC3\x89"
                                     "E"))
        << "épée, ÉPÉE";
    EXPECT_TRUE(SameTextIgnoringCase("\xD0\xBC\xD0\xB0\xD0\xB3", "\xD0\x9C\xD0\x90\xD0\x93")) << "маг, МАГ";
    EXPECT_TRUE(SameTextIgnoringCase("\xC5\x93uf", "\xC5\x92UF")) << "œuf, ŒUF";
    EXPECT_TRUE(
        SameTextIgnoringCase("\xCE\xBC\xCE\xAC\xCE\xB3\xCE\xBF\xCF\x82", "\xCE\x9C\xCE\x86\xCE\x93\xCE\x9F\xCE\xA3"))
        << "μάγος, ΜΆΓΟΣ";
    EXPECT_TRUE(SameTextIgnoringCase("\xEF\xBD\x81", "\xEF\xBC\xA1")) << "full-width a, A";
    EXPECT_FALSE(SameTextIgnoringCase("\xC3\xA9", "E")) << "an accent is no letter case";
    EXPECT_EQ(IndexIgnoringCase({"ALL", "\xE6\x88\xA6\xE5\xA3\xAB"}, "\xE6\x88\xA6\xE5\xA3\xAB"), 1u)
        << "a class named in kanji";
}
