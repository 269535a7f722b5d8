#pragma once

#include <QByteArray>
#include <QString>

// The lock one running editor holds for its whole run. On Windows it is the kernel's named mutex, which dies with
// its process, so a killed editor can never block the next start, whatever process ids the system reuses.
// Elsewhere it is the kernel's lock on a file in the user's own runtime folder, which dies with its process too;
// the file keeps the holder's process id for whoever looks, and nothing is synced to disk at start-up.
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
    QByteArray m_path;
    int m_file = -1;
#endif
};

// The instance name as a file or channel name: no folder separators, no drive colons.
QString InstanceFileName(QString name);

// The user's own folder for the lock file and the channel: the runtime folder, which nobody else may read (Qt
// refuses one that others may read, and the temporary folder then stands in); on Windows the temporary folder.
QString UserInstanceFolder();
