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
QImage PaintedPicture(const QString& name, qreal scale) {
    const QString suffix = scale == 1.0 ? QStringLiteral(".rgb32") : QStringLiteral("@%1x.rgb32").arg(scale);
    QFile file(QStringLiteral(BRINDLE_BAKED_BY_BUILD_MACHINE "/") + name + suffix);
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    const QByteArray bytes = file.readAll();
    std::int32_t size[2] = {0, 0};
    std::memcpy(size, bytes.constData(), sizeof size);
    QImage picture = QImage(reinterpret_cast<const uchar*>(bytes.constData() + sizeof size), size[0], size[1],
                            size[0] * 4, QImage::Format_RGB32)
                         .copy();
    picture.setDevicePixelRatio(scale);
    return picture;
}

QImage PaintedSheet(qreal scale) {
    return PaintedPicture(QStringLiteral("ItemSheet"), scale);
}

QImage PaintedCaption(int index, qreal scale) {
    return PaintedPicture(QStringLiteral("LitCaption%1").arg(index), scale);
}
#else
QImage PaintedSheet(qreal scale) {
    return SheetArtwork::PaintItemSheet(SheetArtwork::Captions::Plain, scale);
}

QImage PaintedCaption(int index, qreal scale) {
    return SheetArtwork::CaptionButtonPicture(SheetArtwork::PaintItemSheet(SheetArtwork::Captions::Lit, scale), index)
        .toImage();
}
#endif

// The scales the program carries its artwork for.
const qreal kBakedScales[] = {1.0, 2.0};

TEST(BakedArtworkTest, ItemSheetIsThePaintedPlainSheet) {
    for (const qreal scale : kBakedScales) {
        const QImage baked = BakedArtwork::ItemSheet(scale);
        ASSERT_FALSE(baked.isNull()) << "scale " << scale;
        EXPECT_EQ(baked, PaintedSheet(scale)) << "scale " << scale;
        EXPECT_EQ(baked.devicePixelRatio(), scale);
    }
    EXPECT_TRUE(BakedArtwork::ItemSheet(1.5).isNull()) << "other scales are painted when first shown";
}

TEST(BakedArtworkTest, LitCaptionButtonsAreThePiecesOfThePaintedLitSheet) {
    for (const qreal scale : kBakedScales) {
        for (int index = 0; index < SheetArtwork::kCaptionCount; ++index) {
            const QImage baked = BakedArtwork::LitCaptionButton(index, scale).toImage();
            ASSERT_FALSE(baked.isNull()) << "caption " << index;
            EXPECT_EQ(baked, PaintedCaption(index, scale)) << "caption " << index << ", scale " << scale;
        }
    }
    EXPECT_TRUE(BakedArtwork::LitCaptionButton(-1, 1.0).isNull());
    EXPECT_TRUE(BakedArtwork::LitCaptionButton(SheetArtwork::kCaptionCount, 1.0).isNull());
}

} // namespace
