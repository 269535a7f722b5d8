#pragma once

#include <QPixmap>
#include <QString>

// An icon picture with the colour of its bottom-left pixel made transparent; null when the file is no picture.
QPixmap TransparentIcon(const QString& path);
