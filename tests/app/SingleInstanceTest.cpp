#include "IsolatedEditorEnvironment.h"
#include "TempFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

namespace {

// Real processes of the built editor, sharing one private temporary folder for the lock and the channel.
class SingleInstanceTest : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy(BRINDLE_SAMPLE_PROJECT, project.Path("Quest"), std::filesystem::copy_options::recursive);
        runtime.MakeFolder("tmp");
    }

    void TearDown() override {
        for (auto& process : processes) {
            process->kill();
            process->waitForFinished();
        }
    }

    QProcess& Start(const QString& item) {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(IsolatedEditorEnvironment(QString::fromStdString(runtime.Path("tmp"))));
        process->start(QStringLiteral(BRINDLE_EDITOR_BINARY), {QString::fromStdString(project.Path("Quest/")) + item});
        EXPECT_TRUE(process->waitForStarted());
        processes.push_back(std::move(process));
        return *processes.back();
    }

    // The first instance has taken the lock and opened its channel.
    bool Listening() {
        return QTest::qWaitFor(
            [this] {
                return runtime.Exists("tmp/PREVINST_brindlework.lock") && runtime.Exists("tmp/PREVINST_brindlework");
            },
            10000);
    }

    TempFolder project;
    TempFolder runtime;
    std::vector<std::unique_ptr<QProcess>> processes;
};

} // namespace

TEST_F(SingleInstanceTest, ASecondStartEndsAndTheFirstStays) {
    QProcess& first = Start(QStringLiteral("RubyRing.ITM"));
    ASSERT_TRUE(Listening());
    QProcess& second = Start(QStringLiteral("BronzeHelm.ITM"));
    ASSERT_TRUE(second.waitForFinished(10000)) << "the second start must end by itself";
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
}

TEST_F(SingleInstanceTest, AStartAfterAKilledFirstInstanceRuns) {
    QProcess& first = Start(QStringLiteral("RubyRing.ITM"));
    ASSERT_TRUE(Listening());
    ::kill(static_cast<pid_t>(first.processId()), SIGKILL);
    ASSERT_TRUE(first.waitForFinished(10000));
    QProcess& next = Start(QStringLiteral("RubyRing.ITM"));
    EXPECT_FALSE(next.waitForFinished(3000)) << "the lock left behind must not stop the next start";
    EXPECT_EQ(next.state(), QProcess::Running);
}
