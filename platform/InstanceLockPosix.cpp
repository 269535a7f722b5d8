#include "platform/InstanceLock.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

InstanceLock::InstanceLock(const QString& name) : m_name(name) {}

// The file stays: a start that opened it in the meantime must lock this very file, not a new one at its name.
InstanceLock::~InstanceLock() {
    if (m_file >= 0)
        ::close(m_file);
}

InstanceLock::Outcome InstanceLock::TryLock() {
    const QString folder = UserInstanceFolder();
    if (folder.isEmpty())
        return Outcome::Unavailable;
    const QByteArray path =
        QFile::encodeName(QDir(folder).filePath(InstanceFileName(m_name) + QStringLiteral(".lock")));
    m_file = ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (m_file < 0)
        return Outcome::Unavailable;
    if (::flock(m_file, LOCK_EX | LOCK_NB) == 0)
        return Outcome::Taken;
    const bool held = errno == EWOULDBLOCK;
    ::close(m_file);
    m_file = -1;
    return held ? Outcome::HeldByAnother : Outcome::Unavailable;
}

QString UserInstanceFolder() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return runtime;
    // In the shared temporary folder any user could plant a file at the lock's name and keep every start from
    // running: the folder must be this user's alone.
    const QString own = QDir(QDir::tempPath()).filePath(QStringLiteral("brindlework-%1").arg(::geteuid()));
    const QByteArray path = QFile::encodeName(own);
    ::mkdir(path.constData(), S_IRWXU);
    struct stat facts {};
    const bool usable = ::lstat(path.constData(), &facts) == 0 && S_ISDIR(facts.st_mode) &&
                        facts.st_uid == ::geteuid() && (facts.st_mode & (S_IRWXG | S_IRWXO)) == 0;
    return usable ? own : QString();
}
