#include "itemdata/KeyValueFile.h"

#include "base/FileError.h"
#include "tests/itemdata/ProjectFolder.h"

#include <gtest/gtest.h>

// The store against real files: what it loads, what it saves, and that a failing save harms nothing.

TEST(KeyValueFileLoading, AcceptsEveryLineEndAndSavesCrLf) {
    ProjectFolder project;
    project.Write("SERVER/Sword.ITM", "Type=Ring\nPrice=10\rStack=1\r\nBonus=");
    KeyValueFile store(project.Path("SERVER/Sword.ITM"));
    EXPECT_EQ(store.ReadValue("Stack"), "1");
    EXPECT_EQ(store.ReadValue("Bonus"), "");
    store.SaveFile();
    EXPECT_EQ(project.Read("SERVER/Sword.ITM"), "Type=Ring\r\nPrice=10\r\nStack=1\r\nBonus=\r\n");
}

TEST(KeyValueFileLoading, AnUntouchedFileComesBackByteForByte) {
    ProjectFolder project;
    const std::string bytes = std::string("Type=Ring\r\n\r\n; note \xE9\xFF\r\nWeight=3  \r\n") + std::string(1, '\0') +
                              "=\r\nno equals sign\r\n";
    project.Write("SERVER/Sword.ITM", bytes);
    KeyValueFile store(project.Path("SERVER/Sword.ITM"));
    store.ReadValue("Type");
    store.SaveFile();
    EXPECT_EQ(project.Read("SERVER/Sword.ITM"), bytes);
}

TEST(KeyValueFileLoading, AMissingFileIsAnEmptyStoreAndItsSaveCreatesIt) {
    ProjectFolder project;
    project.MakeFolder("SERVER");
    {
        KeyValueFile store(project.Path("SERVER/New.ITM"));
        EXPECT_TRUE(store.Lines().empty());
        EXPECT_EQ(store.ReadValue("Type"), "");
        EXPECT_FALSE(project.Exists("SERVER/New.ITM")) << "creating the store writes nothing";
        store.WriteValue("Type", "Ring");
        store.SaveFile();
    }
    EXPECT_EQ(project.Read("SERVER/New.ITM"), "Type=Ring\r\n");
}

TEST(KeyValueFileLoading, ACaseVariantFileIsReadAndReplacedUnderItsStoredName) {
    ProjectFolder project;
    project.Write("server/sword.itm", "type=Ring\r\nWeight=3\r\n");
    {
        KeyValueFile store(project.Path("SERVER/Sword.ITM"));
        EXPECT_EQ(store.ReadValue("Type"), "Ring");
        store.WriteValue("Type", "Cape");
        store.SaveFile();
    }
    EXPECT_EQ(project.Entries("server"), std::vector<std::string>{"sword.itm"});
    EXPECT_EQ(project.Read("server/sword.itm"), "Type=Cape\r\nWeight=3\r\n");
}

TEST(KeyValueFileFailures, ASaveIntoAMissingFolderRaisesTheFileErrorAndCreatesNothing) {
    ProjectFolder project;
    const std::string file = project.Path("SERVER/Sword.ITM");
    auto saveIntoMissingFolder = [&] {
        KeyValueFile store(file);
        store.WriteValue("Type", "Ring");
        store.SaveFile();
    };
    try {
        saveIntoMissingFolder();
        FAIL() << "the save must fail";
    } catch (const FileError& failure) {
        EXPECT_EQ(failure.FileName(), file);
        EXPECT_NE(std::string(failure.what()).find(file), std::string::npos);
    }
    EXPECT_TRUE(project.Entries("").empty()) << "no folder or file was created";
}

TEST(KeyValueFileFailures, AFailedSaveLeavesTheOldFileWhole) {
    ProjectFolder project;
    project.Write("SERVER/Sword.ITM", "Type=Ring\r\nPrice=10\r\n");
    project.BlockSaveOf("SERVER/Sword.ITM");
    {
        KeyValueFile store(project.Path("SERVER/Sword.ITM"));
        store.WriteValue("Price", "99");
        EXPECT_THROW(store.SaveFile(), FileError);
    }
    EXPECT_EQ(project.Read("SERVER/Sword.ITM"), "Type=Ring\r\nPrice=10\r\n");
}

TEST(KeyValueFileFailures, AFolderWhereTheFileBelongsIsAnEmptyStoreThatCannotBeSaved) {
    ProjectFolder project;
    project.MakeFolder("SERVER/Sword.ITM");
    KeyValueFile store(project.Path("SERVER/Sword.ITM"));
    EXPECT_TRUE(store.Lines().empty());
    EXPECT_THROW(store.SaveFile(), FileError);
}
