#include "platform/ShellFileOperation.h"
#include "base/FileError.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

QString Q(const std::string& path) {
    return QString::fromStdString(path);
}

class ShellFileOperationTest : public testing::Test {
protected:
    void SetUp() override { files.Write("RESOURCES/Staff.bmp", "BM staff picture"); }

    TempFolder files;
};

} // namespace

TEST_F(ShellFileOperationTest, CopiesIntoAFolderItCreates) {
    ShellFileOperation(nullptr, Q(files.Path("RESOURCES/Staff.bmp")), Q(files.Path("CLIENT/")), 2);
    EXPECT_EQ(files.Read("CLIENT/Staff.bmp"), "BM staff picture");
    EXPECT_EQ(files.Read("RESOURCES/Staff.bmp"), "BM staff picture");
}

TEST_F(ShellFileOperationTest, CopiesToAFileNameReplacingACaseVariant) {
    files.Write("client/staff.bmp", "old picture");
    ShellFileOperation(nullptr, Q(files.Path("RESOURCES/Staff.bmp")), Q(files.Path("CLIENT/Staff.BMP")), 2);
    EXPECT_EQ(files.Read("client/staff.bmp"), "BM staff picture");
#ifndef _WIN32
    EXPECT_FALSE(files.Exists("CLIENT"));
#endif
}

TEST_F(ShellFileOperationTest, ACopyReplacesALinkAtItsNameAndNeverWritesWhereItPoints) {
#ifdef _WIN32
    GTEST_SKIP() << "not on Windows: making a link there needs rights a test does not have";
#endif
    const TempFolder outside;
    outside.Write("victim", "outside the project");
    files.MakeFolder("CLIENT");
    std::filesystem::create_symlink(outside.Path("victim"), files.Path("CLIENT/Staff.BMP"));
    ShellFileOperation(nullptr, Q(files.Path("RESOURCES/Staff.bmp")), Q(files.Path("CLIENT/Staff.BMP")), 2);
    EXPECT_FALSE(std::filesystem::is_symlink(files.Path("CLIENT/Staff.BMP")));
    EXPECT_EQ(files.Read("CLIENT/Staff.BMP"), "BM staff picture");
    EXPECT_EQ(outside.Read("victim"), "outside the project");
}

TEST_F(ShellFileOperationTest, ACopyOntoItselfLeavesTheFileIntact) {
    ShellFileOperation(nullptr, Q(files.Path("RESOURCES/Staff.bmp")), Q(files.Path("RESOURCES/Staff.bmp")), 2);
    ShellFileOperation(nullptr, Q(files.Path("RESOURCES/Staff.bmp")), Q(files.Path("RESOURCES/")), 2);
    ShellFileOperation(nullptr, Q(files.Path("RESOURCES/Staff.bmp")), Q(files.Path("RESOURCES/")), 1);
    EXPECT_EQ(files.Read("RESOURCES/Staff.bmp"), "BM staff picture");
}

TEST_F(ShellFileOperationTest, MovesRenamesAndDeletes) {
    ShellFileOperation(nullptr, Q(files.Path("RESOURCES/Staff.bmp")), Q(files.Path("MOVED/")), 1);
    EXPECT_FALSE(files.Exists("RESOURCES/Staff.bmp"));
    EXPECT_EQ(files.Read("MOVED/Staff.bmp"), "BM staff picture");
    ShellFileOperation(nullptr, Q(files.Path("MOVED/Staff.bmp")), Q(files.Path("MOVED/Rod.bmp")), 4);
    EXPECT_EQ(files.Read("MOVED/Rod.bmp"), "BM staff picture");
    ShellFileOperation(nullptr, Q(files.Path("MOVED/Rod.bmp")), QString(), 3);
    EXPECT_FALSE(files.Exists("MOVED/Rod.bmp"));
}

TEST_F(ShellFileOperationTest, UnknownOperationsDoNothingAndFailuresAreReported) {
    for (const int operation : {0, 6, -1})
        ShellFileOperation(nullptr, Q(files.Path("RESOURCES/Staff.bmp")), Q(files.Path("CLIENT/")), operation);
    EXPECT_FALSE(files.Exists("CLIENT"));
    EXPECT_TRUE(files.Exists("RESOURCES/Staff.bmp"));
    EXPECT_THROW(ShellFileOperation(nullptr, Q(files.Path("RESOURCES/Gone.bmp")), Q(files.Path("CLIENT/")), 2),
                 FileError);
    EXPECT_EQ(ShellOperationTitle(2), QStringLiteral("Copying . . ."));
    EXPECT_EQ(ShellOperationTitle(5), QStringLiteral("Move to Recycle Bin . . ."));
}
