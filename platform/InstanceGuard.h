#pragma once

#include "platform/InstanceLock.h"

#include <QString>

#include <functional>
#include <memory>

#ifdef Q_OS_WIN
class QWinEventNotifier;
#else
class QSocketNotifier;
#endif

// The named lock that lets only one editor run at a time, and the channel through which a second start asks the
// first to show its window. A lock left behind by a crashed or killed instance never stops the next start, and
// another user's editor on the same machine never meets this user's. The channel is the kernel's own (a named
// event on Windows, a named pipe elsewhere): a local socket brought in the network library and nine more
// libraries, loaded at every start.
class InstanceGuard {
public:
    explicit InstanceGuard(const QString& name);
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard&) = delete;
    InstanceGuard& operator=(const InstanceGuard&) = delete;

    // Takes the lock; false when another instance holds it or the lock cannot be made.
    bool TakeLock();

    // In the first instance: calls showRequested whenever a later start asks for the window.
    void ListenForShowRequests(std::function<void()> showRequested);

    // In a later start: asks the first instance to show its window, and on Windows first lets it take the
    // foreground (Windows only flashes its taskbar button otherwise); false when no instance answers.
    bool AskFirstInstanceToShow();

private:
    // One attempt of AskFirstInstanceToShow.
    bool SendShowRequest();

    QString m_channelName;
    InstanceLock m_lock;
    std::function<void()> m_showRequested;
#ifdef Q_OS_WIN
    void* m_showEvent = nullptr;
    std::unique_ptr<QWinEventNotifier> m_notifier;
#else
    int m_channel = -1;
    // The channel held open for writing too, so that it never reads as ended when the last start lets go of it.
    int m_keepOpen = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
#endif
};
