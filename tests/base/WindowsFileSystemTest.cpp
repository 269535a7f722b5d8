#include "base/FileError.h"
#include "base/FileSystem.h"
#include "base/Os.h"
#include "base/PathStyle.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

// The Windows file system's own behaviour as the editor meets it: backslashes, names found whatever their letter
// case, files held open by other programs, names in the system's code page.

using namespace FileSystem;

namespace {

// Runs only in the Windows build; elsewhere the skip says why.
class WindowsFileSystem : public testing::Test {
protected:
    void SetUp() override {
        if (Os::kPathSeparator != '\\')
            GTEST_SKIP() << "Windows only: the Windows file system's behaviour, run by scripts/test-windows.sh";
    }

    TempFolder project;
};

} // namespace

TEST_F(WindowsFileSystem, SeparatesWithABackslashAndEndsAFolderPartAtADrive) {
    EXPECT_EQ(Os::kPathSeparator, '\\');
    EXPECT_TRUE(Os::kFileSystemIgnoresCase);
    const PathStyle native = PathStyle::Native();
    EXPECT_EQ(native.separator, '\\');
    EXPECT_EQ(native.folderEnds, "\\/:");
    EXPECT_EQ(project.Root().back(), '\\');
    EXPECT_EQ(project.Root()[1], ':') << "a temporary folder on Windows lies on a drive: " << project.Root();
}

TEST_F(WindowsFileSystem, TheSystemFindsANameWhateverItsLetterCase) {
    project.Write("server/sword.itm", "Type=Ring\r\n");
    const std::string asked = project.Root() + "SERVER\\Sword.ITM";
    EXPECT_EQ(StoredPath(asked), asked) << "the path is handed to the system as given";
    EXPECT_TRUE(FileExists(asked));
    EXPECT_TRUE(FolderExists(project.Root() + "Server"));
    EXPECT_FALSE(FileExists(project.Root() + "Server"));
    EXPECT_EQ(ReadFile(asked), "Type=Ring\r\n");
    EXPECT_TRUE(FileExists(project.Root() + "server/SWORD.itm")) << "a forward slash separates as well";
    std::string lowerDrive = asked;
    lowerDrive[0] = static_cast<char>(lowerDrive[0] - 'A' + 'a');
    EXPECT_TRUE(FileExists(lowerDrive)) << "the drive letter's case does not matter either";
}

TEST_F(WindowsFileSystem, ASaveRenamesOverTheExistingFileAndKeepsEveryByte) {
    project.Write("server/sword.itm", "old\r\n");
    const std::string bytes = std::string("Type=Ring\r\nlone\nfeed\rend \x1A after Ctrl-Z\r\n");
    WriteFileSafely(project.Root() + "SERVER\\Sword.ITM", bytes);
    EXPECT_EQ(project.Read("server/sword.itm"), bytes) << "written in binary: no CR added, Ctrl-Z kept";
    EXPECT_EQ(ReadFile(project.Root() + "SERVER\\SWORD.ITM"), bytes) << "read in binary: no CR dropped";
    EXPECT_EQ(ListFolder(project.Root() + "SERVER").size(), 1u) << "the one file replaced, no temporary left";
}

#ifdef _WIN32
TEST_F(WindowsFileSystem, AFileHeldOpenElsewhereIsWaitedForThenRefusedAsInUseAndSavedOnceFree) {
    project.Write("SERVER/Sword.ITM", "old\r\n");
    const std::string target = project.Root() + "SERVER\\Sword.ITM";
    const auto holdTarget = [&] {
        return CreateFileW(Os::FileSystemPath(target).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    };

    HANDLE held = holdTarget();
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    try {
        WriteFileSafely(target, "new\r\n");
        ADD_FAILURE() << "Windows refuses to replace a file another program holds open without sharing it";
    } catch (const FileError& failure) {
        EXPECT_EQ(failure.FileName(), target);
        EXPECT_NE(failure.Reason().find("in use by another program"), std::string::npos) << failure.what();
        EXPECT_NE(failure.Reason().find("close it"), std::string::npos) << failure.what();
    }
    CloseHandle(held);
    EXPECT_EQ(project.Read("SERVER/Sword.ITM"), "old\r\n");
    EXPECT_EQ(ListFolder(project.Root() + "SERVER").size(), 1u) << "no temporary file left behind";

    WriteFileSafely(target, "later\r\n");
    EXPECT_EQ(project.Read("SERVER/Sword.ITM"), "later\r\n") << "once the hold is gone, a save works";

    // A virus scanner lets go after a moment: the save outlasts it.
    held = holdTarget();
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::thread scanner([held] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        CloseHandle(held);
    });
    try {
        WriteFileSafely(target, "after the scan\r\n");
    } catch (const FileError& failure) {
        ADD_FAILURE() << failure.what();
    }
    scanner.join();
    EXPECT_EQ(project.Read("SERVER/Sword.ITM"), "after the scan\r\n");
    EXPECT_EQ(ListFolder(project.Root() + "SERVER").size(), 1u) << "no temporary file left behind";
}
#endif

TEST_F(WindowsFileSystem, NamesOfAnyCodePageAreFoundListedAndReplacedWhole) {
    // 表 and ソ end in the byte of a backslash in code page 932 and 功 in 950; Ω is in no Western code page.
    const std::vector<std::string> names = {"\xE8\xA1\xA8.ITM", "\xE3\x82\xBD\xE3\x83\xBC\xE3\x83\x89.ITM",
                                            "\xE5\x8A\x9F.CLS",
                                            "M\xC3\xAAl\xC3\xA9"
                                            "e.CLS",
                                            "\xCE\xA9.BMP"};
    for (const std::string& name : names) {
        const std::string path = project.Root() + "SERVER\\" + name;
        project.Write("SERVER/" + name, "old");
        EXPECT_TRUE(FileExists(path)) << name;
        EXPECT_EQ(ReadFile(path), "old") << name;
        WriteFileSafely(path, "new");
        EXPECT_EQ(project.Read("SERVER/" + name), "new") << name;
    }
    std::vector<std::string> listed;
    for (const auto& entry : ListFolder(project.Root() + "SERVER"))
        listed.push_back(entry.name);
    std::vector<std::string> sorted = names;
    std::sort(listed.begin(), listed.end());
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(listed, sorted) << "entries are listed as the names they are, no temporary file left behind";
    std::vector<std::string> classes = NamesMatching(project.Root() + "SERVER\\", "*.CLS");
    std::sort(classes.begin(), classes.end());
    EXPECT_EQ(classes, (std::vector<std::string>{"M\xC3\xAAl\xC3\xA9"
                                                 "e.CLS",
                                                 "\xE5\x8A\x9F.CLS"}));
    EXPECT_EQ(Os::PathText(std::filesystem::path(L"\u8868.ITM")), "\xE8\xA1\xA8.ITM");

    project.MakeFolder("\xE8\xA1\xA8");
    EXPECT_TRUE(FolderExists(project.Root() + "\xE8\xA1\xA8"));
    const std::string missing = project.Root() + "\xE8\xA1\xA8\\\xE4\xBA\x88.ITM";
    try {
        ReadFile(missing);
        ADD_FAILURE() << "a missing file was read";
    } catch (const FileError& failure) {
        EXPECT_EQ(failure.FileName(), missing);
        EXPECT_NE(std::string(failure.what()).find("\"" + missing + "\""), std::string::npos) << failure.what();
    }
}

TEST_F(WindowsFileSystem, ANameReservedForADeviceIsRefusedNeverSilentlyLost) {
    project.MakeFolder("SERVER");
    for (const char* name : {"Con.ITM", "NUL.ITM", "aux.bmp", "Com1.ITM"}) {
        const std::string path = project.Root() + "SERVER\\" + name;
        try {
            WriteFileSafely(path, "Type=Ring\r\n");
            EXPECT_EQ(ReadFile(path), "Type=Ring\r\n") << name << ": reported saved, so it must read back";
        } catch (const FileError& failure) {
            EXPECT_EQ(failure.FileName(), path);
            EXPECT_EQ(failure.Reason().find("in use"), std::string::npos)
                << "no program holds a device: " << failure.what();
        }
    }
}
