// Item files whose content is hostile: 100,000 bonuses, bonus values that are no number or overflow, a price
// longer than its field holds, unknown types and classes, class files with odd names, folders where files
// belong, and icons that are no picture. None crashes or hangs, every problem reaches the user as a message,
// and a save keeps every line the user did not change byte for byte.
#include "tests/robustness/HostileItem.h"
#include "tests/support/UnreadableFile.h"

#include <QImageReader>
#include <QTest>

namespace {

std::string JoinedBonuses(const std::vector<std::string>& entries, std::size_t from = 0) {
    std::string joined;
    for (std::size_t i = from; i < entries.size(); ++i)
        joined += (i > from ? "," : "") + entries[i];
    return joined;
}

// A picture file whose header claims 100,000 x 100,000 pixels of 24 bits but holds none.
std::string HugeBitmapHeader() {
    std::string header = "BM";
    const auto put32 = [&header](std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            header.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    };
    put32(54);
    put32(0);
    put32(54);
    put32(40);
    put32(100000);
    put32(100000);
    header += std::string("\x01\x00\x18\x00", 4);
    put32(0);
    put32(0);
    put32(2835);
    put32(2835);
    put32(0);
    put32(0);
    return header;
}

} // namespace

TEST_F(HostileItemTest, AHundredThousandBonusesLoadAndSaveUnchanged) {
    std::vector<std::string> entries;
    for (int i = 0; i < 100000; ++i)
        entries.push_back(i % 3 == 0 ? "Attack+" + std::to_string(i) : i % 3 == 1 ? "ResHeat+5" : "Heal");
    const std::string rest = "Price=3\r\nClass=ALL\r\nStack=1\r\n";
    WriteItem("Type=Ring\r\nBonus=" + JoinedBonuses(entries) + "\r\n" + rest, "A ring\r\n");
    OpenHostile();
    ASSERT_EQ(Bonuses().Count(), 100000);
    Bonuses().SelectRow(0);
    ClickCommand("removeBonusButton");
    Save();
    EXPECT_TRUE(project.Read(kServer) == "Type=Ring\r\nBonus=" + JoinedBonuses(entries, 1) + "\r\n" + rest);
    EXPECT_TRUE(desktop.messages.isEmpty()) << desktop.messages.join('|').toStdString();
}

TEST_F(HostileItemTest, BonusValuesThatAreNoNumberStopTheEditWithAShortClearMessage) {
    const std::string sixteenMiBDigits(16u << 20, '7');
    const std::vector<std::string> entries = {
        "Attack+12x", "Attack+99999999999", "Attack+2147483648", "Attack+-2147483649", "Attack+",  "Attack+ 7",
        "Attack+5+5", "Attack+0x10",        "Attack+1e3",        "Attack+\xFF",        "Attack+5,"};
    const std::vector<QString> quoted = {"\"12x\"", "\"99999999999\"", "\"2147483648\"", "\"-2147483649\"",
                                         "\"\"",    "\" 7\"",          "\"5+5\"",        "\"0x10\"",
                                         "\"1e3\"", "\"\u00FF\"",      "\"5\""};
    std::string bonus = JoinedBonuses(entries) + ",Attack+" + sixteenMiBDigits;
    const std::string server = "Type=Ring\r\nBonus=" + bonus + "\r\nPrice=1\r\nClass=ALL\r\nStack=1\r\n";
    WriteItem(server, "A ring\r\n");
    OpenHostile();
    OnBonusDialog([](BonusDialog&) { FAIL() << "the dialog must not open for a value that is no number"; });
    ASSERT_EQ(Bonuses().Count(), 13) << "\"Attack+5,\" splits into Attack+5 and an empty entry";
    const auto editRow = [this](int row) {
        desktop.messages.clear();
        Bonuses().SelectRow(row);
        ClickCommand("editBonusButton");
        return desktop.messages;
    };
    for (int row = 0; row < 10; ++row)
        EXPECT_EQ(editRow(row), QStringList{quoted[row] + " is not a valid integer value"}) << entries[row];
    const QStringList longValue = editRow(12);
    ASSERT_EQ(longValue.size(), 1);
    EXPECT_EQ(longValue[0], "\"" + QString(40, '7') + "...\" is not a valid integer value");
    EXPECT_EQ(bonusDialogRuns, 0);
    EXPECT_TRUE(form->isVisible());
    Save();
    EXPECT_TRUE(project.Read(kServer) == server) << "every bonus entry is saved as it was read";
}

TEST_F(HostileItemTest, PriceAndStackLongerThanTheirFieldsHoldAreSavedUnchanged) {
    const std::string server = "Type=Ring\r\nPrice=" + std::string(40000, '9') +
                               "\r\nStack=" + std::string(1u << 20, '1') + "\r\nBonus=\r\nClass=ALL\r\n";
    WriteItem(server, "A ring\r\n");
    OpenHostile();
    Save();
    EXPECT_TRUE(project.Read(kServer) == server);
}

TEST_F(HostileItemTest, UnknownTypesAndClassesLeaveTheChoicesEmpty) {
    WriteItem("Type=Sword\r\nClass=Paladin\r\nPrice=4\r\nStack=1\r\nBonus=Attack+1\r\nNote=kept\r\n", "Blade\r\n");
    OpenHostile();
    EXPECT_EQ(Type().currentIndex(), -1);
    EXPECT_EQ(Class().currentIndex(), -1);
    EXPECT_EQ(Class().count(), 3) << "the project's classes are still offered";
    EXPECT_TRUE(desktop.messages.isEmpty()) << desktop.messages.join('|').toStdString();
    Save();
    EXPECT_EQ(project.Read(kServer), "Type=\r\nClass=\r\nPrice=4\r\nStack=1\r\nBonus=Attack+1\r\nNote=kept\r\n")
        << "no choice is saved as the empty name; every other line is kept";

    WriteItem("type=rInG\r\nCLASS=mage\r\nNote=kept\r\n", "Ring\r\n");
    OpenHostile();
    EXPECT_EQ(Type().currentText(), QStringLiteral("Ring"));
    EXPECT_EQ(Class().currentText(), QStringLiteral("Mage"));
}

TEST_F(HostileItemTest, ClassFilesWithOddNamesAreOfferedAndStoredExactly) {
    const std::vector<std::string> oddClasses = {"Dark Knight",
                                                 "semi;colon$`'\"&|*?<>",
                                                 "R\xC3\xB4"
                                                 "deur",
                                                 "\xE9lf",
                                                 "  ",
                                                 "-rf"};
    for (const std::string& name : oddClasses)
        project.Write("Quest/SERVER/" + name + ".CLS", "");
    project.Write("Quest/SERVER/Line\nBreak.CLS", "");
    project.Write("Quest/SERVER/.CLS", "");
    project.MakeFolder("Quest/SERVER/Folder.CLS");
    for (const std::string& name : oddClasses) {
        const std::string server = "Type=Ring\r\nBonus=\r\nPrice=1\r\nClass=" + name + "\r\nStack=1\r\n";
        WriteItem(server, "Ring\r\n");
        OpenHostile();
        EXPECT_EQ(Class().count(), 11) << "ALL, Mage, Warrior, six odd names, the empty name and Folder";
        EXPECT_GE(Class().currentIndex(), 0) << name;
        Save();
        EXPECT_EQ(project.Read(kServer), server);
    }
    EXPECT_EQ(Class().findText(QStringLiteral("Line\nBreak")), -1) << "a class name never breaks its line";
    EXPECT_TRUE(desktop.messages.isEmpty()) << desktop.messages.join('|').toStdString();
}

TEST_F(HostileItemTest, FoldersWhereTheFilesBelongAreReportedAndLeftAlone) {
    project.MakeFolder(kServer);
    project.MakeFolder(kDescription);
    project.MakeFolder(kIcon);
    OpenHostile();
    const QString folderInTheWay = QStringLiteral("\": a folder of that name stands where the file belongs.");
    EXPECT_EQ(desktop.messages, (QStringList{"Could not read \"" + Shown(kServer) + folderInTheWay,
                                             "Could not read \"" + Shown(kDescription) + folderInTheWay,
                                             "Could not read \"" + Shown(kIcon) + folderInTheWay}));
    desktop.messages.clear();
    Save();
    EXPECT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(std::filesystem::is_directory(project.Path(kServer)));
}

TEST_F(HostileItemTest, AFileThatCannotBeReadIsToldAtItsStepAndNeverOverwritten) {
    if (!UnreadableFile::Supported())
        GTEST_SKIP() << "this system has no permissions that keep a file from its owner";
    const std::string server = "Type=Ring\r\nBonus=Attack+5\r\nPrice=42\r\nClass=ALL\r\nStack=3\r\n";
    WriteItem(server, "Written long ago.\r\n");
    {
        const UnreadableFile locked(project.Path(kDescription));
        OpenHostile();
        EXPECT_EQ(desktop.messages, QStringList{"Could not read \"" + Shown(kDescription) + "\": Permission denied."});
        EXPECT_EQ(Type().currentText(), QStringLiteral("Ring")) << "the server data read before stays shown";
        EXPECT_EQ(Price().text(), QStringLiteral("42"));
        EXPECT_EQ(BonusTexts(), QStringList{"Attack+5"});
        Price().selectAll();
        QTest::keyClicks(&Price(), QStringLiteral("43"));
        desktop.messages.clear();
        Save();
        EXPECT_EQ(desktop.messages.size(), 1);
        EXPECT_TRUE(desktop.messages.value(0).startsWith("Could not save \"" + Shown(kDescription) + "\""));
        EXPECT_TRUE(form->isVisible());
    }
    EXPECT_EQ(project.Read(kServer), server);
    EXPECT_EQ(project.Read(kDescription), "Written long ago.\r\n");
}

TEST_F(HostileItemTest, NamesOfEveryKindOpenAndSaveTheirOwnItem) {
    const std::string latin1 = "Caf\xE9";
    const std::string longest(251, 'L');
    const std::string markup = "<h1>Big";
    for (const std::string& name : {latin1, longest, markup}) {
        const std::string server = "Type=Ring\r\nBonus=\r\nPrice=7\r\nClass=ALL\r\nStack=1\r\n";
        project.Write("Quest/SERVER/" + name + ".ITM", server);
        project.Write("Quest/CLIENT/" + name + ".ITM", "Tale\r\n");
        project.Write("Quest/CLIENT/" + name + ".BMP", Sample("CLIENT/RubyRing.BMP"));
        desktop.messages.clear();
        Open({project.Path("Quest/" + name + ".ITM")});
        EXPECT_TRUE(desktop.messages.isEmpty()) << desktop.messages.join('|').toStdString();
        EXPECT_FALSE(Child<QLabel>("icon").pixmap().isNull());
        if (name == latin1) {
            EXPECT_EQ(Child<QLabel>("nameLabel").text(), QStringLiteral("Caf\u00E9")) << "read as Windows-1252";
        }
        Price().selectAll();
        QTest::keyClicks(&Price(), QStringLiteral("8"));
        Save();
        EXPECT_TRUE(desktop.messages.isEmpty()) << desktop.messages.join('|').toStdString();
        EXPECT_EQ(project.Read("Quest/SERVER/" + name + ".ITM"),
                  "Type=Ring\r\nBonus=\r\nPrice=8\r\nClass=ALL\r\nStack=1\r\n");
    }
    const auto serverFolder = std::filesystem::directory_iterator(project.Path("Quest/SERVER"));
    EXPECT_EQ(std::distance(begin(serverFolder), end(serverFolder)), 9) << "no second item under another name";

    // The name is shown as it is written, never as formatted text.
    QLabel asWritten(QString::fromStdString(markup));
    asWritten.setTextFormat(Qt::PlainText);
    QLabel& shown = Child<QLabel>("nameLabel");
    asWritten.setFont(shown.font());
    asWritten.setPalette(shown.palette());
    asWritten.setAutoFillBackground(true);
    asWritten.resize(shown.size());
    EXPECT_EQ(shown.grab().toImage(), asWritten.grab().toImage());
}

TEST_F(HostileItemTest, AnIconThatCannotBeReadOrIsTooLargeIsToldForWhatItIs) {
    WriteItem("Type=Ring\r\n", "Ring\r\n");
    if (UnreadableFile::Supported()) {
        const UnreadableFile locked(project.Path(kIcon));
        OpenHostile();
        EXPECT_EQ(desktop.messages, QStringList{"Could not read \"" + Shown(kIcon) + "\": Permission denied."});
    }
    const int limit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(1);
    QImage large(1000, 1000, QImage::Format_RGB888);
    large.fill(Qt::red);
    ASSERT_TRUE(large.save(Shown(kIcon), "BMP"));
    desktop.messages.clear();
    OpenHostile();
    QImageReader::setAllocationLimit(limit);
    EXPECT_EQ(desktop.messages,
              QStringList{"Item ICON file = " + Shown(kIcon) + " is too large to show: 1000 x 1000 pixels."});
}

TEST_F(HostileItemTest, AnIconThatIsNoPictureIsReported) {
    const std::string bitmap = Sample("CLIENT/RubyRing.BMP");
    const std::vector<std::string> noPictures = {"", "Type=Ring\r\n", bitmap.substr(0, 20), HugeBitmapHeader(),
                                                 std::string(1u << 20, '\xA5')};
    for (const std::string& bytes : noPictures) {
        WriteItem("Type=Ring\r\n", "Ring\r\n");
        project.Write(kIcon, bytes);
        desktop.messages.clear();
        OpenHostile();
        EXPECT_EQ(desktop.messages, QStringList{"Item ICON file = " + Shown(kIcon) + " is not a picture!"})
            << bytes.size() << " bytes";
        Save();
        EXPECT_TRUE(project.Read(kIcon) == bytes) << "the icon file is left as it is";
    }
}

TEST_F(HostileItemTest, APickedPictureThatIsNoPictureIsReportedAndStillCopied) {
    project.Write("Quest/RESOURCES/Broken.bmp", "not a bitmap");
    desktop.scriptedPicks.push_back(Shown("Quest/RESOURCES/Broken.bmp"));
    Open({project.Path("Quest")});
    EXPECT_EQ(desktop.messages,
              QStringList{"Item ICON file = " + Shown("Quest/RESOURCES/Broken.bmp") + " is not a picture!"});
    Save();
    EXPECT_EQ(project.Read("Quest/CLIENT/Broken.BMP"), "not a bitmap");
}
