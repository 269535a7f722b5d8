// The editor shows the artwork baked when it was built: it must be exactly what the painting code paints, so a
// bake that went stale, lost a file or changed a pixel format is caught here.
#include "ui/artwork/BakedArtwork.h"
#include "ui/artwork/SheetArtwork.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace {

#ifdef BRINDLE_BAKED_BY_BUILD_MACHINE
// A cross build's artwork is painted on the build machine, with that machine's fonts: what the program embeds
// must be exactly the pictures that baker wrote (the build machine's own run of this test checks the painting).
QImage PaintedPicture(const QString& name) {
    QFile file(QStringLiteral(BRINDLE_BAKED_BY_BUILD_MACHINE "/") + name + QStringLiteral(".rgb32"));
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    const QByteArray bytes = file.readAll();
    std::int32_t size[2] = {0, 0};
    std::memcpy(size, bytes.constData(), sizeof size);
    return QImage(reinterpret_cast<const uchar*>(bytes.constData() + sizeof size), size[0], size[1], size[0] * 4,
                  QImage::Format_RGB32)
        .copy();
}

QImage PaintedSheet() {
    return PaintedPicture(QStringLiteral("ItemSheet"));
}

QImage PaintedCaption(int index) {
    return PaintedPicture(QStringLiteral("LitCaption%1").arg(index));
}
#else
QImage PaintedSheet() {
    return SheetArtwork::PaintItemSheet(false);
}

QImage PaintedCaption(int index) {
    return SheetArtwork::CaptionButtonPicture(SheetArtwork::PaintItemSheet(true), index).toImage();
}
#endif

TEST(BakedArtworkTest, ItemSheetIsThePaintedPlainSheet) {
    const QImage baked = BakedArtwork::ItemSheet();
    ASSERT_FALSE(baked.isNull());
    EXPECT_EQ(baked, PaintedSheet());
}

TEST(BakedArtworkTest, LitCaptionButtonsAreThePiecesOfThePaintedLitSheet) {
    for (int index = 0; index < SheetArtwork::kCaptionCount; ++index) {
        const QImage baked = BakedArtwork::LitCaptionButton(index).toImage();
        ASSERT_FALSE(baked.isNull()) << "caption " << index;
        EXPECT_EQ(baked, PaintedCaption(index)) << "caption " << index;
    }
    EXPECT_TRUE(BakedArtwork::LitCaptionButton(-1).isNull());
    EXPECT_TRUE(BakedArtwork::LitCaptionButton(SheetArtwork::kCaptionCount).isNull());
}

} // namespace
