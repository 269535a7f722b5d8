#include "platform/InstanceGuard.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

// Two guards of one name in one process stand for the first start and a later one.
TEST(InstanceGuard, ALaterStartReachesTheFirstOnlyOnceItListensAndEveryRequestArrives) {
    const QString name = QStringLiteral("InstanceGuardTest:%1").arg(QCoreApplication::applicationPid());
    InstanceGuard first(name);
    ASSERT_TRUE(first.TakeLock());
    InstanceGuard later(name);
    EXPECT_FALSE(later.TakeLock());
    EXPECT_FALSE(later.AskFirstInstanceToShow()) << "nobody listens yet: the later start must not report success";

    int shown = 0;
    first.ListenForShowRequests([&shown] { ++shown; });
    for (int request = 1; request <= 2; ++request) {
        EXPECT_TRUE(later.AskFirstInstanceToShow());
        EXPECT_TRUE(QTest::qWaitFor([&] { return shown == request; }, 5000)) << "request " << request;
    }
}
