#include "base/UMisc.h"
#include "base/Os.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(StripExtension, CutsAtTheFirstDot) {
    EXPECT_EQ(StripExtension("Potion.bmp"), "Potion");
    EXPECT_EQ(StripExtension("Sword.Old.bmp"), "Sword");
    EXPECT_EQ(StripExtension("a.b.c"), "a");
    EXPECT_EQ(StripExtension(".hidden"), "");
    EXPECT_EQ(StripExtension("NoDot"), "");
}

TEST(AddTrailingBackslash, AddsThePlatformSeparatorOnce) {
    EXPECT_EQ(AddTrailingSeparator("C:\\Game", '\\'), "C:\\Game\\");
    EXPECT_EQ(AddTrailingSeparator("C:\\Game\\", '\\'), "C:\\Game\\");
    const std::string sep(1, Os::kPathSeparator);
    EXPECT_EQ(AddTrailingBackslash("games" + sep + "quest"), "games" + sep + "quest" + sep);
    EXPECT_EQ(AddTrailingBackslash("quest" + sep), "quest" + sep);
}

class ListFilesTest : public testing::Test {
protected:
    void SetUp() override {
        project.Write("SERVER/Warrior.CLS", "");
        project.Write("SERVER/Mage.cls", "");
        project.Write("SERVER/Sword.ITM", "");
        project.MakeFolder("SERVER/Guild.CLS");
    }

    std::vector<std::string> List(int attributes, bool pairs, bool existingOnly, bool withFolder, bool namesOnly) {
        std::vector<std::string> lines = {"stale line"};
        ListFiles(project.Path("SERVER/*.CLS"), attributes, lines, pairs, existingOnly, withFolder, namesOnly);
        std::sort(lines.begin(), lines.end());
        return lines;
    }

    std::string Folder() { return project.Path("SERVER/"); }

    TempFolder project;
};

TEST_F(ListFilesTest, NamesOnlyAsTheClassListAsksForThem) {
    EXPECT_EQ(List(63, false, false, false, true), (std::vector<std::string>{"Guild", "Mage", "Warrior"}));
    EXPECT_EQ(List(63, false, true, false, true), (std::vector<std::string>{"Mage", "Warrior"}));
}

TEST_F(ListFilesTest, EachLineRule) {
    EXPECT_EQ(List(0, false, false, false, false), (std::vector<std::string>{"Mage.cls", "Warrior.CLS"}));
    EXPECT_EQ(List(0, true, false, true, false),
              (std::vector<std::string>{"Mage.cls=" + Folder(), "Warrior.CLS=" + Folder()}));
    EXPECT_EQ(List(0, false, false, true, false),
              (std::vector<std::string>{Folder() + "Mage.cls", Folder() + "Warrior.CLS"}));
}

TEST_F(ListFilesTest, KeepsTheFileSystemOrderAndEmptiesForNoMatch) {
    std::vector<std::string> lines = {"stale"};
    ListFiles(project.Path("SERVER/*.XYZ"), 63, lines, false, false, false, true);
    EXPECT_TRUE(lines.empty());
    ListFiles(project.Path("MISSING/*.CLS"), 63, lines, false, false, false, true);
    EXPECT_TRUE(lines.empty());
}
