#include "platform/InstanceGuard.h"

#include <QDir>
#include <QLocalSocket>
#include <QThread>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

constexpr char kShowRequest[] = "show\n";
constexpr int kAnswerWaitMs = 2000;
constexpr int kConnectAttempts = 10;

// The channel: a socket file in the user's own folder; on Windows a named pipe, whose names the whole machine
// shares, so the user's session is part of its name.
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

// Lets the instance at the channel's other end take the foreground, as the desktop allows only the program the
// user works in to hand it over.
void LetServerTakeTheForeground([[maybe_unused]] const QLocalSocket& socket) {
#ifdef Q_OS_WIN
    ULONG serverProcess = 0;
    if (GetNamedPipeServerProcessId(reinterpret_cast<HANDLE>(socket.socketDescriptor()), &serverProcess))
        AllowSetForegroundWindow(serverProcess);
#endif
}

} // namespace

InstanceGuard::InstanceGuard(const QString& name) : m_channelName(ChannelName(name)), m_lock(name) {}

InstanceGuard::~InstanceGuard() {
    m_server.reset();
}

bool InstanceGuard::TakeLock() {
    return m_lock.TryLock();
}

void InstanceGuard::ListenForShowRequests(std::function<void()> showRequested) {
    QLocalServer::removeServer(m_channelName);
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(m_server.get(), &QLocalServer::newConnection, m_server.get(), [this, showRequested] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            showRequested();
        }
    });
    m_server->listen(m_channelName);
}

bool InstanceGuard::AskFirstInstanceToShow() {
    // The first instance may still be starting: give it a moment to open its channel.
    for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(m_channelName);
        if (socket.waitForConnected(kAnswerWaitMs / kConnectAttempts)) {
            LetServerTakeTheForeground(socket);
            socket.write(kShowRequest);
            socket.waitForBytesWritten(kAnswerWaitMs);
            socket.disconnectFromServer();
            return true;
        }
        QThread::msleep(kAnswerWaitMs / kConnectAttempts);
    }
    return false;
}
