#pragma once

#include <QDir>
#include <QFileInfo>
#include <QString>

// True when the running process holds the file open (Linux: its descriptors in /proc), as the editor holding the
// single-instance lock holds the lock's file.
inline bool HoldsFileOpen(qint64 processId, const QString& file) {
    const QString wanted = QFileInfo(file).canonicalFilePath();
    const QDir descriptors(QStringLiteral("/proc/%1/fd").arg(processId));
    for (const QFileInfo& descriptor : descriptors.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
        if (!wanted.isEmpty() && descriptor.symLinkTarget() == wanted)
            return true;
    }
    return false;
}
