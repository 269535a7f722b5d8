#include "ui/widgets/ItemIcon.h"

#include "base/FileError.h"
#include "base/FileSystem.h"
#include "itemdata/IconBitmap.h"
#include "platform/TextCodec.h"

#include <QBitmap>
#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <cstdint>
#include <optional>

namespace {

// Reading by the format the name gives spares Qt from loading every image plug-in to ask whether it knows the
// file; a picture whose name does not tell its format is then read by its content.
QImage ReadPicture(const QByteArray& bytes, const QString& fileName, QSize& claimedSize) {
    QBuffer byName;
    byName.setData(bytes);
    QImageReader reader(&byName, QFileInfo(fileName).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    claimedSize = reader.size();
    QImage picture = reader.read();
    if (!picture.isNull())
        return picture;
    QBuffer byContent;
    byContent.setData(bytes);
    QImageReader anyFormat(&byContent);
    if (!claimedSize.isValid())
        claimedSize = anyFormat.size();
    return anyFormat.read();
}

// What Qt agrees to hold in memory for one picture.
std::uint64_t PictureBytesLimit() {
    return std::uint64_t(QImageReader::allocationLimit()) * 1024 * 1024;
}

// True when a picture of that size is more than Qt agrees to hold in memory.
bool TooLargeToLoad(const QSize& size) {
    return size.isValid() && std::uint64_t(size.width()) * std::uint64_t(size.height()) * 4 > PictureBytesLimit();
}

// Windows draws a 32-bit bitmap whose alpha is nowhere set as opaque: its fourth byte is then no alpha at all.
QImage OpaqueWithoutAlpha(QImage picture) {
    if (picture.format() != QImage::Format_ARGB32)
        return picture;
    for (int y = 0; y < picture.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        if (std::any_of(row, row + picture.width(), [](QRgb pixel) { return qAlpha(pixel) != 0; }))
            return picture;
    }
    return picture.convertToFormat(QImage::Format_RGB32);
}

QPixmap Transparent(const QImage& picture) {
    const QRgb background = picture.pixel(0, picture.height() - 1);
    QPixmap icon = QPixmap::fromImage(picture);
    icon.setMask(QBitmap::fromImage(picture.createMaskFromColor(background, Qt::MaskInColor)));
    return icon;
}

} // namespace

ItemIcon ReadItemIcon(const std::string& path) {
    const QString shownPath = TextCodec::FromName(path);
    std::string bytes;
    try {
        bytes = FileSystem::ReadFile(path);
    } catch (const FileError& failure) {
        return {QPixmap(), TextCodec::FromName(failure.what())};
    }
    if (JudgeIconBitmap(bytes.substr(0, kIconHeadBytes), bytes.size()).verdict == IconVerdict::CutShort)
        return {QPixmap(), QStringLiteral("Item ICON file = %1 cannot be read: the file is cut short.").arg(shownPath)};
    QSize claimedSize;
    QImage picture =
        ReadPicture(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), shownPath, claimedSize);
    if (!picture.isNull())
        return {Transparent(OpaqueWithoutAlpha(std::move(picture))), QString()};
    if (TooLargeToLoad(claimedSize))
        return {QPixmap(), QStringLiteral("Item ICON file = %1 is too large to show: %2 x %3 pixels.")
                               .arg(shownPath)
                               .arg(claimedSize.width())
                               .arg(claimedSize.height())};
    return {QPixmap(), QStringLiteral("Item ICON file = ") + shownPath + QStringLiteral(" is not a picture!")};
}
