#include "ui/artwork/ProgramIconFile.h"

#include <QBuffer>
#include <QtEndian>

namespace {

constexpr int kPngSize = 256;
constexpr int kDirectoryBytes = 6;
constexpr int kEntryBytes = 16;
constexpr int kBitmapHeaderBytes = 40;

void Append16(QByteArray& bytes, quint16 value) {
    const quint16 little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&little), sizeof little);
}

void Append32(QByteArray& bytes, quint32 value) {
    const quint32 little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&little), sizeof little);
}

QByteArray Png(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

// A bitmap as an icon stores it: the header counts the colour rows and the mask's rows together, the rows run
// bottom up, and a one-bit mask marks the fully transparent pixels for programs that ignore the alpha channel.
QByteArray IconBitmap(const QImage& picture) {
    const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32);
    const int side = pixels.width();
    const int maskRowBytes = ((side + 31) / 32) * 4;
    QByteArray bytes;
    Append32(bytes, kBitmapHeaderBytes);
    Append32(bytes, static_cast<quint32>(side));
    Append32(bytes, static_cast<quint32>(2 * side));
    Append16(bytes, 1);
    Append16(bytes, 32);
    Append32(bytes, 0);
    Append32(bytes, static_cast<quint32>(side * side * 4 + maskRowBytes * side));
    for (int i = 0; i < 4; ++i)
        Append32(bytes, 0);
    for (int y = side - 1; y >= 0; --y) {
        for (int x = 0; x < side; ++x)
            Append32(bytes, pixels.pixel(x, y));
    }
    for (int y = side - 1; y >= 0; --y) {
        QByteArray row(maskRowBytes, '\0');
        for (int x = 0; x < side; ++x) {
            if (qAlpha(pixels.pixel(x, y)) == 0)
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        }
        bytes.append(row);
    }
    return bytes;
}

} // namespace

QByteArray ProgramIconFile(const std::vector<QImage>& pictures) {
    std::vector<QByteArray> images;
    for (const QImage& picture : pictures)
        images.push_back(picture.width() == kPngSize ? Png(picture) : IconBitmap(picture));
    QByteArray file;
    Append16(file, 0);
    Append16(file, 1);
    Append16(file, static_cast<quint16>(pictures.size()));
    quint32 offset = kDirectoryBytes + kEntryBytes * static_cast<quint32>(pictures.size());
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const int side = pictures[i].width();
        // A side of 256 does not fit the entry's byte and is written as 0.
        file.append(static_cast<char>(side % 256));
        file.append(static_cast<char>(side % 256));
        file.append('\0');
        file.append('\0');
        Append16(file, 1);
        Append16(file, 32);
        Append32(file, static_cast<quint32>(images[i].size()));
        Append32(file, offset);
        offset += static_cast<quint32>(images[i].size());
    }
    for (const QByteArray& image : images)
        file.append(image);
    return file;
}
