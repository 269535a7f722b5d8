#include "platform/InstanceGuard.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A runtime folder of the test's own, so that what the guards leave there goes with it.
struct PrivateRuntimeFolder {
    PrivateRuntimeFolder() { qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder.path())); }
    ~PrivateRuntimeFolder() {
        if (previous.isNull())
            qunsetenv("XDG_RUNTIME_DIR");
        else
            qputenv("XDG_RUNTIME_DIR", previous);
    }
    const QByteArray previous = qgetenv("XDG_RUNTIME_DIR");
    const QTemporaryDir folder;
};

// A later start asks the first to show, and counts whether each request arrived.
void ExpectEveryRequestArrives(InstanceGuard& first, InstanceGuard& later) {
    int shown = 0;
    first.ListenForShowRequests([&shown] { ++shown; });
    for (int request = 1; request <= 2; ++request) {
        EXPECT_TRUE(later.AskFirstInstanceToShow());
        EXPECT_TRUE(QTest::qWaitFor([&] { return shown == request; }, 5000)) << "request " << request;
    }
}

} // namespace

// Guards of one name in one process stand for the first start and later ones; the lock file and the pipe a run
// leaves behind serve the next run.
TEST(InstanceGuard, ALaterStartReachesTheFirstOnlyOnceItListensAndEveryRequestArrives) {
    const PrivateRuntimeFolder runtime;
    ASSERT_TRUE(runtime.folder.isValid());
    const QString name = QStringLiteral("InstanceGuardTest:%1").arg(QCoreApplication::applicationPid());
    auto first = std::make_unique<InstanceGuard>(name);
    ASSERT_TRUE(first->TakeLock());
    InstanceGuard later(name);
    EXPECT_FALSE(later.TakeLock());
    EXPECT_FALSE(later.AskFirstInstanceToShow()) << "nobody listens yet: the later start must not report success";
    ExpectEveryRequestArrives(*first, later);

    first.reset();
    InstanceGuard next(name);
    ASSERT_TRUE(next.TakeLock()) << "the lock goes with the instance that held it";
    ExpectEveryRequestArrives(next, later);
}
