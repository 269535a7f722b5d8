#include "base/CommandLine.h"
#include "base/Os.h"
#include "base/UMisc.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

// The file utilities and the command line with the platform's own path style, as the suite hands paths over on
// Windows: drive letters, backslashes, folder names in any letter case.

namespace {

// Runs only in the Windows build; elsewhere the skip says why.
class WindowsPaths : public testing::Test {
protected:
    void SetUp() override {
        if (Os::kPathSeparator != '\\')
            GTEST_SKIP() << "Windows only: the Windows path style, run by scripts/test-windows.sh";
    }

    static CommandLine Read(const std::vector<std::string>& arguments) {
        const auto commandLine = ReadCommandLine(arguments, PathStyle::Native());
        EXPECT_TRUE(commandLine.has_value());
        return commandLine.value_or(CommandLine{});
    }

    std::vector<std::string> Sorted(std::vector<std::string> lines) {
        std::sort(lines.begin(), lines.end());
        return lines;
    }
};

} // namespace

TEST_F(WindowsPaths, AddTrailingBackslashAddsABackslash) {
    EXPECT_EQ(AddTrailingBackslash("C:\\Game"), "C:\\Game\\");
    EXPECT_EQ(AddTrailingBackslash("C:\\Game\\"), "C:\\Game\\");
    EXPECT_EQ(AddTrailingBackslash("C:/Game"), "C:/Game\\");
}

TEST_F(WindowsPaths, TheNativeCommandLineEndsAFolderAtABackslashASlashOrADrive) {
    EXPECT_EQ(Read({"C:\\My", "Games\\Proj"}).ProjectRoot, "C:\\My Games\\Proj\\");
    EXPECT_EQ(Read({"C:\\Proj"}).ProjectRoot, "C:\\Proj\\");
    const CommandLine sword = Read({"C:\\Proj\\Sword.itm"});
    EXPECT_EQ(sword.ProjectRoot, "C:\\Proj\\");
    EXPECT_EQ(sword.ItemName, "Sword");
    const CommandLine onDrive = Read({"D:Ring.ITM"});
    EXPECT_EQ(onDrive.ProjectRoot, "D:");
    EXPECT_EQ(onDrive.ItemName, "Ring");
    const CommandLine share = Read({"\\\\server\\games\\Quest\\Long.Sword.ITM"});
    EXPECT_EQ(share.ProjectRoot, "\\\\server\\games\\Quest\\");
    EXPECT_EQ(share.ItemName, "Long");
}

TEST_F(WindowsPaths, AProjectFolderFromTheCommandLineReachesItsFiles) {
    TempFolder project;
    project.Write("server/sword.itm", "Type=Ring\r\n");
    std::string folder = project.Root();
    folder.pop_back();
    const CommandLine commandLine = Read({folder});
    EXPECT_EQ(commandLine.ProjectRoot, project.Root());
    std::vector<std::string> lines;
    ListFiles(commandLine.ProjectRoot + "SERVER\\*.ITM", 63, lines, false, false, false, true);
    EXPECT_EQ(lines, std::vector<std::string>{"sword"});
}

TEST_F(WindowsPaths, ListFilesMatchesTheMaskInAnyCaseAndKeepsTheStoredNames) {
    TempFolder project;
    project.Write("server/Warrior.CLS", "");
    project.Write("server/Mage.cls", "");
    project.Write("server/rogue.Cls", "");
    project.Write("server/Sword.ITM", "");
    const std::string folder = project.Root() + "SERVER\\";
    std::vector<std::string> lines;
    ListFiles(folder + "*.CLS", 63, lines, false, false, false, true);
    EXPECT_EQ(Sorted(lines), (std::vector<std::string>{"Mage", "Warrior", "rogue"}));
    ListFiles(folder + "*.cls", 63, lines, false, true, true, false);
    EXPECT_EQ(Sorted(lines),
              (std::vector<std::string>{folder + "Mage.cls", folder + "Warrior.CLS", folder + "rogue.Cls"}))
        << "the mask's folder as given, the names as stored";
}
