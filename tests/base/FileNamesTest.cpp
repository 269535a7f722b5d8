#include "base/FileNames.h"
#include "base/Os.h"

#include <gtest/gtest.h>

TEST(StripExtension, CutsAtTheFirstDot) {
    EXPECT_EQ(StripExtension("Potion.bmp"), "Potion");
    EXPECT_EQ(StripExtension("Sword.Old.bmp"), "Sword");
    EXPECT_EQ(StripExtension("a.b.c"), "a");
    EXPECT_EQ(StripExtension(".hidden"), "");
    EXPECT_EQ(StripExtension("NoDot"), "");
}

TEST(WithTrailingSeparator, AddsTheSeparatorOnce) {
    EXPECT_EQ(WithTrailingSeparator("C:\\Game", '\\'), "C:\\Game\\");
    EXPECT_EQ(WithTrailingSeparator("C:\\Game\\", '\\'), "C:\\Game\\");
    const std::string sep(1, Os::kPathSeparator);
    EXPECT_EQ(WithTrailingSeparator("games" + sep + "quest"), "games" + sep + "quest" + sep);
    EXPECT_EQ(WithTrailingSeparator("quest" + sep), "quest" + sep);
}
