#pragma once

#include "platform/InstanceLock.h"

#include <QObject>
#include <QString>

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
class InstanceGuard : public QObject {
    Q_OBJECT
public:
    explicit InstanceGuard(const QString& name);
    ~InstanceGuard() override;

    // Takes the lock: Taken, HeldByAnother when another instance runs, or Unavailable when no lock can be made,
    // which tells nothing of another instance.
    InstanceLock::Outcome TakeLock();

    // In the first instance: from now on, showRequested is signalled whenever a later start asks for the window.
    void ListenForShowRequests();

    // In a later start: asks the first instance to show its window, and on Windows first lets it take the
    // foreground (Windows only flashes its taskbar button otherwise); false when no instance answers.
    bool AskFirstInstanceToShow();

Q_SIGNALS:
    void showRequested();

private:
    // One attempt of AskFirstInstanceToShow.
    bool SendShowRequest();

    QString m_channelName;
    InstanceLock m_lock;
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

// The name of the channel of the instance name, as the guard's platform names it.
QString InstanceChannelName(const QString& instance);
