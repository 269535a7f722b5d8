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

// Writes through the C library, which takes names in the system's code page like the desktop's own "A" functions.
void WriteWithCodePageName(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

// The name in the system's code page, or none when the code page cannot spell it.
std::optional<std::string> InCodePage(const std::wstring& name) {
    const std::string text = Os::PathText(std::filesystem::path(name));
    if (Os::FileSystemPath(text).native() != std::filesystem::path(name).native())
        return std::nullopt;
    return text;
}

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

TEST_F(WindowsFileSystem, NamesInTheSystemCodePageAreFoundListedAndReplaced) {
    for (const std::wstring& wide : {std::wstring(L"M\u00EAl\u00E9e.CLS"), std::wstring(L"\u0152uf.ITM")}) {
        const auto name = InCodePage(wide);
        if (!name)
            GTEST_SKIP() << "the system's code page cannot spell every test name";
        const std::string path = project.Root() + *name;
        WriteWithCodePageName(path, "old");
        EXPECT_TRUE(FileExists(path)) << *name;
        EXPECT_EQ(ReadFile(path), "old");
        WriteFileSafely(path, "new");
        EXPECT_EQ(ReadFile(path), "new") << *name;
    }
    std::vector<std::string> names;
    for (const auto& entry : ListFolder(project.Root()))
        names.push_back(entry.name);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{*InCodePage(L"M\u00EAl\u00E9e.CLS"), *InCodePage(L"\u0152uf.ITM")}))
        << "entries are listed in the code page, as the item files name them";
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
