#include "itemdata/KeyValueFile.h"
#include "base/FileError.h"
#include "tests/itemdata/ProjectFolder.h"

#include <gtest/gtest.h>

// The store against real files: what it loads, what it saves, and that a failing save harms nothing.

TEST(TINILoading, AcceptsEveryLineEndAndSavesCrLf) {
    ProjectFolder project;
    project.Write("SERVER/Sword.ITM", "Type=Ring\nPrice=10\rStack=1\r\nBonus=");
    KeyValueFile store(project.Path("SERVER/Sword.ITM"), false);
    EXPECT_EQ(store.ReadValue("Stack", false), "1");
    EXPECT_EQ(store.ReadValue("Bonus", false), "");
    store.SaveFile();
    EXPECT_EQ(project.Read("SERVER/Sword.ITM"), "Type=Ring\r\nPrice=10\r\nStack=1\r\nBonus=\r\n");
}

TEST(TINILoading, AnUntouchedFileComesBackByteForByte) {
    ProjectFolder project;
    const std::string bytes = std::string("Type=Ring\r\n\r\n; note \xE9\xFF\r\nWeight=3  \r\n") + std::string(1, '\0') +
                              "=\r\nno equals sign\r\n";
    project.Write("SERVER/Sword.ITM", bytes);
    KeyValueFile store(project.Path("SERVER/Sword.ITM"), false);
    store.ReadValue("Type", false);
    store.SaveFile();
    EXPECT_EQ(project.Read("SERVER/Sword.ITM"), bytes);
}

TEST(TINILoading, AMissingFileIsAnEmptyStoreAndItsSaveCreatesIt) {
    ProjectFolder project;
    project.MakeFolder("SERVER");
    {
        KeyValueFile store(project.Path("SERVER/New.ITM"), false);
        EXPECT_TRUE(store.Lines().empty());
        EXPECT_EQ(store.ReadValue("Type", false), "");
        EXPECT_FALSE(project.Exists("SERVER/New.ITM")) << "creating the store writes nothing";
        store.WriteValue("Type", "Ring", true);
        store.SaveFile();
    }
    EXPECT_EQ(project.Read("SERVER/New.ITM"), "Type=Ring\r\n");
}

TEST(TINILoading, ACaseVariantFileIsReadAndReplacedUnderItsStoredName) {
    ProjectFolder project;
    project.Write("server/sword.itm", "type=Ring\r\nWeight=3\r\n");
    {
        KeyValueFile store(project.Path("SERVER/Sword.ITM"), true);
        EXPECT_EQ(store.ReadValue("Type", false), "Ring");
        store.WriteValue("Type", "Cape", false);
        store.SaveFile();
    }
    EXPECT_EQ(project.Entries("server"), std::vector<std::string>{"sword.itm"});
    EXPECT_EQ(project.Read("server/sword.itm"), "Type=Cape\r\nWeight=3\r\n");
}

TEST(TINIDestruction, SavesOnlyWithAutoAdd) {
    ProjectFolder project;
    project.Write("SERVER/Sword.ITM", "Price=10");
    {
        KeyValueFile store(project.Path("SERVER/Sword.ITM"), false);
        store.WriteValue("Price", "20", false);
        store.ReadValue("Stack", true);
    }
    EXPECT_EQ(project.Read("SERVER/Sword.ITM"), "Price=10") << "without auto-add nothing is saved";
    {
        KeyValueFile store(project.Path("SERVER/Sword.ITM"), true);
        store.WriteValue("Price", "20", false);
        store.ReadValue("Stack", false);
    }
    EXPECT_EQ(project.Read("SERVER/Sword.ITM"), "Price=20\r\nStack=0\r\n");
}

TEST(KeyValueFileFailures, ASaveIntoAMissingFolderRaisesTheFileErrorAndTheDestructorStaysQuiet) {
    ProjectFolder project;
    const std::string file = project.Path("SERVER/Sword.ITM");
    auto saveIntoMissingFolder = [&] {
        KeyValueFile store(file, true);
        store.WriteValue("Type", "Ring", false);
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
        KeyValueFile store(project.Path("SERVER/Sword.ITM"), true);
        store.WriteValue("Price", "99", false);
        EXPECT_THROW(store.SaveFile(), FileError);
    }
    EXPECT_EQ(project.Read("SERVER/Sword.ITM"), "Type=Ring\r\nPrice=10\r\n");
}

TEST(KeyValueFileFailures, AFolderWhereTheFileBelongsIsAnEmptyStoreThatCannotBeSaved) {
    ProjectFolder project;
    project.MakeFolder("SERVER/Sword.ITM");
    KeyValueFile store(project.Path("SERVER/Sword.ITM"), false);
    EXPECT_TRUE(store.Lines().empty());
    EXPECT_THROW(store.SaveFile(), FileError);
}
