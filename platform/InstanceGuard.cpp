#include "platform/InstanceGuard.h"

#include <QThread>

namespace {

constexpr int kAnswerWaitMs = 2000;
constexpr int kConnectAttempts = 10;

} // namespace

InstanceLock::Outcome InstanceGuard::TakeLock() {
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
