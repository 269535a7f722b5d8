#include "ui/widgets/BonusListBox.h"

#include <QAccessible>
#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

int Distance(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}

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

    int RowHeight() const { return list.visualItemRect(list.item(0)).height(); }
    int FirstShownRow() const { return list.indexAt(QPoint(1, 1)).row(); }
    // The middle of the row shown at that place from the top, where the rows are: in the list's viewport.
    QPoint ShownRow(int place) const { return QPoint(40, place * RowHeight() + RowHeight() / 2); }
    QWidget* Rows() { return list.viewport(); }

    BonusListBox list{nullptr};
};

TEST_F(BonusListBoxTest, TheUserPicksARowByClickOrKeyAndAPressBelowTheRowsKeepsIt) {
    Show(3);
    EXPECT_EQ(list.SelectedRow(), -1);
    QTest::mouseClick(Rows(), Qt::LeftButton, Qt::NoModifier, ShownRow(1));
    EXPECT_EQ(list.SelectedRow(), 1);
    QTest::mouseClick(Rows(), Qt::LeftButton, Qt::NoModifier, ShownRow(5));
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
    QTest::mouseDClick(Rows(), Qt::LeftButton, Qt::NoModifier, ShownRow(6));
    QTest::mouseMove(Rows(), ShownRow(2));
    EXPECT_EQ(doubleClicks.size(), 1);
    EXPECT_GE(moves.size(), 1);

    list.Remove(0);
    EXPECT_EQ(list.SelectedRow(), -1) << "a second Remove must find nothing picked";
    EXPECT_EQ(list.At(0).text, QStringLiteral("Bonus 1"));
    EXPECT_EQ(list.At(0).bytes, "Bonus 1");
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.SelectedRow(), 0) << "with none selected, the keys start at the first row";
}

TEST_F(BonusListBoxTest, ManyRowsScrollAndTheSelectedRowIsDrawnWhereItIsShown) {
    Show(100);
    QScrollBar* scrollBar = list.verticalScrollBar();
    ASSERT_TRUE(scrollBar && scrollBar->isVisible());
    EXPECT_LE(Rows()->geometry().right(), list.width() - scrollBar->width());

    QTest::keyClick(&list, Qt::Key_End);
    const int lastShownPlace = 99 - FirstShownRow();
    EXPECT_GT(FirstShownRow(), 0);
    EXPECT_LT(lastShownPlace * RowHeight(), list.height());
    const QImage shown = Rows()->grab().toImage();
    const int right = Rows()->width() - 10;
    // The style draws the selected row in the highlight, shaded as it draws every list's selection.
    const QColor highlight = list.palette().color(QPalette::Highlight);
    const QColor ground = list.palette().color(QPalette::Base);
    const QColor selected = shown.pixelColor(right, ShownRow(lastShownPlace).y());
    const QColor other = shown.pixelColor(right, ShownRow(lastShownPlace - 1).y());
    EXPECT_LT(Distance(selected, highlight), Distance(selected, ground)) << selected.name().toStdString();
    EXPECT_EQ(other, ground) << other.name().toStdString();

    QTest::mouseClick(Rows(), Qt::LeftButton, Qt::NoModifier, ShownRow(1));
    EXPECT_EQ(list.SelectedRow(), FirstShownRow() + 1);
    QTest::keyClick(&list, Qt::Key_Home);
    EXPECT_EQ(FirstShownRow(), 0);

    while (list.Count() > 3)
        list.Remove(list.Count() - 1);
    QApplication::processEvents();
    EXPECT_FALSE(scrollBar->isVisible());
    EXPECT_EQ(FirstShownRow(), 0);
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

    list.Remove(2);
    EXPECT_EQ(shown->childCount(), 2);
}

} // namespace
