// Paints the item sheet's artwork once, when the program is built, into the raw files that the editor embeds:
// ItemSheet.rgb32, the plain sheet, and LitCaption0.rgb32 to LitCaption4.rgb32, the lit caption pieces of the
// hover buttons. Each is a width and a height as two native 32-bit integers followed by the Format_RGB32 pixel
// rows. Painting the sheet at every start took longer than the rest of the editor's start-up.
//
// Usage: sheet_artwork_baker OUTPUT_FOLDER   (with QT_QPA_PLATFORM=offscreen where there is no display)

#include "ui/artwork/SheetArtwork.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdint>
#include <cstdio>

namespace {

bool WriteImage(const QString& path, const QImage& image) {
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    const std::int32_t size[] = {pixels.width(), pixels.height()};
    const qint64 pixelBytes = pixels.sizeInBytes();
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(reinterpret_cast<const char*>(size), sizeof size) == sizeof size &&
           file.write(reinterpret_cast<const char*>(pixels.constBits()), pixelBytes) == pixelBytes;
}

bool Bake(const QDir& folder) {
    if (!folder.mkpath(QStringLiteral(".")) ||
        !WriteImage(folder.filePath(QStringLiteral("ItemSheet.rgb32")), SheetArtwork::PaintItemSheet(false)))
        return false;
    const QImage litSheet = SheetArtwork::PaintItemSheet(true);
    for (int index = 0; index < SheetArtwork::kCaptionCount; ++index) {
        const QString name = QStringLiteral("LitCaption%1.rgb32").arg(index);
        if (!WriteImage(folder.filePath(name), SheetArtwork::CaptionButtonPicture(litSheet, index).toImage()))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: sheet_artwork_baker OUTPUT_FOLDER\n");
        return 2;
    }
    if (!Bake(QDir(QString::fromLocal8Bit(argv[1])))) {
        std::fprintf(stderr, "sheet_artwork_baker: cannot write the artwork into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
