#include "platform/InstanceLock.h"

#include <QDir>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <string>
#endif

QString InstanceFileName(QString name) {
    for (QChar& c : name) {
        if (c == QLatin1Char(':') || c == QLatin1Char('/') || c == QLatin1Char('\\'))
            c = QLatin1Char('_');
    }
    return name;
}

#ifdef Q_OS_WIN

InstanceLock::InstanceLock(const QString& name) : m_name(name) {}

InstanceLock::~InstanceLock() {
    if (m_mutex)
        CloseHandle(m_mutex);
}

bool InstanceLock::TryLock() {
    m_mutex = CreateMutexW(nullptr, TRUE, reinterpret_cast<const wchar_t*>(m_name.utf16()));
    if (m_mutex && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(m_mutex);
        m_mutex = nullptr;
    }
    return m_mutex != nullptr;
}

QString UserInstanceFolder() {
    return QDir::tempPath();
}

#else

InstanceLock::InstanceLock(const QString& name)
    : m_path(QFile::encodeName(QDir(UserInstanceFolder()).filePath(InstanceFileName(name) + QStringLiteral(".lock")))) {
}

// The file stays: a start that opened it in the meantime must lock this very file, not a new one at its name.
InstanceLock::~InstanceLock() {
    if (m_file >= 0)
        ::close(m_file);
}

bool InstanceLock::TryLock() {
    m_file = ::open(m_path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (m_file < 0)
        return false;
    if (::flock(m_file, LOCK_EX | LOCK_NB) != 0) {
        ::close(m_file);
        m_file = -1;
        return false;
    }
    // The holder's process id is for whoever looks; the lock holds without it.
    const std::string holder = std::to_string(::getpid()) + "\n";
    // Cut after writing, not before: a file cut to nothing and written again is flushed to the disk when closed.
    [[maybe_unused]] const bool noted = ::pwrite(m_file, holder.data(), holder.size(), 0) == ssize_t(holder.size()) &&
                                        ::ftruncate(m_file, off_t(holder.size())) == 0;
    return true;
}

QString UserInstanceFolder() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

#endif
