#include "ItemIcon.h"
#include "TempFolder.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// A 4 x 4 picture on a magenta ground with one blue pixel, saved as format under name.
QString SavePicture(const TempFolder& folder, const std::string& name, const char* format) {
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::magenta);
    picture.setPixel(1, 1, qRgb(0, 0, 255));
    const QString path = QString::fromStdString(folder.Path(name));
    EXPECT_TRUE(picture.save(path, format));
    return path;
}

void ExpectGroundTransparentAndFigureKept(const QPixmap& icon) {
    ASSERT_FALSE(icon.isNull());
    const QImage shown = icon.toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(shown.pixel(0, 3)), 0);
    EXPECT_EQ(qAlpha(shown.pixel(3, 0)), 0);
    EXPECT_EQ(shown.pixel(1, 1), qRgba(0, 0, 255, 255));
}

} // namespace

TEST(ItemIcon, APictureIsReadByItsNameOrElseByItsContent) {
    const TempFolder folder;
    ExpectGroundTransparentAndFigureKept(TransparentIcon(SavePicture(folder, "Ring.bmp", "BMP")));
    ExpectGroundTransparentAndFigureKept(TransparentIcon(SavePicture(folder, "RING.BMP", "BMP")));
    ExpectGroundTransparentAndFigureKept(TransparentIcon(SavePicture(folder, "Disguised.bmp", "PNG")));
    ExpectGroundTransparentAndFigureKept(TransparentIcon(SavePicture(folder, "Nameless", "BMP")));

    folder.Write("Broken.bmp", "BM not really a picture");
    EXPECT_TRUE(TransparentIcon(QString::fromStdString(folder.Path("Broken.bmp"))).isNull());
    EXPECT_TRUE(TransparentIcon(QString::fromStdString(folder.Path("Missing.bmp"))).isNull());
}
