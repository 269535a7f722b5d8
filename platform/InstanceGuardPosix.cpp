#include "platform/InstanceGuard.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

} // namespace

// A named pipe in the user's own folder; none when there is no such folder.
QString InstanceChannelName(const QString& instance) {
    const QString folder = UserInstanceFolder();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(InstanceFileName(instance));
}

InstanceGuard::InstanceGuard(const QString& name) : m_channelName(InstanceChannelName(name)), m_lock(name) {}

InstanceGuard::~InstanceGuard() {
    m_notifier.reset();
    if (m_keepOpen >= 0)
        ::close(m_keepOpen);
    // The pipe stays for the next start, as the lock file does.
    if (m_channel >= 0)
        ::close(m_channel);
}

void InstanceGuard::ListenForShowRequests() {
    if (m_channelName.isEmpty())
        return;
    const QByteArray path = QFile::encodeName(m_channelName);
    m_channel = OpenPipeToRead(path);
    if (m_channel < 0)
        return;
    m_keepOpen = OpenOwnPipe(path, O_WRONLY);
    m_notifier = std::make_unique<QSocketNotifier>(m_channel, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, [this] {
        char requests[256];
        bool asked = false;
        while (::read(m_channel, requests, sizeof requests) > 0)
            asked = true;
        if (asked)
            Q_EMIT showRequested();
    });
}

bool InstanceGuard::SendShowRequest() {
    if (m_channelName.isEmpty())
        return false;
    // Refused while no instance reads the pipe.
    const int channel = OpenOwnPipe(QFile::encodeName(m_channelName), O_WRONLY);
    if (channel < 0)
        return false;
    const bool sent = ::write(channel, "show\n", 5) == 5;
    ::close(channel);
    return sent;
}
