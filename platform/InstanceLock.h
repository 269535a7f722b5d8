#pragma once

#include <QString>

#ifndef Q_OS_WIN
#include <QLockFile>
#endif

// The lock one running editor holds for its whole run. On Windows it is the kernel's named mutex, which dies with
// its process, so a killed editor can never block the next start, whatever process ids the system reuses.
// Elsewhere it is a lock file in the user's own runtime folder, whose holder's process id tells a stale one.
class InstanceLock {
public:
    explicit InstanceLock(const QString& name);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // False when another instance holds the lock, or it cannot be made.
    bool TryLock();

private:
#ifdef Q_OS_WIN
    QString m_name;
    void* m_mutex = nullptr;
#else
    QLockFile m_file;
#endif
};

// The instance name as a file or channel name: no folder separators, no drive colons.
QString InstanceFileName(QString name);

// The user's own folder for the lock file and the channel: the runtime folder, which nobody else may read (Qt
// refuses one that others may read, and the temporary folder then stands in); on Windows the temporary folder.
QString UserInstanceFolder();
