#include "ui/widgets/PlainBitmap.h"

#include <QImageReader>
#include <QList>

#include <cstdint>
#include <cstdlib>

namespace {

constexpr qsizetype kHeadersBytes = 14 + 40;

std::uint32_t Field(const QByteArray& bytes, qsizetype at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

QRgb Colour(const uchar* blueGreenRed) {
    return qRgb(blueGreenRed[2], blueGreenRed[1], blueGreenRed[0]);
}

} // namespace

QImage ReadPlainBitmap(const QByteArray& bytes) {
    if (bytes.size() < kHeadersBytes || !bytes.startsWith("BM") || Field(bytes, 14, 4) != 40)
        return QImage();
    const qint64 width = static_cast<std::int32_t>(Field(bytes, 18, 4));
    const qint64 height = static_cast<std::int32_t>(Field(bytes, 22, 4));
    const std::uint32_t bits = Field(bytes, 28, 2);
    if (Field(bytes, 26, 2) != 1 || Field(bytes, 30, 4) != 0 || (bits != 8 && bits != 24) || width <= 0 ||
        height == 0 || height == INT32_MIN)
        return QImage();
    const qint64 rows = std::llabs(height);
    // Larger pictures are Qt's reader's to refuse, by the limit it is given.
    if (static_cast<std::uint64_t>(width * rows) * 4 > std::uint64_t(QImageReader::allocationLimit()) * 1024 * 1024)
        return QImage();
    const qint64 colours = bits == 8 ? (Field(bytes, 46, 4) != 0 ? Field(bytes, 46, 4) : 256) : 0;
    const qint64 pixelsAt = Field(bytes, 10, 4);
    const qint64 rowBytes = (width * bits + 31) / 32 * 4;
    if (colours > 256 || pixelsAt < kHeadersBytes + colours * 4 || pixelsAt + rowBytes * rows > bytes.size())
        return QImage();
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    QList<QRgb> table;
    for (qint64 i = 0; i < colours; ++i)
        table.append(Colour(data + kHeadersBytes + i * 4));
    QImage image(static_cast<int>(width), static_cast<int>(rows), QImage::Format_RGB32);
    for (qint64 y = 0; y < rows && !image.isNull(); ++y) {
        // Rows are stored from the bottom up, unless the height is negative.
        const uchar* row = data + pixelsAt + rowBytes * (height > 0 ? rows - 1 - y : y);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
        for (qint64 x = 0; x < width; ++x) {
            if (bits == 24) {
                line[x] = Colour(row + x * 3);
            } else if (row[x] < colours) {
                line[x] = table[row[x]];
            } else {
                return QImage(); // an index past the table, left to Qt's reader
            }
        }
    }
    return image;
}
