// Whole editing runs through the item editor window: load, edit, save, new items and missing files.
#include "tests/ui/ItemSheetFixture.h"

#include "ui/widgets/BonusSpinEdit.h"

#include <QFileInfo>
#include <QTest>

#include <filesystem>

namespace {

const std::string kInitialDescription = "Write description of current item, this \r\n"
                                        "desciption will appear when player \r\n"
                                        "select this item in game. Player like \r\n"
                                        "to know story or explanation of an \r\n"
                                        "item...\r\n";

} // namespace

TEST_F(ItemSheetTest, TheTypicalRunEditsAndSavesAnExistingItem) {
    OpenItem("RubyRing.ITM");
    EXPECT_EQ(Child<QLabel>("nameLabel").text(), QStringLiteral("RubyRing"));
    EXPECT_EQ(Type().currentText(), QStringLiteral("Ring"));
    EXPECT_EQ(Class().currentText(), QStringLiteral("ALL"));
    EXPECT_EQ(Price().text(), QStringLiteral("1500"));
    EXPECT_EQ(BonusTexts(), (QStringList{"Attack+25", "ResHeat+10"}));
    EXPECT_FALSE(Child<QLabel>("icon").pixmap().isNull());
    EXPECT_TRUE(desktop.messages.isEmpty());

    Price().selectAll();
    QTest::keyClicks(&Price(), QStringLiteral("1750"));
    OnBonusDialog([this](BonusDialog& dialog) {
        Choose(*dialog.findChild<QComboBox*>(QStringLiteral("kindBox")), QStringLiteral("Attack+"));
        auto* number = dialog.findChild<BonusSpinEdit*>(QStringLiteral("valueBox"));
        number->selectAll();
        QTest::keyClicks(number, QStringLiteral("25"));
    });
    ClickCommand("addBonusButton");
    ClickCommand("saveButton");

    EXPECT_EQ(
        project.Read("Quest/SERVER/RubyRing.ITM"),
        "Type=Ring\r\nBonus=Attack+25,ResHeat+10,Attack+25\r\nPrice=1750\r\nClass=ALL\r\nWeight=1\r\nStack=1\r\n");
    EXPECT_EQ(project.Read("Quest/CLIENT/RubyRing.ITM"), Sample("CLIENT/RubyRing.ITM"));
    EXPECT_EQ(project.Read("Quest/CLIENT/RubyRing.BMP"), Sample("CLIENT/RubyRing.BMP"));
    EXPECT_FALSE(form->isVisible()) << "Save closes the window";
}

TEST_F(ItemSheetTest, ANewItemStartsFromThePickedPictureAndSavesThreeFiles) {
    desktop.scriptedPicks.push_back(QString::fromStdString(project.Path("Quest/RESOURCES/Staff.bmp")));
    Open({project.Path("Quest")});
    EXPECT_EQ(desktop.pictureFolders, QStringList{QString::fromStdString(project.Path("Quest/RESOURCES/"))});
    EXPECT_EQ(Child<QLabel>("nameLabel").text(), QStringLiteral("Staff"));
    EXPECT_EQ(Class().currentText(), QStringLiteral("ALL"));
    EXPECT_EQ(Class().count(), 3);
    EXPECT_FALSE(Child<QLabel>("icon").pixmap().isNull());

    ClickCommand("saveButton");
    EXPECT_EQ(project.Read("Quest/SERVER/Staff.ITM"), "Type=Material\r\nBonus=\r\nPrice=0\r\nClass=ALL\r\nStack=1\r\n");
    EXPECT_EQ(project.Read("Quest/CLIENT/Staff.ITM"), kInitialDescription);
    EXPECT_EQ(project.Read("Quest/CLIENT/Staff.BMP"), Sample("RESOURCES/Staff.bmp"));
    EXPECT_EQ(desktop.copiedFiles, QStringList{QStringLiteral("Staff.BMP")}) << "the copy has its progress window";
}

TEST_F(ItemSheetTest, ANewItemNeverTakesTheNameOfAnExistingOne) {
    // A project copied from Windows, its pictures' folder named in another letter case.
    std::filesystem::rename(project.Path("Quest/RESOURCES"), project.Path("Quest/Resources"));
    project.Write("Quest/Resources/old/RUBYRING.bmp", Sample("RESOURCES/Gem.bmp"));
    project.Write("Quest/Resources/.bmp", Sample("RESOURCES/Gem.bmp"));
    for (const char* picture : {"old/RUBYRING.bmp", ".bmp", "Staff.bmp"})
        desktop.scriptedPicks.push_back(QString::fromStdString(project.Path("Quest/Resources/") + picture));
    Open({project.Path("Quest")});
    ASSERT_EQ(desktop.messages.size(), 2);
    EXPECT_EQ(desktop.messages[0],
              QStringLiteral("An item named RUBYRING already exists in this project. Please pick another picture."));
    ASSERT_EQ(desktop.pictureFolders.size(), 3) << "after each message the picture dialog opens again";
    EXPECT_TRUE(QFileInfo(desktop.pictureFolders[0]).isDir()) << desktop.pictureFolders[0].toStdString();
    const auto absolute = [this](const char* folder) {
        return QFileInfo(QString::fromStdString(project.Path(folder))).absoluteFilePath();
    };
    EXPECT_EQ(desktop.pictureFolders.mid(1),
              (QStringList{absolute("Quest/Resources/old"), absolute("Quest/Resources")}))
        << "each time on the folder the user was in";
    EXPECT_EQ(Child<QLabel>("nameLabel").text(), QStringLiteral("Staff"));
    ClickCommand("saveButton");
    EXPECT_EQ(project.Read("Quest/SERVER/RubyRing.ITM"), Sample("SERVER/RubyRing.ITM"));
    EXPECT_EQ(project.Read("Quest/CLIENT/RubyRing.BMP"), Sample("CLIENT/RubyRing.BMP"));
    EXPECT_FALSE(project.Exists("Quest/SERVER/.ITM"));

    desktop.scriptedPicks.push_back(QString::fromStdString(project.Path("Quest/Resources/old/RUBYRING.bmp")));
    Open({project.Path("Quest")});
    EXPECT_TRUE(desktop.terminated) << "cancelling the dialog shown again still ends the run";
}

TEST_F(ItemSheetTest, CancellingThePictureEndsTheRun) {
    Open({project.Path("Quest")});
    EXPECT_TRUE(desktop.terminated);
    EXPECT_TRUE(Child<QLabel>("nameLabel").text().isEmpty());
}

TEST_F(ItemSheetTest, NoArgumentTellsTheUserAndEnds) {
    form = std::make_unique<ItemSheet>(desktop, std::vector<std::string>{});
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(desktop.messages[0].startsWith(QStringLiteral("Use \"Quorvane\" to run this program!\r")));
    EXPECT_TRUE(desktop.terminated);
}

TEST_F(ItemSheetTest, MissingFilesAreReportedInOrderAndTheSaveWritesFiveLines) {
    OpenItem("Sword.ITM");
    const QString root = QString::fromStdString(project.Path("Quest/"));
    const QChar sep = QString::fromStdString(project.Path("/")).back();
    EXPECT_EQ(
        desktop.messages,
        (QStringList{QStringLiteral("Item DATA file = ") + root + "SERVER" + sep + "Sword.ITM does not exists!",
                     QStringLiteral("Item DESCRIPTION file = ") + root + "CLIENT" + sep + "Sword.ITM does not exists!",
                     QStringLiteral("Item ICON file = ") + root + "CLIENT" + sep + "Sword.BMP does not exists!"}));
    EXPECT_EQ(Class().count(), 0);
    ClickCommand("saveButton");
    EXPECT_EQ(project.Read("Quest/SERVER/Sword.ITM"), "Type=Material\r\nBonus=\r\nPrice=0\r\nClass=\r\nStack=1\r\n");
    EXPECT_EQ(project.Read("Quest/CLIENT/Sword.ITM"), kInitialDescription);
    EXPECT_FALSE(project.Exists("Quest/CLIENT/Sword.BMP"));
}

TEST_F(ItemSheetTest, AFailingSaveIsShownAndTheWindowStaysOpen) {
    project.Write("Quest/SERVER/Lost.ITM", "Type=Ring\r\nStack=0\r\n");
    std::filesystem::remove_all(project.Path("Quest/CLIENT"));
    OpenItem("Lost.ITM");
    desktop.messages.clear();
    QString priceAtStackMessage;
    desktop.onMessage = [&](const QString& message) {
        if (message.startsWith(QStringLiteral("Stack")))
            priceAtStackMessage = Price().text();
    };
    ClickCommand("saveButton");
    EXPECT_EQ(priceAtStackMessage, QStringLiteral("0")) << "the price is fixed before the stack is checked";
    ASSERT_EQ(desktop.messages.size(), 3);
    EXPECT_EQ(desktop.messages[0], QStringLiteral("Price value is empty, set to Price=0"));
    EXPECT_EQ(desktop.messages[1], QStringLiteral("Stack value is empty or less than 1, set to Stack=1"));
    EXPECT_TRUE(desktop.messages[2].contains(QStringLiteral("Lost.ITM"))) << desktop.messages[2].toStdString();
    EXPECT_EQ(project.Read("Quest/SERVER/Lost.ITM"), "Type=Ring\r\nStack=0\r\n")
        << "nothing is written while the description has no folder to go to";
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(Stack().text(), QStringLiteral("1"));
    EXPECT_FALSE(project.Exists("Quest/CLIENT"));
}

TEST_F(ItemSheetTest, ExitLeavesEveryFileUntouched) {
    OpenItem("BronzeHelm.ITM");
    Price().selectAll();
    QTest::keyClicks(&Price(), QStringLiteral("99"));
    ClickCommand("exitButton");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(project.Read("Quest/SERVER/BronzeHelm.ITM"), Sample("SERVER/BronzeHelm.ITM"));
    EXPECT_EQ(project.Read("Quest/CLIENT/BronzeHelm.ITM"), Sample("CLIENT/BronzeHelm.ITM"));
}

TEST_F(ItemSheetTest, ALongDescriptionLineIsSavedAsItsWrappedPieces) {
    project.Write("Quest/CLIENT/RubyRing.ITM",
                  "The ring was forged in the deep halls of the mountain kings and carried by many heroes\r\n");
    OpenItem("RubyRing.ITM");
    ClickCommand("saveButton");
    const std::string saved = project.Read("Quest/CLIENT/RubyRing.ITM");
    std::string joined;
    int lines = 0;
    for (std::size_t start = 0, end; (end = saved.find("\r\n", start)) != std::string::npos; start = end + 2) {
        joined += saved.substr(start, end - start);
        ++lines;
    }
    EXPECT_GT(lines, 1);
    EXPECT_EQ(joined, "The ring was forged in the deep halls of the mountain kings and carried by many heroes");
    EXPECT_EQ(saved.find(" \r\n") != std::string::npos, true) << "the blank at a wrap stays at the piece's end";
}

TEST_F(ItemSheetTest, ALineBreakTypedWithShiftEnterIsSavedAsTheLineEndItShows) {
    project.Write("Quest/CLIENT/RubyRing.ITM", "Red stone\r\n");
    OpenItem("RubyRing.ITM");
    auto& description = Child<QPlainTextEdit>("descriptionBox");
    description.setFocus();
    description.moveCursor(QTextCursor::Start);
    description.moveCursor(QTextCursor::EndOfBlock);
    QTest::keyClick(&description, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(&description, QStringLiteral("gem"));
    ClickCommand("saveButton");
    EXPECT_TRUE(desktop.messages.isEmpty()) << desktop.messages.join('|').toStdString();
    EXPECT_EQ(project.Read("Quest/CLIENT/RubyRing.ITM"), "Red stone\r\ngem\r\n");
}

TEST_F(ItemSheetTest, AWindowsDescriptionIsSavedBackByteForByte) {
    const std::string windows = "Caf\xE9 du \x93Roi\x94 \x80 5\r\nSecond line\r\n";
    project.Write("Quest/CLIENT/RubyRing.ITM", windows);
    OpenItem("RubyRing.ITM");
    EXPECT_TRUE(Child<QPlainTextEdit>("descriptionBox")
                    .toPlainText()
                    .startsWith(QStringLiteral("Caf\u00E9 du \u201CRoi\u201D")));
    ClickCommand("saveButton");
    EXPECT_EQ(project.Read("Quest/CLIENT/RubyRing.ITM"), windows);
}
