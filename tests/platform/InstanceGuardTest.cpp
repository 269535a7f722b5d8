#include "platform/InstanceGuard.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#ifndef Q_OS_WIN
#include <pwd.h>
#include <unistd.h>
#endif

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

// No runtime folder: XDG_RUNTIME_DIR unset, and the temporary folder a test folder in which the fallback runtime
// folder Qt would make cannot be made, as when another user owns it.
struct NoRuntimeFolder {
    NoRuntimeFolder() {
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(temporary.path()));
    }
    ~NoRuntimeFolder() {
        Restore("XDG_RUNTIME_DIR", runtime);
        Restore("TMPDIR", tmpdir);
    }
    static void Restore(const char* name, const QByteArray& value) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    QString Path(const QString& name) const { return temporary.filePath(name); }

    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray tmpdir = qgetenv("TMPDIR");
    const QTemporaryDir temporary;
};

// A later start asks the first to show, and counts whether each request arrived.
void ExpectEveryRequestArrives(InstanceGuard& first, InstanceGuard& later) {
    int shown = 0;
    QObject::connect(&first, &InstanceGuard::showRequested, [&shown] { ++shown; });
    first.ListenForShowRequests();
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
    ASSERT_EQ(first->TakeLock(), InstanceLock::Outcome::Taken);
    InstanceGuard later(name);
    EXPECT_EQ(later.TakeLock(), InstanceLock::Outcome::HeldByAnother);
    EXPECT_FALSE(later.AskFirstInstanceToShow()) << "nobody listens yet: the later start must not report success";
    ExpectEveryRequestArrives(*first, later);

    first.reset();
    InstanceGuard next(name);
    ASSERT_EQ(next.TakeLock(), InstanceLock::Outcome::Taken) << "the lock goes with the instance that held it";
    ExpectEveryRequestArrives(next, later);
}

#ifndef Q_OS_WIN
TEST(InstanceGuard, WithoutARuntimeFolderTheLockLivesInAFolderOfTheUsersOwnAndWhatOthersPlantBlocksNoStart) {
    const NoRuntimeFolder noRuntime;
    ASSERT_TRUE(noRuntime.temporary.isValid());
    QFile planted(
        noRuntime.Path(QStringLiteral("runtime-%1").arg(QString::fromLocal8Bit(getpwuid(geteuid())->pw_name))));
    ASSERT_TRUE(planted.open(QIODevice::WriteOnly)) << "a file where Qt would make its runtime folder";
    planted.close();
    const QString name = QStringLiteral("InstanceGuardTest:%1").arg(QCoreApplication::applicationPid());
    // What another user could leave in the shared temporary folder at the lock's and the channel's names.
    ASSERT_TRUE(QFile::link(QStringLiteral("/nonexistent"), noRuntime.Path(InstanceFileName(name) + ".lock")));
    ASSERT_TRUE(QFile::link(QStringLiteral("/nonexistent"), noRuntime.Path(InstanceFileName(name))));

    const QString own = UserInstanceFolder();
    EXPECT_EQ(own, noRuntime.Path(QStringLiteral("brindlework-%1").arg(geteuid())));
    EXPECT_EQ(QFile::permissions(own) & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
              QFile::Permissions());
    auto first = std::make_unique<InstanceGuard>(name);
    ASSERT_EQ(first->TakeLock(), InstanceLock::Outcome::Taken);
    InstanceGuard later(name);
    EXPECT_EQ(later.TakeLock(), InstanceLock::Outcome::HeldByAnother);
    ExpectEveryRequestArrives(*first, later);
    first.reset();

    // The user's own folder planted as a link, or left open to others: no lock can be made, and that is no other
    // instance.
    ASSERT_TRUE(QDir(own).removeRecursively());
    ASSERT_TRUE(QFile::link(noRuntime.temporary.path(), own));
    EXPECT_EQ(UserInstanceFolder(), QString());
    EXPECT_EQ(InstanceGuard(name).TakeLock(), InstanceLock::Outcome::Unavailable);
}

TEST(InstanceGuard, AFileLeftAtTheChannelsNameGivesWayToThePipe) {
    const PrivateRuntimeFolder runtime;
    ASSERT_TRUE(runtime.folder.isValid());
    const QString name = QStringLiteral("InstanceGuardTest:%1").arg(QCoreApplication::applicationPid());
    QFile left(InstanceChannelName(name));
    ASSERT_TRUE(left.open(QIODevice::WriteOnly));
    left.write("not a pipe");
    left.close();
    InstanceGuard first(name);
    ASSERT_EQ(first.TakeLock(), InstanceLock::Outcome::Taken);
    InstanceGuard later(name);
    ExpectEveryRequestArrives(first, later);
}
#endif
