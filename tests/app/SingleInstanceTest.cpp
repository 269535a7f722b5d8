#include "tests/support/HoldsFileOpen.h"
#include "tests/support/IsolatedEditorEnvironment.h"
#include "tests/support/TempFolder.h"

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

    // Starts the editor on the sample item; runtimeFolder stands for another user's runtime folder.
    QProcess& Start(const QString& item, const std::string& runtimeFolder = "tmp") {
        return Start(QStringList{QString::fromStdString(project.Path("Quest/")) + item}, runtimeFolder);
    }

    QProcess& Start(const QStringList& arguments, const std::string& runtimeFolder = "tmp") {
        runtime.MakeFolder(runtimeFolder);
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(IsolatedEditorEnvironment(QString::fromStdString(runtime.Path("tmp")),
                                                                 QString::fromStdString(runtime.Path(runtimeFolder))));
        process->start(QStringLiteral(BRINDLE_EDITOR_BINARY), arguments);
        EXPECT_TRUE(process->waitForStarted());
        processes.push_back(std::move(process));
        return *processes.back();
    }

    // The first instance in that runtime folder has taken the lock and opened its channel.
    bool Listening(const std::string& runtimeFolder = "tmp") {
        return QTest::qWaitFor(
            [&] {
                return runtime.Exists(runtimeFolder + "/PREVINST_brindlework.lock") &&
                       runtime.Exists(runtimeFolder + "/PREVINST_brindlework");
            },
            10000);
    }

    // The editor holding the lock holds its file open.
    bool HoldsTheLock(const QProcess& process) const {
        return HoldsFileOpen(process.processId(),
                             QString::fromStdString(runtime.Path("tmp/PREVINST_brindlework.lock")));
    }

    TempFolder project;
    TempFolder runtime;
    std::vector<std::unique_ptr<QProcess>> processes;
};

} // namespace

TEST_F(SingleInstanceTest, ASecondStartEndsAndTheFirstStays) {
    QProcess& first = Start(QStringLiteral("RubyRing.ITM"));
    ASSERT_TRUE(Listening());
    // A path split at its blanks, with words Qt would take for its options: none reaches Qt, so no unknown
    // platform "Quest" can end the start with a crash.
    const QString folder = QString::fromStdString(project.Path("Old"));
    for (const QStringList& arguments : {QStringList{QString::fromStdString(project.Path("Quest/BronzeHelm.ITM"))},
                                         QStringList{folder, QStringLiteral("-platform"), QStringLiteral("Quest")}}) {
        QProcess& second = Start(arguments);
        ASSERT_TRUE(second.waitForFinished(10000)) << "the second start must end by itself";
        EXPECT_EQ(second.exitStatus(), QProcess::NormalExit) << arguments.join(' ').toStdString();
        EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    }
    EXPECT_EQ(first.state(), QProcess::Running);
}

TEST_F(SingleInstanceTest, AStartAfterAKilledFirstInstanceRuns) {
    QProcess& first = Start(QStringLiteral("RubyRing.ITM"));
    ASSERT_TRUE(Listening());
    ::kill(static_cast<pid_t>(first.processId()), SIGKILL);
    ASSERT_TRUE(first.waitForFinished(10000));
    QProcess& next = Start(QStringLiteral("RubyRing.ITM"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return HoldsTheLock(next); }, 10000))
        << "the lock left behind must not stop the next start, which takes it";
    EXPECT_EQ(next.state(), QProcess::Running);
}

TEST_F(SingleInstanceTest, AnotherUsersEditorNeverStopsThisUsersStart) {
    QProcess& otherUsers = Start(QStringLiteral("RubyRing.ITM"), "other-user");
    ASSERT_TRUE(Listening("other-user"));
    QProcess& mine = Start(QStringLiteral("RubyRing.ITM"), "this-user");
    EXPECT_TRUE(Listening("this-user")) << "the start of this user's editor must not stop at another user's";
    EXPECT_EQ(mine.state(), QProcess::Running);
    EXPECT_EQ(otherUsers.state(), QProcess::Running);
}
