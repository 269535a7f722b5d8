#include "InstanceGuard.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace {

constexpr char kShowRequest[] = "show\n";
constexpr int kAnswerWaitMs = 2000;
constexpr int kConnectAttempts = 10;

// The name as a file name: the lock and the channel live as files in the user's own folder.
QString FileSafe(QString name) {
    for (QChar& c : name) {
        if (c == QLatin1Char(':') || c == QLatin1Char('/') || c == QLatin1Char('\\'))
            c = QLatin1Char('_');
    }
    return name;
}

// Where the user's own instance lock and channel live, so that another user's editor on the same machine never
// meets them: the user's runtime folder, which nobody else may read, or on Windows the user's own temporary
// folder. A runtime folder that others may read is refused by Qt; the temporary folder then stands in.
QDir UserFolder() {
#ifdef Q_OS_WIN
    return QDir::temp();
#else
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::temp() : QDir(runtime);
#endif
}

// The channel: on Windows a named pipe of the user's session; elsewhere a socket file in the user's folder.
QString ChannelName(const QString& name) {
#ifdef Q_OS_WIN
    return FileSafe(name);
#else
    return UserFolder().filePath(FileSafe(name));
#endif
}

} // namespace

InstanceGuard::InstanceGuard(const QString& name)
    : m_channelName(ChannelName(name)), m_lock(UserFolder().filePath(FileSafe(name) + QStringLiteral(".lock"))) {
    // The holder's process id decides staleness; a long-running editor's lock never ages out.
    m_lock.setStaleLockTime(0);
}

InstanceGuard::~InstanceGuard() {
    m_server.reset();
    if (m_lock.isLocked())
        m_lock.unlock();
}

bool InstanceGuard::TakeLock() {
    return m_lock.tryLock(0);
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
            socket.write(kShowRequest);
            socket.waitForBytesWritten(kAnswerWaitMs);
            socket.disconnectFromServer();
            return true;
        }
        QThread::msleep(kAnswerWaitMs / kConnectAttempts);
    }
    return false;
}
