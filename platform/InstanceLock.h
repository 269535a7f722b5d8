#pragma once

#include <QString>

// The lock one running editor holds for its whole run. On Windows it is the kernel's named mutex, which dies with
// its process, so a killed editor can never block the next start, whatever process ids the system reuses.
// Elsewhere it is the kernel's lock on a file in the user's own folder (UserInstanceFolder), which dies with its
// process too; nothing is synced to disk at start-up.
class InstanceLock {
public:
    explicit InstanceLock(const QString& name);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    enum class Outcome {
        Taken,         // this run holds the lock
        HeldByAnother, // another instance runs
        Unavailable    // the lock cannot be made here: that says nothing of another instance
    };
    Outcome TryLock();

private:
    QString m_name;
#ifdef Q_OS_WIN
    void* m_mutex = nullptr;
#else
    int m_file = -1;
#endif
};

// The instance name as a file or channel name: no folder separators, no drive colons.
QString InstanceFileName(QString name);

// The user's own folder for the lock file and the channel, which no other user may write into: the runtime folder;
// when the system gives none, a folder of the user's own under the temporary folder, made for it and refused when
// it is a link, another user's, or open to others; then none (empty). On Windows the temporary folder.
QString UserInstanceFolder();
