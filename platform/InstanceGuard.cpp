#include "platform/InstanceGuard.h"

#include <QDir>
#include <QFile>
#include <QThread>

#ifdef Q_OS_WIN
#include <QWinEventNotifier>

#include <windows.h>
#else
#include <QSocketNotifier>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr int kAnswerWaitMs = 2000;
constexpr int kConnectAttempts = 10;

// The channel: a named pipe in the user's own folder; on Windows a named event, whose names the user's session
// shares, so the session is part of its name.
QString ChannelName(const QString& instance) {
    const QString name = InstanceFileName(instance);
#ifdef Q_OS_WIN
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    return name + QStringLiteral("-session%1").arg(session);
#else
    return QDir(UserInstanceFolder()).filePath(name);
#endif
}

#ifndef Q_OS_WIN
// The user's own pipe at path opened for access (O_RDONLY or O_WRONLY), without waiting for the other end; -1 for
// anything else found there: a link, a plain file, another user's pipe.
int OpenOwnPipe(const QByteArray& path, int access) {
    const int pipe = ::open(path.constData(), access | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    struct stat status {};
    if (pipe >= 0 && ::fstat(pipe, &status) == 0 && S_ISFIFO(status.st_mode) && status.st_uid == ::geteuid())
        return pipe;
    if (pipe >= 0)
        ::close(pipe);
    return -1;
}

// The pipe an earlier instance left, or else a new one: this instance holds the lock, so whatever else lies at the
// name goes. Making the pipe anew at every start cost each start a file made and deleted.
int OpenPipeToRead(const QByteArray& path) {
    const int left = OpenOwnPipe(path, O_RDONLY);
    if (left >= 0)
        return left;
    ::unlink(path.constData());
    if (::mkfifo(path.constData(), S_IRUSR | S_IWUSR) != 0)
        return -1;
    return OpenOwnPipe(path, O_RDONLY);
}
#endif

} // namespace

InstanceGuard::InstanceGuard(const QString& name) : m_channelName(ChannelName(name)), m_lock(name) {}

bool InstanceGuard::TakeLock() {
    return m_lock.TryLock();
}

bool InstanceGuard::AskFirstInstanceToShow() {
    // The first instance may still be starting: give it a moment to open its channel.
    for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
        if (SendShowRequest())
            return true;
        QThread::msleep(kAnswerWaitMs / kConnectAttempts);
    }
    return false;
}

#ifdef Q_OS_WIN

InstanceGuard::~InstanceGuard() {
    m_notifier.reset();
    if (m_showEvent)
        CloseHandle(m_showEvent);
}

void InstanceGuard::ListenForShowRequests(std::function<void()> showRequested) {
    m_showRequested = std::move(showRequested);
    // Reset by each wait that sees it set: requests that come together show the window once.
    m_showEvent = CreateEventW(nullptr, FALSE, FALSE, reinterpret_cast<const wchar_t*>(m_channelName.utf16()));
    if (!m_showEvent)
        return;
    m_notifier = std::make_unique<QWinEventNotifier>(m_showEvent);
    QObject::connect(m_notifier.get(), &QWinEventNotifier::activated, m_notifier.get(), [this] { m_showRequested(); });
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

#else

InstanceGuard::~InstanceGuard() {
    m_notifier.reset();
    if (m_keepOpen >= 0)
        ::close(m_keepOpen);
    // The pipe stays for the next start, as the lock file does.
    if (m_channel >= 0)
        ::close(m_channel);
}

void InstanceGuard::ListenForShowRequests(std::function<void()> showRequested) {
    m_showRequested = std::move(showRequested);
    const QByteArray path = QFile::encodeName(m_channelName);
    m_channel = OpenPipeToRead(path);
    if (m_channel < 0)
        return;
    m_keepOpen = OpenOwnPipe(path, O_WRONLY);
    m_notifier = std::make_unique<QSocketNotifier>(m_channel, QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(), [this] {
        char requests[256];
        bool asked = false;
        while (::read(m_channel, requests, sizeof requests) > 0)
            asked = true;
        if (asked)
            m_showRequested();
    });
}

bool InstanceGuard::SendShowRequest() {
    // Refused while no instance reads the pipe.
    const int channel = OpenOwnPipe(QFile::encodeName(m_channelName), O_WRONLY);
    if (channel < 0)
        return false;
    const bool sent = ::write(channel, "show\n", 5) == 5;
    ::close(channel);
    return sent;
}

#endif
