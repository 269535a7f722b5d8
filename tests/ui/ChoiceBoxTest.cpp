#include "ui/widgets/ChoiceBox.h"

#include <QApplication>
#include <QImage>

#include <gtest/gtest.h>

namespace {

// How many pixels of the picture pass the test.
template <typename Test> int Count(const QImage& picture, Test test) {
    int count = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            count += test(picture.pixelColor(x, y)) ? 1 : 0;
    }
    return count;
}

bool IsDark(const QColor& colour) {
    return colour.lightness() < 100;
}

} // namespace

TEST(ChoiceBox, ShowsItsChoiceOnWhiteAndHighlightsItWithTheFocus) {
    QWidget window;
    auto* choice = new ChoiceBox(QStringLiteral("typeBox"), &window);
    choice->setGeometry(0, 0, 199, 21);
    choice->addItems({QStringLiteral("Material"), QStringLiteral("Ring")});
    choice->setCurrentIndex(1);
    window.show();
    EXPECT_FALSE(choice->isEditable());

    const QImage unfocused = choice->grab().toImage();
    EXPECT_EQ(unfocused.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_EQ(unfocused.pixelColor(60, 10), QColor(Qt::white));
    EXPECT_GT(Count(unfocused, IsDark), 20);

    QApplication::setActiveWindow(&window);
    choice->setFocus();
    ASSERT_TRUE(choice->hasFocus());
    const QImage focused = choice->grab().toImage();
    // The highlight of the active window: Windows' own style gives an inactive window another one.
    const QColor highlight = choice->palette().color(QPalette::Active, QPalette::Highlight);
    const auto isHighlight = [&](const QColor& colour) { return colour == highlight; };
    EXPECT_EQ(Count(unfocused, isHighlight), 0);
    EXPECT_GT(Count(focused, isHighlight), 100);
    EXPECT_EQ(focused.pixelColor(150, 10), QColor(Qt::white));
}
