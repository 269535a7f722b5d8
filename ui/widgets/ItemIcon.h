#pragma once

#include <QPixmap>
#include <QString>

#include <string>

// An item's icon as the sheet shows it: the picture with the colour of its bottom-left pixel made transparent,
// or, when it cannot be shown, the message that tells the user why.
struct ItemIcon {
    QPixmap picture;
    QString problem; // empty when the picture is shown
};

// Reads the icon file, a path in the system's code page. A file that cannot be read, a picture too large to load
// and a file that is no picture each give their own message.
ItemIcon ReadItemIcon(const std::string& path);
