#pragma once

#include <QByteArray>
#include <QImage>

// A Windows bitmap of the plain kinds icons are saved in (the common 40-byte header, no compression, 8 or 24 bits a
// pixel, the whole of it present), read without Qt's image reader: the first picture that reader reads makes it
// list and inspect every image plug-in installed, a millisecond of the start-up for a 3 KB icon. The pixels are
// the ones Qt's reader gives. A null image for any other file, which Qt's reader is then left to read.
QImage ReadPlainBitmap(const QByteArray& bytes);
