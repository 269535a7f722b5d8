#include "platform/InstanceLock.h"

#include <QDir>

#include <windows.h>

InstanceLock::InstanceLock(const QString& name) : m_name(name) {}

InstanceLock::~InstanceLock() {
    if (m_mutex)
        CloseHandle(m_mutex);
}

InstanceLock::Outcome InstanceLock::TryLock() {
    m_mutex = CreateMutexW(nullptr, TRUE, reinterpret_cast<const wchar_t*>(m_name.utf16()));
    if (!m_mutex)
        return Outcome::Unavailable;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(m_mutex);
        m_mutex = nullptr;
        return Outcome::HeldByAnother;
    }
    return Outcome::Taken;
}

QString UserInstanceFolder() {
    return QDir::tempPath();
}
