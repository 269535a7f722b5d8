#include "ItemIcon.h"

#include <QBitmap>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

namespace {

// Reading by the format the name gives spares Qt from loading every image plug-in to ask whether it knows the
// file; a picture whose name does not tell its format is then read by its content.
QImage ReadPicture(const QString& path) {
    if (!QFileInfo::exists(path))
        return {};
    QImageReader byName(path, QFileInfo(path).suffix().toLatin1());
    byName.setAutoDetectImageFormat(false);
    const QImage picture = byName.read();
    return picture.isNull() ? QImage(path) : picture;
}

} // namespace

QPixmap TransparentIcon(const QString& path) {
    const QImage picture = ReadPicture(path);
    if (picture.isNull())
        return {};
    const QRgb background = picture.pixel(0, picture.height() - 1);
    QPixmap icon = QPixmap::fromImage(picture);
    icon.setMask(QBitmap::fromImage(picture.createMaskFromColor(background, Qt::MaskInColor)));
    return icon;
}
