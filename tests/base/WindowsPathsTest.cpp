#include "base/CommandLine.h"
#include "base/FileNames.h"
#include "base/FileSystem.h"
#include "base/Os.h"
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

TEST_F(WindowsPaths, WithTrailingSeparatorAddsABackslash) {
    EXPECT_EQ(WithTrailingSeparator("C:\\Game"), "C:\\Game\\");
    EXPECT_EQ(WithTrailingSeparator("C:\\Game\\"), "C:\\Game\\");
    EXPECT_EQ(WithTrailingSeparator("C:/Game"), "C:/Game\\");
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
    EXPECT_EQ(FileSystem::NamesMatching(commandLine.ProjectRoot + "SERVER\\", "*.ITM"),
              std::vector<std::string>{"sword.itm"});
}

TEST_F(WindowsPaths, NamesMatchingFindsTheMaskInAnyCaseAndKeepsTheStoredNames) {
    TempFolder project;
    project.Write("server/Warrior.CLS", "");
    project.Write("server/Mage.cls", "");
    project.Write("server/rogue.Cls", "");
    project.Write("server/Sword.ITM", "");
    const std::string folder = project.Root() + "SERVER\\";
    const std::vector<std::string> stored = {"Mage.cls", "Warrior.CLS", "rogue.Cls"};
    EXPECT_EQ(Sorted(FileSystem::NamesMatching(folder, "*.CLS")), stored);
    EXPECT_EQ(Sorted(FileSystem::NamesMatching(folder, "*.cls")), stored);
}
