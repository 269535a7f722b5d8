// Editing on the item sheet: the hover captions, the digit fields, the wearable check and the bonus commands.
#include "tests/support/WheelTurn.h"
#include "tests/ui/ItemSheetFixture.h"

#include "ui/widgets/BonusSpinEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>

TEST_F(ItemSheetTest, ACaptionLightsOnlyStrictlyInsideItsButton) {
    OpenItem("RubyRing.ITM");
    for (const char* name : {"addBonusButton", "editBonusButton", "removeBonusButton", "saveButton", "exitButton"})
        EXPECT_FALSE(Lit(name)) << name << " starts hidden";
    MovePointer({473, 220});
    EXPECT_FALSE(Lit("addBonusButton")) << "the left edge does not count";
    MovePointer({474, 220});
    EXPECT_TRUE(Lit("addBonusButton"));
    MovePointer({500, 390});
    EXPECT_FALSE(Lit("addBonusButton"));
    EXPECT_TRUE(Lit("exitButton"));
    MovePointer({300, 300});
    EXPECT_FALSE(Lit("exitButton")) << "the bonus list puts every caption out";
    MovePointer({600, 100});
    EXPECT_FALSE(Lit("exitButton"));
}

TEST_F(ItemSheetTest, ALitCaptionStaysLitUntilThePointerMovesOverTheBackgroundAgain) {
    OpenItem("RubyRing.ITM");
    MovePointer({520, 222});
    ASSERT_TRUE(Lit("addBonusButton"));
    MovePointer({520, 225});
    EXPECT_TRUE(Lit("addBonusButton")) << "moving over the shown button keeps it";
    MovePointer({350, 160});
    EXPECT_TRUE(Lit("addBonusButton")) << "moving onto another control leaves it lit";
}

TEST_F(ItemSheetTest, PriceAndStackTakeDigitsOnly) {
    OpenItem("RubyRing.ITM");
    Price().clear();
    QTest::keyClicks(&Price(), QStringLiteral("12a3"));
    EXPECT_EQ(Price().text(), QStringLiteral("123"));
    QTest::keyClick(&Price(), Qt::Key_Backspace);
    EXPECT_EQ(Price().text(), QStringLiteral("12"));
    Stack().clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("4b5"));
    Stack().paste();
    EXPECT_EQ(Stack().text(), QStringLiteral("45"));
}

TEST_F(ItemSheetTest, AWearableWithoutItsAppearanceFileRevertsToMaterial) {
    OpenItem("BronzeHelm.ITM");
    EXPECT_EQ(Type().currentText(), QStringLiteral("Head"));
    Choose(Class(), QStringLiteral("Mage"));
    const QString client = QString::fromStdString(project.Path("Quest/CLIENT/"));
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages[0], QStringLiteral("WARNING! For a wearable item type:\rThe related file "
                                                  "\"MageBronzeHelm.FAP\" does not exists on\r") +
                                       client +
                                       QStringLiteral("\rto prevent game problem, automatically revert to "
                                                      "\"MATERIAL\" type."));
    EXPECT_EQ(Type().currentText(), QStringLiteral("Material"));
    Choose(Class(), QStringLiteral("Warrior"));
    Choose(Type(), QStringLiteral("Cape"));
    EXPECT_EQ(desktop.messages.size(), 1) << "Warrior has no appearance file for a cape, but Material needs none";
}

TEST_F(ItemSheetTest, EditAndRemoveWorkOnTheSelectedEntry) {
    OpenItem("RubyRing.ITM");
    OnBonusDialog([](BonusDialog&) { FAIL() << "nothing selected: no dialog"; });
    ClickCommand("editBonusButton");
    Bonuses().SelectRow(1);
    QString shownKind;
    int shownValue = -1;
    OnBonusDialog([&](BonusDialog& dialog) {
        shownKind = dialog.findChild<QComboBox*>(QStringLiteral("kindBox"))->currentText();
        auto* number = dialog.findChild<BonusSpinEdit*>(QStringLiteral("valueBox"));
        shownValue = number->Value();
        number->selectAll();
        QTest::keyClicks(number, QStringLiteral("35"));
    });
    ClickCommand("editBonusButton");
    EXPECT_EQ(shownKind, QStringLiteral("ResHeat+"));
    EXPECT_EQ(shownValue, 10);
    EXPECT_EQ(BonusTexts(), (QStringList{"Attack+25", "ResHeat+35"}));
    Bonuses().SelectRow(0);
    ClickCommand("removeBonusButton");
    EXPECT_EQ(BonusTexts(), QStringList{"ResHeat+35"});
    OnBonusDialog([](BonusDialog&) { FAIL() << "nothing picked since the Remove: no dialog"; });
    ClickCommand("removeBonusButton");
    ClickCommand("editBonusButton");
    EXPECT_EQ(BonusTexts(), QStringList{"ResHeat+35"}) << "a second Remove takes nothing the user did not pick";

    Bonuses().SelectRow(0);
    OnBonusDialog([](BonusDialog&) {});
    const QPoint belowTheEntries(Bonuses().width() / 2, Bonuses().height() - 5);
    QTest::mouseDClick(Bonuses().viewport(), Qt::LeftButton, Qt::NoModifier, belowTheEntries);
    EXPECT_EQ(bonusDialogRuns, 2) << "a double click anywhere on the list edits the selected entry";
}

TEST_F(ItemSheetTest, WhatTheUserDidNotMeanChangesNothing) {
    OpenItem("RubyRing.ITM");
    auto& description = Child<QPlainTextEdit>("descriptionBox");
    const QString text = description.toPlainText();
    QGuiApplication::clipboard()->setMimeData(new QMimeData);
    description.setFocus();
    QTest::keyClick(&description, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&description, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::mouseClick(description.viewport(), Qt::MiddleButton);
    EXPECT_EQ(description.toPlainText(), text) << "pasting an empty clipboard inserts nothing and never crashes";

    QTest::keyClick(&description, Qt::Key_Tab);
    EXPECT_EQ(description.toPlainText(), text) << "Tab types no tab character";
    EXPECT_TRUE(Price().hasFocus()) << "Tab moves on to the price";

    for (QComboBox* choice : {&Type(), &Class()}) {
        const int chosen = choice->currentIndex();
        TurnWheelDown(*choice, 2);
        EXPECT_EQ(choice->currentIndex(), chosen) << "the wheel scrolls past a choice not clicked into";
    }
}

TEST_F(ItemSheetTest, AnEntryThatIsNoNumberStopsTheEditBeforeTheDialog) {
    project.Write("Quest/SERVER/RubyRing.ITM", "Type=Ring\r\nBonus=Attack+12x\r\n");
    OpenItem("RubyRing.ITM");
    Bonuses().SelectRow(0);
    OnBonusDialog([](BonusDialog&) { FAIL() << "the dialog must not open"; });
    ClickCommand("editBonusButton");
    EXPECT_EQ(desktop.messages.back(), QStringLiteral("\"12x\" is not a valid integer value"));
    EXPECT_TRUE(form->isVisible());
}

TEST_F(ItemSheetTest, MaterialAndQuestTakeNoBonusButAnUnknownTypeDoes) {
    OpenItem("AncientMap.ITM");
    OnBonusDialog([](BonusDialog&) { FAIL() << "no dialog for a quest item"; });
    ClickCommand("addBonusButton");
    EXPECT_EQ(desktop.messages.back(), QStringLiteral("Can not add bonus to this certain item type"));
    EXPECT_TRUE(BonusTexts().isEmpty());

    project.Write("Quest/SERVER/Odd.ITM", "Type=Trinket\r\nBonus=\r\n");
    OpenItem("Odd.ITM");
    EXPECT_EQ(Type().currentIndex(), -1);
    QStringList offered;
    OnBonusDialog([&](BonusDialog& dialog) {
        auto* kinds = dialog.findChild<QComboBox*>(QStringLiteral("kindBox"));
        for (int i = 0; i < kinds->count(); ++i)
            offered << kinds->itemText(i);
    });
    ClickCommand("addBonusButton");
    EXPECT_EQ(offered.size(), 18) << "an item without a type is offered the stat kinds";
}

TEST_F(ItemSheetTest, AFailureInsideAnyCommandStaysInsideItAndIsShown) {
    desktop.failing = true;
    Open({project.Path("Quest")});
    EXPECT_EQ(desktop.messages, QStringList{"the picture dialog failed"});
    EXPECT_TRUE(Child<QPlainTextEdit>("descriptionBox").toPlainText().startsWith(QStringLiteral("Write description")))
        << "a failed opening leaves the sheet's own description";
    desktop.failing = false;
    desktop.scriptedPicks.push_back(QString::fromStdString(project.Path("Quest/RESOURCES/Staff.bmp")));
    Open({project.Path("Quest")});

    desktop.messages.clear();
    Choose(Type(), QStringLiteral("Ring"));
    OnBonusDialog([](BonusDialog&) { throw std::runtime_error("the bonus dialog failed"); });
    ClickCommand("addBonusButton");
    desktop.failing = true;
    ClickCommand("saveButton");
    EXPECT_EQ(desktop.messages, (QStringList{"the bonus dialog failed", "the progress window failed"}));
    EXPECT_TRUE(form->isVisible()) << "every failure ends its own command, never the program";
}
