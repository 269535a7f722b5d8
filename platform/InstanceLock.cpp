#include "platform/InstanceLock.h"

#include <QDir>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
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
    : m_file(QDir(UserInstanceFolder()).filePath(InstanceFileName(name) + QStringLiteral(".lock"))) {
    // The holder's process id decides staleness; a long-running editor's lock never ages out.
    m_file.setStaleLockTime(0);
}

InstanceLock::~InstanceLock() {
    if (m_file.isLocked())
        m_file.unlock();
}

bool InstanceLock::TryLock() {
    return m_file.tryLock(0);
}

QString UserInstanceFolder() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

#endif
