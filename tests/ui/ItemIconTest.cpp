#include "ui/widgets/ItemIcon.h"
#include "tests/support/TempFolder.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// A 4 x 4 picture on a magenta ground with one blue pixel, saved as format under name.
std::string SavePicture(const TempFolder& folder, const std::string& name, const char* format) {
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::magenta);
    picture.setPixel(1, 1, qRgb(0, 0, 255));
    const std::string path = folder.Path(name);
    EXPECT_TRUE(picture.save(QString::fromStdString(path), format));
    return path;
}

void ExpectGroundTransparentAndFigureKept(const ItemIcon& read) {
    EXPECT_EQ(read.problem, QString());
    const QPixmap& icon = read.picture;
    ASSERT_FALSE(icon.isNull());
    const QImage shown = icon.toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(shown.pixel(0, 3)), 0);
    EXPECT_EQ(qAlpha(shown.pixel(3, 0)), 0);
    EXPECT_EQ(shown.pixel(1, 1), qRgba(0, 0, 255, 255));
}

} // namespace

TEST(ItemIcon, APictureIsReadByItsNameOrElseByItsContent) {
    const TempFolder folder;
    ExpectGroundTransparentAndFigureKept(ReadItemIcon(SavePicture(folder, "Ring.bmp", "BMP")));
    ExpectGroundTransparentAndFigureKept(ReadItemIcon(SavePicture(folder, "RING.BMP", "BMP")));
    ExpectGroundTransparentAndFigureKept(ReadItemIcon(SavePicture(folder, "Disguised.bmp", "PNG")));
    ExpectGroundTransparentAndFigureKept(ReadItemIcon(SavePicture(folder, "Nameless", "BMP")));

    folder.Write("Broken.bmp", "BM not really a picture");
    EXPECT_TRUE(ReadItemIcon(folder.Path("Broken.bmp")).picture.isNull());
    EXPECT_TRUE(ReadItemIcon(folder.Path("Missing.bmp")).picture.isNull());
}
