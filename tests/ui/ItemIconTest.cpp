#include "ui/widgets/ItemIcon.h"
#include "itemdata/IconBitmap.h"
#include "tests/support/TempFolder.h"

#include <QImage>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <utility>

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

void Append(QByteArray& bytes, qint64 value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A bitmap with a 40-byte header and no compression; pixel (x, y) is palette entry or grey level x * 3 + y, capped
// at indexLimit. colours: the table's entries as the header gives them (0: all 256 for 8 bits).
QByteArray Bitmap(int width, int height, int bits, int colours = 0, int compression = 0, int indexLimit = 255) {
    const int entries = bits == 8 ? (colours ? colours : 256) : 0;
    const int rowBytes = (width * bits + 31) / 32 * 4;
    const int rows = std::abs(height);
    QByteArray bytes("BM");
    Append(bytes, 54 + entries * 4 + rowBytes * rows, 4);
    Append(bytes, 0, 4);
    Append(bytes, 54 + entries * 4, 4);
    for (const auto& [value, size] : std::initializer_list<std::pair<qint64, int>>{{40, 4},
                                                                                   {width, 4},
                                                                                   {height, 4},
                                                                                   {1, 2},
                                                                                   {bits, 2},
                                                                                   {compression, 4},
                                                                                   {0, 4},
                                                                                   {0, 8},
                                                                                   {colours, 4},
                                                                                   {0, 4}})
        Append(bytes, value, size);
    for (int i = 0; i < entries; ++i)
        Append(bytes, qint64(i * 50 % 256) | qint64(i * 90 % 256) << 8 | qint64(255 - i) << 16, 4);
    for (int y = 0; y < rows; ++y) {
        QByteArray row;
        for (int x = 0; x < width; ++x)
            Append(row, bits == 8 ? std::min(x * 3 + y, indexLimit) : (x * 3 + y) * 0x010203, bits / 8);
        bytes.append(row.leftJustified(rowBytes, '\0'));
    }
    return bytes;
}

// A 4 x 4 bitmap of 32 bits a pixel with an alpha mask (the 108-byte header): red on a white ground, every pixel of
// the given alpha.
QByteArray AlphaBitmap(int alpha) {
    QByteArray bytes("BM");
    for (const auto& [value, size] : std::initializer_list<std::pair<qint64, int>>{{14 + 108 + 64, 4},
                                                                                   {0, 4},
                                                                                   {14 + 108, 4},
                                                                                   {108, 4},
                                                                                   {4, 4},
                                                                                   {4, 4},
                                                                                   {1, 2},
                                                                                   {32, 2},
                                                                                   {3, 4},
                                                                                   {64, 4},
                                                                                   {0, 8},
                                                                                   {0, 8},
                                                                                   {0x00FF0000, 4},
                                                                                   {0x0000FF00, 4},
                                                                                   {0x000000FF, 4},
                                                                                   {0xFF000000, 4}})
        Append(bytes, value, size);
    bytes.append(QByteArray(108 - 56, '\0'));
    // The rows from the bottom up: the ground's colour is the bottom left pixel's.
    for (int i = 0; i < 16; ++i)
        Append(bytes, (i == 0 ? 0x00FFFFFF : 0x00FF0000) | qint64(alpha) << 24, 4);
    return bytes;
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

TEST(ItemIcon, ABitmapCutShortIsToldAndNeverDrawnFromMemory) {
    const TempFolder folder;
    const QByteArray whole = Bitmap(32, 32, 24);
    for (const QByteArray& cut : {whole.left(54 + 32 * 96 / 3), whole.left(whole.size() - 1),
                                  Bitmap(4, 4, 24).replace(10, 4, QByteArray("\x00\x10\x00\x00", 4))}) {
        folder.Write("Cut.BMP", cut.toStdString());
        const ItemIcon read = ReadItemIcon(folder.Path("Cut.BMP"));
        EXPECT_TRUE(read.picture.isNull());
        EXPECT_TRUE(read.problem.endsWith(QStringLiteral(" cannot be read: the file is cut short.")))
            << read.problem.toStdString();
    }
    folder.Write("Whole.BMP", whole.toStdString());
    EXPECT_EQ(ReadItemIcon(folder.Path("Whole.BMP")).problem, QString());
}

TEST(ItemIcon, AThirtyTwoBitBitmapWithoutAnyAlphaIsDrawnOpaqueAsWindowsDrawsIt) {
    const TempFolder folder;
    for (const int alpha : {0, 255}) {
        folder.Write("Alpha.BMP", AlphaBitmap(alpha).toStdString());
        const ItemIcon read = ReadItemIcon(folder.Path("Alpha.BMP"));
        ASSERT_EQ(read.problem, QString());
        const QImage shown = read.picture.toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(shown.pixel(1, 1), qRgba(255, 0, 0, 255)) << "alpha " << alpha;
        EXPECT_EQ(qAlpha(shown.pixel(0, 3)), 0) << "the ground stays transparent";
    }
}
