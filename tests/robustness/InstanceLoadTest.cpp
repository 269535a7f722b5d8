// The single-instance guard under load: twenty starts of the built editor released at the same moment leave
// exactly one running, the other nineteen end by themselves with exit code 0; after that one is killed with
// kill -9, twenty more starts at once again leave exactly one, so a lock left by a killed editor stops no start.
#include "tests/support/HoldsFileOpen.h"
#include "tests/support/IsolatedEditorEnvironment.h"
#include "tests/support/TempFolder.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <memory>

namespace {

constexpr int kStartsAtOnce = 20;

class InstanceLoadTest : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy(BRINDLE_SAMPLE_PROJECT, project.Path("Quest"), std::filesystem::copy_options::recursive);
        runtime.MakeFolder("tmp");
        ASSERT_EQ(mkfifo(runtime.Path("gate").c_str(), 0600), 0);
    }

    void TearDown() override {
        for (auto& process : processes) {
            process->kill();
            process->waitForFinished();
        }
    }

    // Starts twenty editors that all wait at the gate, then opens it: they go on at the same moment. The gate
    // stays open until every start has passed it, so that a late one cannot wait for ever.
    std::vector<QProcess*> StartTwentyAtOnce() {
        std::vector<QProcess*> started;
        for (int i = 0; i < kStartsAtOnce; ++i)
            started.push_back(&StartBehindGate());
        const auto all = [&started](bool (*test)(const QProcess&)) {
            return [&started, test] {
                return std::all_of(started.begin(), started.end(), [test](QProcess* p) { return test(*p); });
            };
        };
        EXPECT_TRUE(QTest::qWaitFor(all(WaitsAtGate), 10000)) << "every start must wait at the gate before it opens";
        const int gate = ::open(runtime.Path("gate").c_str(), O_WRONLY);
        EXPECT_GE(gate, 0);
        EXPECT_TRUE(QTest::qWaitFor(all(PassedGate), 10000));
        ::close(gate);
        return started;
    }

    // The process sleeps in the kernel's wait for the other end of the gate. Where the kernel does not tell,
    // every start counts as waiting.
    static bool WaitsAtGate(const QProcess& process) {
        QFile wchan(QStringLiteral("/proc/%1/wchan").arg(process.processId()));
        if (!wchan.open(QIODevice::ReadOnly))
            return true;
        const QByteArray where = wchan.readAll();
        return where == "wait_for_partner" || where == "0";
    }

    // The shell has become the editor, or has ended.
    static bool PassedGate(const QProcess& process) {
        QFile commandLine(QStringLiteral("/proc/%1/cmdline").arg(process.processId()));
        return process.state() == QProcess::NotRunning || !commandLine.open(QIODevice::ReadOnly) ||
               !commandLine.readAll().startsWith("/bin/sh");
    }

    QProcess& StartBehindGate() {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(IsolatedEditorEnvironment(QString::fromStdString(runtime.Path("tmp"))));
        // The shell blocks opening the gate until the test opens it for writing, then becomes the editor.
        process->start(QStringLiteral("/bin/sh"),
                       {QStringLiteral("-c"), QStringLiteral(": < \"$0\"; exec \"$@\""),
                        QString::fromStdString(runtime.Path("gate")), QStringLiteral(BRINDLE_EDITOR_BINARY),
                        QString::fromStdString(project.Path("Quest/RubyRing.ITM"))});
        EXPECT_TRUE(process->waitForStarted());
        processes.push_back(std::move(process));
        return *processes.back();
    }

    // Waits until all but one of the starts have ended, then for a settled moment; returns those still running.
    std::vector<QProcess*> Survivors(const std::vector<QProcess*>& started) {
        const auto running = [&started] {
            std::vector<QProcess*> alive;
            for (QProcess* process : started) {
                if (process->state() != QProcess::NotRunning)
                    alive.push_back(process);
            }
            return alive;
        };
        EXPECT_TRUE(QTest::qWaitFor([&] { return running().size() <= 1; }, 60000)) << "the later starts must end";
        QTest::qWait(1000);
        return running();
    }

    bool HoldsTheLock(const QProcess& process) const {
        return HoldsFileOpen(process.processId(),
                             QString::fromStdString(runtime.Path("tmp/PREVINST_brindlework.lock")));
    }

    // Every start that ended did so by itself with exit code 0.
    void ExpectCleanEnds(const std::vector<QProcess*>& started, const QProcess* survivor) {
        for (QProcess* process : started) {
            if (process == survivor)
                continue;
            EXPECT_EQ(process->exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(process->exitCode(), 0) << process->readAllStandardError().toStdString();
        }
    }

    TempFolder project;
    TempFolder runtime;
    std::vector<std::unique_ptr<QProcess>> processes;
};

} // namespace

TEST_F(InstanceLoadTest, TwentyStartsAtOnceLeaveOneEditorAlsoAfterAKillMinusNine) {
    const std::vector<QProcess*> first = StartTwentyAtOnce();
    const std::vector<QProcess*> firstSurvivors = Survivors(first);
    ASSERT_EQ(firstSurvivors.size(), 1u) << "exactly one editor keeps running";
    EXPECT_TRUE(HoldsTheLock(*firstSurvivors[0]));
    ExpectCleanEnds(first, firstSurvivors[0]);

    ::kill(static_cast<pid_t>(firstSurvivors[0]->processId()), SIGKILL);
    ASSERT_TRUE(firstSurvivors[0]->waitForFinished(10000));
    const std::vector<QProcess*> second = StartTwentyAtOnce();
    const std::vector<QProcess*> secondSurvivors = Survivors(second);
    ASSERT_EQ(secondSurvivors.size(), 1u) << "the lock of the killed editor stops no start, and still one runs";
    EXPECT_TRUE(HoldsTheLock(*secondSurvivors[0]));
    ExpectCleanEnds(second, secondSurvivors[0]);
}
