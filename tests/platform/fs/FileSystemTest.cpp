#include "FileSystem.h"
#include "FileError.h"
#include "Os.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace FileSystem;

TEST(StoredPath, FindsEveryPartWhateverItsCase) {
    TempFolder project;
    project.Write("server/sword.itm", "Type=Ring\r\n");
    const std::string asked = project.Path("SERVER/Sword.ITM");
    EXPECT_TRUE(FileExists(asked));
    EXPECT_EQ(ReadFile(asked), "Type=Ring\r\n");
    // Windows finds the file by itself and keeps the path as asked; elsewhere each part is looked up on disk.
    EXPECT_EQ(StoredPath(asked), Os::kFileSystemIgnoresCase ? asked : project.Path("server/sword.itm"));
}

TEST(StoredPath, KeepsMissingPartsAsWrittenAndDoubledSeparators) {
    TempFolder project;
    project.MakeFolder("client");
    const std::string sep(1, Os::kPathSeparator);
    const std::string stored = StoredPath(project.Root() + sep + "CLIENT" + sep + "New.BMP");
    const std::string expected =
        project.Root() + sep + (Os::kFileSystemIgnoresCase ? "CLIENT" : "client") + sep + "New.BMP";
    EXPECT_EQ(stored, expected);
}

TEST(FileExists, IsTrueForFilesOnly) {
    TempFolder project;
    project.MakeFolder("SERVER/X.CLS");
    project.Write("SERVER/Mage.cls", "");
    EXPECT_FALSE(FileExists(project.Path("SERVER/X.CLS")));
    EXPECT_TRUE(FolderExists(project.Path("server")));
    EXPECT_TRUE(FileExists(project.Path("SERVER/MAGE.CLS")));
    EXPECT_FALSE(FileExists(project.Path("SERVER/Warrior.CLS")));
}

TEST(WriteFileSafely, ReplacesAnExistingCaseVariantInPlace) {
    TempFolder project;
    project.Write("server/sword.itm", "old");
    WriteFileSafely(project.Path("SERVER/Sword.ITM"), "new\r\n");
    EXPECT_EQ(project.Read("server/sword.itm"), "new\r\n");
    EXPECT_EQ(ListFolder(project.Path("server")).size(), 1u) << "no second file differing only in case";
}

TEST(WriteFileSafely, FailsWithTheFileNamedAndLeavesNothingBehind) {
    TempFolder project;
    const std::string missing = project.Path("SERVER/Sword.ITM");
    try {
        WriteFileSafely(missing, "x");
        FAIL() << "a save into a missing folder must fail";
    } catch (const FileError& failure) {
        EXPECT_NE(std::string(failure.what()).find(missing), std::string::npos);
        EXPECT_EQ(failure.FileName(), missing);
    }
    project.MakeFolder("CLIENT/Sword.ITM");
    EXPECT_THROW(WriteFileSafely(project.Path("CLIENT/Sword.ITM"), "x"), FileError);
    EXPECT_EQ(ListFolder(project.Path("CLIENT")).size(), 1u) << "no temporary file left behind";
}

TEST(ReadFile, FailsForMissingFilesAndFolders) {
    TempFolder project;
    project.MakeFolder("CLIENT");
    EXPECT_THROW(ReadFile(project.Path("nothing.txt")), FileError);
    EXPECT_THROW(ReadFile(project.Path("CLIENT")), FileError);
}

TEST(MatchesMask, FollowsTheWildcardRulesIgnoringCase) {
    EXPECT_TRUE(MatchesMask("Mage.cls", "*.CLS"));
    EXPECT_TRUE(MatchesMask("Warrior.CLS", "*.CLS"));
    EXPECT_TRUE(MatchesMask("a.b.CLS", "*.CLS"));
    EXPECT_FALSE(MatchesMask("Mage.clsx", "*.CLS"));
    EXPECT_FALSE(MatchesMask("MageCLS", "*.CLS"));
    EXPECT_TRUE(MatchesMask("ab", "a?"));
    EXPECT_FALSE(MatchesMask("abc", "a?"));
    EXPECT_TRUE(MatchesMask("anything", "*"));
    EXPECT_TRUE(MatchesMask("xaaab", "*a*b"));
}
