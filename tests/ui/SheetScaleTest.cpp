// The sheet and the bonus dialog on a screen of more device pixels per window pixel (the program runs once per
// scale, given by --scale): the window keeps its size in window pixels, everything is painted at the screen's
// resolution rather than stretched, and each lit caption lies on the very device pixels of the caption it lights.
#include "tests/ui/ItemSheetFixture.h"
#include "ui/artwork/SheetArtwork.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace {

// The device pixels wholly inside a window area at scale.
QRect PixelsInside(const QRect& area, qreal scale) {
    const QPoint topLeft(static_cast<int>(std::ceil(area.left() * scale)),
                         static_cast<int>(std::ceil(area.top() * scale)));
    const QPoint beyond(static_cast<int>(std::floor((area.right() + 1) * scale)),
                        static_cast<int>(std::floor((area.bottom() + 1) * scale)));
    return QRect(topLeft, beyond - QPoint(1, 1));
}

} // namespace

TEST_F(ItemSheetTest, AtTheScreensScaleTheSheetIsSharpAndEachLitCaptionLiesOnItsCaption) {
    const qreal scale = QGuiApplication::primaryScreen()->devicePixelRatio();
    OpenItem("RubyRing.ITM");
    EXPECT_EQ(form->size(), SheetArtwork::kSheetSize) << "the window keeps its size in window pixels";
    const QImage painted = SheetArtwork::PaintItemSheet(SheetArtwork::Captions::Plain, scale);
    const QImage lit = SheetArtwork::PaintItemSheet(SheetArtwork::Captions::Lit, scale);

    const QImage shown = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), painted.size()) << "the window is drawn with every device pixel, at scale " << scale;
    const QRect crest = PixelsInside(QRect(438, 9, 185, 115), scale);
    EXPECT_EQ(shown.copy(crest), painted.copy(crest)) << "the artwork is the sheet painted at the screen's scale";

    for (int index = 0; index < SheetArtwork::kCaptionCount; ++index) {
        const QRect button = SheetArtwork::CaptionButtonRect(index);
        MovePointer(button.center() - QPoint(1, 1));
        MovePointer(button.center());
        const QImage lighted = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect pixels = PixelsInside(button, scale);
        EXPECT_EQ(lighted.copy(pixels), lit.copy(pixels)) << "caption " << index << " at scale " << scale;
        EXPECT_NE(lighted.copy(pixels), painted.copy(pixels)) << "caption " << index << " lights up";
    }

    bonusDialog.ensurePolished();
    for (const char* name : {"kindPicture", "valuePicture"}) {
        const QPixmap picture = bonusDialog.findChild<QLabel*>(QLatin1String(name))->pixmap();
        EXPECT_EQ(picture.devicePixelRatio(), scale) << name << " is painted at the screen's resolution";
    }
}
