#include "ItemIcon.h"

#include <QBitmap>
#include <QImage>

QPixmap TransparentIcon(const QString& path) {
    const QImage picture(path);
    if (picture.isNull())
        return {};
    const QRgb background = picture.pixel(0, picture.height() - 1);
    QPixmap icon = QPixmap::fromImage(picture);
    icon.setMask(QBitmap::fromImage(picture.createMaskFromColor(background, Qt::MaskInColor)));
    return icon;
}
