#include "base/FileSystem.h"
#include "base/FileError.h"
#include "base/Os.h"
#include "base/TextEncoding.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

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

TEST(CopyFile, MakesTheFolderReplacesACaseVariantTellsItsProgressAndNamesWhatFailed) {
    TempFolder files;
    files.Write("RESOURCES/Staff.bmp", "BM staff picture");
    std::uint64_t copied = 0, total = 0;
    const CopyProgress progress = [&](std::uint64_t done, std::uint64_t all) {
        copied = done;
        total = all;
    };
    CopyFile(files.Path("RESOURCES/Staff.bmp"), files.Path("CLIENT/Staff.BMP"), progress);
    EXPECT_EQ(files.Read("CLIENT/Staff.BMP"), "BM staff picture") << "the missing folder is made";
    EXPECT_EQ(copied, total);
    EXPECT_EQ(total, 16u);

    files.Write("icons/sword.bmp", "old picture");
    CopyFile(files.Path("RESOURCES/Staff.bmp"), files.Path("ICONS/Sword.BMP"), nullptr);
    EXPECT_EQ(files.Read("icons/sword.bmp"), "BM staff picture");
    EXPECT_EQ(files.Exists("ICONS"), Os::kFileSystemIgnoresCase) << "no second folder beside the one in another case";

    try {
        CopyFile(files.Path("RESOURCES/Gone.bmp"), files.Path("CLIENT/Gone.BMP"), nullptr);
        FAIL() << "a missing picture cannot be copied";
    } catch (const FileError& failure) {
        EXPECT_EQ(failure.FileName(), files.Path("RESOURCES/Gone.bmp"));
    }
    EXPECT_FALSE(files.Exists("CLIENT/Gone.BMP"));
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

namespace {

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(NamesMatching, GivesEveryEntryTheMaskMatchesInAnyCase) {
    TempFolder project;
    project.Write("SERVER/Warrior.CLS", "");
    project.Write("SERVER/Mage.cls", "");
    project.Write("SERVER/.Old.CLS", "");
    project.Write("SERVER/Sword.ITM", "");
    project.MakeFolder("SERVER/Guild.CLS");
    const std::vector<std::string> expected = {".Old.CLS", "Guild.CLS", "Mage.cls", "Warrior.CLS"};
    EXPECT_EQ(Sorted(NamesMatching(project.Path("SERVER/"), "*.CLS")), expected);
    EXPECT_EQ(Sorted(NamesMatching(project.Path("server/"), "*.cls")), expected) << "the folder found in any case";
}

TEST(NamesMatching, IsEmptyForNoMatchAndForAMissingFolder) {
    TempFolder project;
    project.Write("SERVER/Warrior.CLS", "");
    EXPECT_TRUE(NamesMatching(project.Path("SERVER/"), "*.XYZ").empty());
    EXPECT_TRUE(NamesMatching(project.Path("MISSING/"), "*.CLS").empty());
}

namespace {

// Links and access rights as other systems than Windows keep them on every file.
class PosixFileSave : public testing::Test {
protected:
    void SetUp() override {
        if (Os::kPathSeparator == '\\')
            GTEST_SKIP() << "not on Windows: links and access rights of that kind need another system";
    }

    static std::filesystem::perms Rights(const std::string& path) {
        return std::filesystem::status(path).permissions() & std::filesystem::perms::mask;
    }

    TempFolder project;
    TempFolder elsewhere;
};

} // namespace

TEST_F(PosixFileSave, KeepsTheFilesRightsAndWhereItsLinkPoints) {
    namespace fs = std::filesystem;
    project.Write("SERVER/Private.ITM", "old");
    fs::permissions(project.Path("SERVER/Private.ITM"), fs::perms::owner_read | fs::perms::owner_write);
    WriteFileSafely(project.Path("SERVER/Private.ITM"), "new");
    EXPECT_EQ(project.Read("SERVER/Private.ITM"), "new");
    EXPECT_EQ(Rights(project.Path("SERVER/Private.ITM")), fs::perms::owner_read | fs::perms::owner_write);

    elsewhere.Write("Shared.ITM", "old");
    fs::create_symlink(elsewhere.Path("Shared.ITM"), project.Path("SERVER/Shared.ITM"));
    WriteFileSafely(project.Path("SERVER/Shared.ITM"), "new");
    EXPECT_TRUE(fs::is_symlink(project.Path("SERVER/Shared.ITM"))) << "the link keeps pointing where it pointed";
    EXPECT_EQ(elsewhere.Read("Shared.ITM"), "new");

    elsewhere.Write("Outside.BMP", "outside");
    fs::create_symlink(elsewhere.Path("Outside.BMP"), project.Path("SERVER/Icon.BMP"));
    WriteFileSafely(project.Path("SERVER/Icon.BMP"), "icon", AtLink::ReplaceIt);
    EXPECT_FALSE(fs::is_symlink(project.Path("SERVER/Icon.BMP"))) << "the link is replaced by the file itself";
    EXPECT_EQ(project.Read("SERVER/Icon.BMP"), "icon");
    EXPECT_EQ(elsewhere.Read("Outside.BMP"), "outside");
    CopyFile(project.Path("SERVER/Shared.ITM"), project.Path("SERVER/Icon.BMP"), nullptr);
    EXPECT_EQ(elsewhere.Read("Outside.BMP"), "outside") << "a copy, too, replaces the link at its name";
    EXPECT_EQ(ListFolder(project.Path("SERVER")).size(), 3u) << "no temporary file left behind";
    EXPECT_EQ(ListFolder(elsewhere.Root()).size(), 2u) << "nothing was written beside a link's target";
}

TEST_F(PosixFileSave, ALinkPlantedWhereATemporaryFileCouldGoRedirectsNothing) {
    namespace fs = std::filesystem;
    project.Write("SERVER/Sword.ITM", "old");
    elsewhere.Write("victim", "untouched");
    // Every name a predictable temporary file could take: the file's own name with a suffix, in its folder.
    for (const std::string& suffix : {std::string(".tmp"), ".~" + std::to_string(getpid()) + ".tmp", std::string("~")})
        fs::create_symlink(elsewhere.Path("victim"), project.Path("SERVER/Sword.ITM" + suffix));
    WriteFileSafely(project.Path("SERVER/Sword.ITM"), "new");
    EXPECT_EQ(project.Read("SERVER/Sword.ITM"), "new");
    EXPECT_EQ(elsewhere.Read("victim"), "untouched");
}

TEST(WriteFileSafely, RefusesAReadOnlyFileAndSavesTheLongestNameTheSystemTakes) {
    namespace fs = std::filesystem;
    TempFolder project;
    project.Write("SERVER/Locked.ITM", "old");
    fs::permissions(project.Path("SERVER/Locked.ITM"), fs::perms::owner_read | fs::perms::group_read);
    try {
        WriteFileSafely(project.Path("SERVER/Locked.ITM"), "new");
        FAIL() << "a read-only file must not be replaced";
    } catch (const FileError& failure) {
        EXPECT_EQ(std::string(failure.what()),
                  "Could not save \"" + project.Path("SERVER/Locked.ITM") + "\": the file is read-only.");
    }
    EXPECT_EQ(project.Read("SERVER/Locked.ITM"), "old");

    // A name as long as the file system takes (Windows limits the whole path instead): the temporary file's name
    // must not grow with it.
    const std::string longest = std::string(Os::kPathSeparator == '\\' ? 120 : 251, 'L') + ".ITM";
    project.Write("SERVER/" + longest, "old");
    WriteFileSafely(project.Path("SERVER/" + longest), "new");
    EXPECT_EQ(project.Read("SERVER/" + longest), "new");
    EXPECT_EQ(ListFolder(project.Path("SERVER")).size(), 2u) << "no temporary file left behind";
}

TEST(DetectTextEncoding, KeepsUtf16OnlyWhenEveryCharacterIsWhole) {
    const std::string little("\xFF\xFE"
                             "A\0\x3D\xD8\x00\xDE",
                             8);
    const std::string big("\xFE\xFF\0A\xD8\x3D\xDE\x00", 8);
    EXPECT_EQ(DetectTextEncoding(little), TextEncoding::Utf16LittleEndian);
    EXPECT_EQ(DetectTextEncoding(big), TextEncoding::Utf16BigEndian);
    EXPECT_EQ(DetectTextEncoding(little + "B"), TextEncoding::Unkeepable) << "an odd byte at the end";
    EXPECT_EQ(DetectTextEncoding(little.substr(0, 6)), TextEncoding::Unkeepable) << "a high surrogate alone";
    EXPECT_EQ(DetectTextEncoding(std::string("\xFF\xFE\x00\xDC", 4)), TextEncoding::Unkeepable) << "a low one alone";
    for (const std::string& codePage : {std::string(), std::string("\xFF"), std::string("Caf\xE9\r\n"),
                                        std::string("\xEF\xBB\xBFUTF-8"), std::string("\xFE")})
        EXPECT_EQ(DetectTextEncoding(codePage), TextEncoding::CodePage);
}
