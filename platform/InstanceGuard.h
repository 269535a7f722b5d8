#pragma once

#include "platform/InstanceLock.h"

#include <QLocalServer>
#include <QString>

#include <functional>
#include <memory>

// The named lock that lets only one editor run at a time, and the channel through which a second start asks the
// first to show its window. A lock left behind by a crashed or killed instance never stops the next start, and
// another user's editor on the same machine never meets this user's.
class InstanceGuard {
public:
    explicit InstanceGuard(const QString& name);
    ~InstanceGuard();

    // Takes the lock; false when another instance holds it or the lock cannot be made.
    bool TakeLock();

    // In the first instance: calls showRequested whenever a later start asks for the window.
    void ListenForShowRequests(std::function<void()> showRequested);

    // In a later start: asks the first instance to show its window, and on Windows first lets it take the
    // foreground (Windows only flashes its taskbar button otherwise); false when no instance answers.
    bool AskFirstInstanceToShow();

private:
    QString m_channelName;
    InstanceLock m_lock;
    std::unique_ptr<QLocalServer> m_server;
};
