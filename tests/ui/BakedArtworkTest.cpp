// The editor shows the artwork baked when it was built: it must be exactly what the painting code paints, so a
// bake that went stale, lost a file or changed a pixel format is caught here.
#include "BakedArtwork.h"
#include "SheetArtwork.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

constexpr int kCaptionCount = 5;

TEST(BakedArtworkTest, ItemSheetIsThePaintedPlainSheet) {
    const QImage baked = BakedArtwork::ItemSheet();
    ASSERT_FALSE(baked.isNull());
    EXPECT_EQ(baked, SheetArtwork::PaintItemSheet(false));
}

TEST(BakedArtworkTest, LitCaptionButtonsAreThePiecesOfThePaintedLitSheet) {
    const QImage litSheet = SheetArtwork::PaintItemSheet(true);
    for (int index = 0; index < kCaptionCount; ++index) {
        const QImage baked = BakedArtwork::LitCaptionButton(index).toImage();
        ASSERT_FALSE(baked.isNull()) << "caption " << index;
        EXPECT_EQ(baked, SheetArtwork::CaptionButtonPicture(litSheet, index).toImage()) << "caption " << index;
    }
    EXPECT_TRUE(BakedArtwork::LitCaptionButton(-1).isNull());
    EXPECT_TRUE(BakedArtwork::LitCaptionButton(kCaptionCount).isNull());
}

} // namespace
