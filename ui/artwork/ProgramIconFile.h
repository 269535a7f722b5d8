#pragma once

#include <QByteArray>
#include <QImage>

#include <vector>

// The bytes of a Windows icon file holding these square pictures, smallest first: each as a 32-bit bitmap with its
// transparency, but one of 256 pixels as PNG, which is how Windows stores its largest size.
QByteArray ProgramIconFile(const std::vector<QImage>& pictures);
