// Faults while the item is saved through the real window: a missing SERVER or CLIENT folder, a folder standing
// where a file belongs, and a full disk. Each is told to the user in one message, the window stays open, and
// no file is half-written: every file holds its old content or its complete new one, and no temporary is left.
#include "tests/robustness/TinyDisk.h"
#include "tests/ui/ItemSheetFixture.h"

#include <QTest>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

namespace fs = std::filesystem;

namespace {

// The sample's ruby ring as a save with the price 1750 writes it.
const std::string kNewServer = "Type=Ring\r\nBonus=Attack+25,ResHeat+10\r\nPrice=1750\r\nClass=ALL\r\nWeight=1\r\n"
                               "Stack=1\r\n";

// Every file and folder under root with its bytes; a folder maps to "<folder>".
using Snapshot = std::map<std::string, std::string>;

Snapshot TakeSnapshot(const fs::path& root) {
    Snapshot entries;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string relative = fs::relative(entry.path(), root).string();
        if (entry.is_directory()) {
            entries[relative] = "<folder>";
            continue;
        }
        std::ifstream in(entry.path(), std::ios::binary);
        entries[relative] = std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return entries;
}

// The names of the entries that differ, are missing or were added; empty when the snapshots are equal.
std::string Differences(const Snapshot& actual, const Snapshot& expected) {
    std::string names;
    for (const auto& [name, bytes] : expected) {
        const auto found = actual.find(name);
        if (found == actual.end())
            names += " missing:" + name;
        else if (found->second != bytes)
            names += " changed:" + name;
    }
    for (const auto& entry : actual) {
        if (expected.count(entry.first) == 0)
            names += " added:" + entry.first;
    }
    return names;
}

class SaveFaultTest : public ItemSheetTest {
protected:
    // Opens the ruby ring of the project at root and changes its price, so that a save has something to write.
    void OpenRubyRing(const std::string& root) {
        Open({root + "RubyRing.ITM"});
        Price().selectAll();
        QTest::keyClicks(&Price(), QStringLiteral("1750"));
        desktop.messages.clear();
    }

    // Saves, expecting the one message that names the file and the reason, with the window still open.
    void SaveFails(const std::string& file, const std::string& reason) {
        ClickCommand("saveButton");
        EXPECT_EQ(desktop.messages, QStringList{QString::fromStdString("Could not save \"" + file + "\": " + reason)});
        EXPECT_TRUE(form->isVisible()) << "the window stays open after a failed save";
        desktop.messages.clear();
    }

    std::string Quest() const { return project.Path("Quest/"); }
    fs::path QuestFolder() const { return fs::path(project.Path("Quest")); }
};

} // namespace

TEST_F(SaveFaultTest, AMissingServerFolderIsReportedAndNothingIsWritten) {
    OpenRubyRing(Quest());
    fs::remove_all(project.Path("Quest/SERVER"));
    const auto before = TakeSnapshot(QuestFolder());
    SaveFails(project.Path("Quest/SERVER/RubyRing.ITM"), "No such file or directory.");
    EXPECT_EQ(Differences(TakeSnapshot(QuestFolder()), before), "");

    project.MakeFolder("Quest/SERVER");
    ClickCommand("saveButton");
    EXPECT_TRUE(desktop.messages.isEmpty()) << desktop.messages.join('|').toStdString();
    EXPECT_EQ(project.Read("Quest/SERVER/RubyRing.ITM"), "Type=Ring\r\nBonus=Attack+25,ResHeat+10\r\nPrice=1750\r\n"
                                                         "Class=ALL\r\nStack=1\r\n")
        << "once the folder is back, the same window saves";
    EXPECT_FALSE(form->isVisible());
}

TEST_F(SaveFaultTest, AMissingClientFolderIsReportedBeforeAnythingIsWritten) {
    OpenRubyRing(Quest());
    fs::remove_all(project.Path("Quest/CLIENT"));
    const auto before = TakeSnapshot(QuestFolder());
    SaveFails(project.Path("Quest/CLIENT/RubyRing.ITM"), "No such file or directory.");
    EXPECT_EQ(Differences(TakeSnapshot(QuestFolder()), before), "") << "no item is left half-saved";
}

TEST_F(SaveFaultTest, AFolderWhereAFileBelongsIsReportedAndLeftAlone) {
    OpenRubyRing(Quest());
    fs::remove(project.Path("Quest/SERVER/RubyRing.ITM"));
    project.MakeFolder("Quest/SERVER/RubyRing.ITM");
    const auto before = TakeSnapshot(QuestFolder());
    SaveFails(project.Path("Quest/SERVER/RubyRing.ITM"), "a folder of that name stands where the file belongs.");
    EXPECT_EQ(Differences(TakeSnapshot(QuestFolder()), before), "");

    fs::remove(project.Path("Quest/SERVER/RubyRing.ITM"));
    project.Write("Quest/SERVER/RubyRing.ITM", Sample("SERVER/RubyRing.ITM"));
    fs::remove(project.Path("Quest/CLIENT/RubyRing.ITM"));
    project.MakeFolder("Quest/CLIENT/RubyRing.ITM");
    const auto beforeDescription = TakeSnapshot(QuestFolder());
    SaveFails(project.Path("Quest/CLIENT/RubyRing.ITM"), "a folder of that name stands where the file belongs.");
    EXPECT_EQ(Differences(TakeSnapshot(QuestFolder()), beforeDescription), "") << "no item is left half-saved";
}

TEST_F(SaveFaultTest, AFolderWhereAnExistingItemsIconBelongsIsToldAndTheItemStillSaves) {
    fs::remove(project.Path("Quest/CLIENT/RubyRing.BMP"));
    project.MakeFolder("Quest/CLIENT/RubyRing.BMP");
    Open({Quest() + "RubyRing.ITM"});
    EXPECT_EQ(desktop.messages,
              QStringList{QString::fromStdString("Could not read \"" + project.Path("Quest/CLIENT/RubyRing.BMP") +
                                                 "\": a folder of that name stands where the file belongs.")});
    desktop.messages.clear();
    Price().selectAll();
    QTest::keyClicks(&Price(), QStringLiteral("1750"));
    ClickCommand("saveButton");
    EXPECT_TRUE(desktop.messages.isEmpty()) << desktop.messages.join('|').toStdString();
    EXPECT_EQ(project.Read("Quest/SERVER/RubyRing.ITM"), kNewServer);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(SaveFaultTest, AFileWhereTheServerFolderBelongsIsReported) {
    OpenRubyRing(Quest());
    fs::remove_all(project.Path("Quest/SERVER"));
    project.Write("Quest/SERVER", "not a folder");
    const auto before = TakeSnapshot(QuestFolder());
    SaveFails(project.Path("Quest/SERVER/RubyRing.ITM"), "Not a directory.");
    EXPECT_EQ(Differences(TakeSnapshot(QuestFolder()), before), "");
}

TEST_F(SaveFaultTest, AFullDiskIsReportedAndTheOldFilesStayWhole) {
    const TinyDisk& disk = TheTinyDisk();
    if (disk.mountPoint.empty())
        GTEST_SKIP() << "no tiny disk to fill: " << disk.unavailableReason;
    const fs::path quest = fs::path(disk.mountPoint) / "Quest";
    fs::copy(BRINDLE_SAMPLE_PROJECT, quest, fs::copy_options::recursive);
    std::string longTale;
    for (int line = 0; line < 400; ++line)
        longTale += "Ruby ring tale, line " + std::to_string(1000 + line) + "\r\n";
    std::ofstream(quest / "CLIENT" / "RubyRing.ITM", std::ios::binary) << longTale;
    const std::string filler = disk.mountPoint + "/filler";
    const std::string root = quest.string() + "/";
    OpenRubyRing(root);

    ASSERT_GT(FillDisk(filler), 100);
    const auto before = TakeSnapshot(quest);
    SaveFails(root + "SERVER/RubyRing.ITM", "No space left on device.");
    EXPECT_EQ(Differences(TakeSnapshot(quest), before), "") << "old files whole, no temporary left";

    // Room for the small server file, not for the ten-kilobyte description.
    FreePages(filler, 1);
    auto expected = TakeSnapshot(quest);
    expected["SERVER/RubyRing.ITM"] = kNewServer;
    SaveFails(root + "CLIENT/RubyRing.ITM", "No space left on device. Already saved: \"" + root +
                                                "SERVER/RubyRing.ITM\"; the item's other files are as they were.");
    EXPECT_EQ(Differences(TakeSnapshot(quest), expected), "")
        << "the server file complete, the description whole and old";

    fs::remove(filler);
    ClickCommand("saveButton");
    EXPECT_TRUE(desktop.messages.isEmpty()) << desktop.messages.join('|').toStdString();
    EXPECT_TRUE(TakeSnapshot(quest).at("CLIENT/RubyRing.ITM") == longTale);
    EXPECT_FALSE(form->isVisible());
}
