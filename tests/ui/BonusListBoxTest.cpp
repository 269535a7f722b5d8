#include "ui/widgets/BonusListBox.h"

#include <QAccessible>
#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A list of the sheet's size with the given number of rows: "Bonus 0", "Bonus 1", ...
class BonusListBoxTest : public testing::Test {
protected:
    void Show(int rows) {
        list.setGeometry(0, 0, 209, 185);
        for (int row = 0; row < rows; ++row)
            list.Append({QStringLiteral("Bonus %1").arg(row), "Bonus " + std::to_string(row)});
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    }

    // The middle of the row shown at that place from the top.
    QPoint ShownRow(int place) const { return QPoint(40, place * list.RowHeight() + list.RowHeight() / 2); }

    BonusListBox list{nullptr};
};

TEST_F(BonusListBoxTest, TheUserPicksARowByClickOrKeyAndAPressBelowTheRowsKeepsIt) {
    Show(3);
    EXPECT_EQ(list.SelectedRow(), -1);
    QTest::mouseClick(&list, Qt::LeftButton, Qt::NoModifier, ShownRow(1));
    EXPECT_EQ(list.SelectedRow(), 1);
    QTest::mouseClick(&list, Qt::LeftButton, Qt::NoModifier, ShownRow(5));
    EXPECT_EQ(list.SelectedRow(), 1);
    QTest::keyClick(&list, Qt::Key_Up);
    QTest::keyClick(&list, Qt::Key_Up);
    EXPECT_EQ(list.SelectedRow(), 0) << "the first row stays selected";
    QTest::keyClick(&list, Qt::Key_End);
    EXPECT_EQ(list.SelectedRow(), 2);
    QTest::keyClick(&list, Qt::Key_PageUp);
    EXPECT_EQ(list.SelectedRow(), 0);
    QTest::keyClicks(&list, QStringLiteral("bonus 2"));
    EXPECT_EQ(list.SelectedRow(), 2) << "typing finds the row that starts so";
    QTest::keyClick(&list, Qt::Key_Home);

    QSignalSpy doubleClicks(&list, &BonusListBox::doubleClicked);
    QSignalSpy moves(&list, &BonusListBox::pointerMoved);
    QTest::mouseDClick(&list, Qt::LeftButton, Qt::NoModifier, ShownRow(6));
    QTest::mouseMove(&list, ShownRow(2));
    EXPECT_EQ(doubleClicks.size(), 1);
    EXPECT_GE(moves.size(), 1);

    list.Remove(0);
    EXPECT_EQ(list.SelectedRow(), -1) << "a second Remove must find nothing picked";
    EXPECT_EQ(list.At(0).text, QStringLiteral("Bonus 1"));
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.SelectedRow(), 0) << "with none selected, the keys start at the first row";
}

TEST_F(BonusListBoxTest, ManyRowsScrollAndTheSelectedRowIsDrawnWhereItIsShown) {
    Show(100);
    auto* scrollBar = list.findChild<QScrollBar*>();
    ASSERT_TRUE(scrollBar && scrollBar->isVisible());
    EXPECT_LE(list.RowsRect().right(), scrollBar->x());

    QTest::keyClick(&list, Qt::Key_End);
    const int lastShownPlace = 99 - list.FirstShownRow();
    EXPECT_GT(list.FirstShownRow(), 0);
    EXPECT_LT(lastShownPlace * list.RowHeight(), list.height());
    list.clearFocus();
    const QImage shown = list.grab().toImage();
    const QColor highlight = list.palette().color(QPalette::Active, QPalette::Highlight);
    const int right = list.RowsRect().right() - 10;
    EXPECT_EQ(shown.pixelColor(right, ShownRow(lastShownPlace).y()), highlight);
    EXPECT_NE(shown.pixelColor(right, ShownRow(lastShownPlace - 1).y()), highlight);

    QTest::mouseClick(&list, Qt::LeftButton, Qt::NoModifier, ShownRow(1));
    EXPECT_EQ(list.SelectedRow(), list.FirstShownRow() + 1);
    QTest::keyClick(&list, Qt::Key_Home);
    EXPECT_EQ(list.FirstShownRow(), 0);

    while (list.Count() > 3)
        list.Remove(list.Count() - 1);
    EXPECT_FALSE(scrollBar->isVisible());
    EXPECT_EQ(list.FirstShownRow(), 0);
}

TEST_F(BonusListBoxTest, ScreenReadersSeeTheRowsAndWhichIsSelected) {
    Show(3);
    QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(&list);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->role(), QAccessible::List);
    ASSERT_EQ(shown->childCount(), 3);
    QAccessibleInterface* second = shown->child(1);
    EXPECT_EQ(second->role(), QAccessible::ListItem);
    EXPECT_EQ(second->text(QAccessible::Name), QStringLiteral("Bonus 1"));
    EXPECT_EQ(shown->indexOfChild(second), 1);
    EXPECT_FALSE(second->state().selected);
    list.SelectRow(1);
    EXPECT_TRUE(second->state().selected);
    EXPECT_EQ(shown->childAt(list.mapToGlobal(ShownRow(1)).x(), list.mapToGlobal(ShownRow(1)).y()), second);

    QAccessibleInterface* third = shown->child(2);
    list.Remove(2);
    EXPECT_FALSE(third->isValid());
    EXPECT_EQ(shown->child(2), nullptr);
}

} // namespace
