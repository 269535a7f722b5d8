#include "ui/artwork/BakedArtwork.h"

#include "ui/artwork/SheetArtwork.h"

#include <QByteArray>
#include <QResource>

#include <cstdint>
#include <cstring>

namespace BakedArtwork {

namespace {

// The scales the program carries baked pictures for.
bool Baked(qreal scale) {
    return scale == 1.0 || scale == 2.0;
}

// The resource of a baked picture at scale: ItemSheet.rgb32, ItemSheet@2x.rgb32, ...
QString ResourceName(const QString& picture, qreal scale) {
    return QStringLiteral(":/artwork/") + picture +
           (scale == 1.0 ? QStringLiteral(".rgb32") : QStringLiteral("@%1x.rgb32").arg(scale));
}

// A width and a height, then the pixel rows; see sheet_artwork_baker. A null image when missing or damaged.
QImage ImageFromResource(const QString& path, qreal scale, QImage::Format format = QImage::Format_RGB32) {
    const QResource resource(path);
    // Stored uncompressed, the bytes are the program's own: nothing is copied here.
    const QByteArray bytes = resource.uncompressedData();
    std::int32_t size[2] = {0, 0};
    if (bytes.size() >= static_cast<qsizetype>(sizeof size))
        std::memcpy(size, bytes.constData(), sizeof size);
    if (size[0] <= 0 || size[1] <= 0 ||
        bytes.size() != static_cast<qsizetype>(sizeof size) + qsizetype(size[0]) * size[1] * 4)
        return QImage();
    const auto* pixels = reinterpret_cast<const uchar*>(bytes.constData() + sizeof size);
    const QImage view(pixels, size[0], size[1], size[0] * 4, format);
    // The image may keep pointing into the program only where the pixels lie there, aligned as QImage needs.
    const bool inProgram = resource.compressionAlgorithm() == QResource::NoCompression &&
                           reinterpret_cast<std::uintptr_t>(pixels) % alignof(std::uint32_t) == 0;
    QImage image = inProgram ? view : view.copy();
    image.setDevicePixelRatio(scale);
    return image;
}

} // namespace

QImage ItemSheet(qreal scale) {
    return Baked(scale) ? ImageFromResource(ResourceName(QStringLiteral("ItemSheet"), scale), scale) : QImage();
}

QPixmap LitCaptionButton(int index, qreal scale) {
    if (index < 0 || index >= SheetArtwork::kCaptionCount || !Baked(scale))
        return QPixmap();
    return QPixmap::fromImage(ImageFromResource(ResourceName(QStringLiteral("LitCaption%1").arg(index), scale), scale));
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int side : {16, 20, 24, 32, 40, 48, 64}) {
        const QString name = QStringLiteral(":/artwork/ProgramIcon%1.argb32").arg(side);
        icon.addPixmap(QPixmap::fromImage(ImageFromResource(name, 1.0, QImage::Format_ARGB32_Premultiplied)));
    }
    return icon;
}

} // namespace BakedArtwork
