// Paints the item sheet's artwork once, when the program is built, into the raw files that the editor embeds:
// ItemSheet.rgb32, the plain sheet, and LitCaption0.rgb32 to LitCaption4.rgb32, the lit caption pieces of the
// hover buttons, and each again at twice the resolution for screens of two device pixels per window pixel
// (ItemSheet@2x.rgb32, ...). Each is a width and a height in device pixels as two native 32-bit integers
// followed by the Format_RGB32 pixel rows. Painting the sheet at every start took longer than the rest of the
// editor's start-up.
//
// It also paints the program's icon at every size a desktop asks for: ProgramIcon<size>.png for the Linux desktop's
// icon theme and for Windows (scripts/program-icon.sh packs them into cmake/windows/brindlework.ico), and
// ProgramIcon<size>.argb32 up to 64 pixels for the window icon, raw as the sheet but in
// Format_ARGB32_Premultiplied.
//
// Usage: sheet_artwork_baker OUTPUT_FOLDER   (with QT_QPA_PLATFORM=offscreen where there is no display)

#include "ui/artwork/ArtworkPictures.h"
#include "ui/artwork/SheetArtwork.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>

#include <cstdint>
#include <cstdio>

namespace {

bool WriteImage(const QString& path, const QImage& image, QImage::Format format = QImage::Format_RGB32) {
    const QImage pixels = image.convertToFormat(format);
    const std::int32_t size[] = {pixels.width(), pixels.height()};
    const qint64 pixelBytes = pixels.sizeInBytes();
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(reinterpret_cast<const char*>(size), sizeof size) == sizeof size &&
           file.write(reinterpret_cast<const char*>(pixels.constBits()), pixelBytes) == pixelBytes;
}

bool Bake(const QDir& folder, int scale) {
    const QString suffix = scale == 1 ? QStringLiteral(".rgb32") : QStringLiteral("@%1x.rgb32").arg(scale);
    if (!WriteImage(folder.filePath(QStringLiteral("ItemSheet") + suffix),
                    SheetArtwork::PaintItemSheet(SheetArtwork::Captions::Plain, scale)))
        return false;
    const QImage litSheet = SheetArtwork::PaintItemSheet(SheetArtwork::Captions::Lit, scale);
    for (int index = 0; index < SheetArtwork::kCaptionCount; ++index) {
        const QString name = QStringLiteral("LitCaption%1").arg(index) + suffix;
        if (!WriteImage(folder.filePath(name), SheetArtwork::CaptionButtonPicture(litSheet, index).toImage()))
            return false;
    }
    return true;
}

QImage ProgramIcon(int side) {
    QImage icon(side, side, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    ArtworkPictures::PaintProgramIcon(painter, QRectF(0, 0, side, side));
    return icon;
}

bool BakeProgramIcon(const QDir& folder) {
    for (const int side : {16, 20, 24, 32, 40, 48, 64, 256}) {
        const QImage picture = ProgramIcon(side);
        const QString name = QStringLiteral("ProgramIcon%1").arg(side);
        if (!picture.save(folder.filePath(name + QStringLiteral(".png"))))
            return false;
        if (side <= 64 && !WriteImage(folder.filePath(name + QStringLiteral(".argb32")), picture,
                                      QImage::Format_ARGB32_Premultiplied))
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
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral(".")) || !Bake(folder, 1) || !Bake(folder, 2) || !BakeProgramIcon(folder)) {
        std::fprintf(stderr, "sheet_artwork_baker: cannot write the artwork into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
