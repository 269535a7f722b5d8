#include "platform/InstanceLock.h"

QString InstanceFileName(QString name) {
    for (QChar& c : name) {
        if (c == QLatin1Char(':') || c == QLatin1Char('/') || c == QLatin1Char('\\'))
            c = QLatin1Char('_');
    }
    return name;
}
