#include "platform/InstanceGuard.h"

#include <QWinEventNotifier>

#include <windows.h>

// A named event, whose names the user's session shares: the session is part of its name.
QString InstanceChannelName(const QString& instance) {
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    return InstanceFileName(instance) + QStringLiteral("-session%1").arg(session);
}

InstanceGuard::InstanceGuard(const QString& name) : m_channelName(InstanceChannelName(name)), m_lock(name) {}

InstanceGuard::~InstanceGuard() {
    m_notifier.reset();
    if (m_showEvent)
        CloseHandle(m_showEvent);
}

void InstanceGuard::ListenForShowRequests() {
    // Reset by each wait that sees it set: requests that come together show the window once.
    m_showEvent = CreateEventW(nullptr, FALSE, FALSE, reinterpret_cast<const wchar_t*>(m_channelName.utf16()));
    if (!m_showEvent)
        return;
    m_notifier = std::make_unique<QWinEventNotifier>(m_showEvent);
    connect(m_notifier.get(), &QWinEventNotifier::activated, this, &InstanceGuard::showRequested);
}

bool InstanceGuard::SendShowRequest() {
    HANDLE showEvent = OpenEventW(EVENT_MODIFY_STATE, FALSE, reinterpret_cast<const wchar_t*>(m_channelName.utf16()));
    if (!showEvent)
        return false;
    // The first instance's process is not known here; the permission lasts only until the next input.
    AllowSetForegroundWindow(ASFW_ANY);
    const bool sent = SetEvent(showEvent);
    CloseHandle(showEvent);
    return sent;
}
