// A process saving a large item (a server data file of 20,000 other lines, about 0.9 MB, and a description of
// 4,000 lines, about 256 KiB) is killed with SIGKILL at 200 random moments. After every kill the server file and
// the description each hold entirely their old or entirely their new content, and the temporaries the kills
// leave never stop the next save.
#include "base/FileSystem.h"
#include "itemdata/ItemFiles.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>
#include <thread>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kKills = 200;
constexpr int kOtherServerLines = 20000;
constexpr int kDescriptionLines = 4000;

// The seed of the kill moments: BRINDLE_KILL_SEED repeats a run.
unsigned KillSeed() {
    const char* seed = std::getenv("BRINDLE_KILL_SEED");
    return seed ? static_cast<unsigned>(std::strtoul(seed, nullptr, 10)) : 20240607u;
}

struct DriverRun {
    bool killed = false; // ended by the signal before it finished
    int exitCode = -1;   // when it finished
    Clock::duration took{};
};

class SaveKillTest : public testing::Test {
protected:
    void SetUp() override {
        project.MakeFolder("Quest");
        project.MakeFolder("Quest/SERVER");
        project.MakeFolder("Quest/CLIENT");
        std::string server = "Type=Ring\r\nBonus=\r\nPrice=0\r\nClass=ALL\r\nStack=1\r\n";
        for (int i = 0; i < kOtherServerLines; ++i)
            server += "Lore" + std::to_string(100000 + i) + "=A line the editor carries through\r\n";
        project.Write("Quest/SERVER/Big.ITM", server);
    }

    // Starts the driver saving variant; kills it after delay unless delay is none.
    DriverRun Save(const std::string& variant, std::optional<Clock::duration> delay = std::nullopt) {
        const std::string root = project.Path("Quest/");
        const std::string lines = std::to_string(kDescriptionLines);
        std::vector<char*> arguments = {
            const_cast<char*>(BRINDLE_SAVE_DRIVER), const_cast<char*>(root.c_str()),  const_cast<char*>("Big"),
            const_cast<char*>(variant.c_str()),     const_cast<char*>(lines.c_str()), nullptr};
        const auto start = Clock::now();
        pid_t child = 0;
        if (posix_spawn(&child, BRINDLE_SAVE_DRIVER, nullptr, nullptr, arguments.data(), environ) != 0)
            throw std::runtime_error("cannot start the save driver");
        if (delay) {
            std::this_thread::sleep_for(*delay);
            kill(child, SIGKILL);
        }
        int status = 0;
        waitpid(child, &status, 0);
        DriverRun run;
        run.took = Clock::now() - start;
        run.killed = WIFSIGNALED(status);
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return run;
    }

    std::string Server() const { return FileSystem::ReadFile(project.Path("Quest/SERVER/Big.ITM")); }
    std::string Description() const { return FileSystem::ReadFile(project.Path("Quest/CLIENT/Big.ITM")); }

    // The temporaries killed saves left in the item's folders.
    int LeftTemporaries() const {
        int count = 0;
        for (const char* folder : {"Quest/SERVER", "Quest/CLIENT"}) {
            for (const auto& entry : std::filesystem::directory_iterator(project.Path(folder)))
                count += entry.path().extension() == ".tmp" ? 1 : 0;
        }
        return count;
    }

    TempFolder project;
};

} // namespace

TEST_F(SaveKillTest, EveryFileIsWhollyOldOrWhollyNewAfterEachOfTwoHundredKills) {
    ASSERT_EQ(Save("new").exitCode, 0);
    const std::string newServer = Server(), newDescription = Description();
    std::vector<Clock::duration> durations;
    for (int i = 0; i < 3; ++i) {
        const DriverRun run = Save(i % 2 == 0 ? "old" : "new");
        ASSERT_EQ(run.exitCode, 0);
        durations.push_back(run.took);
    }
    const std::string oldServer = Server(), oldDescription = Description();
    ASSERT_NE(oldServer, newServer);
    ASSERT_NE(oldDescription, newDescription);
    // The kill moments follow the save's run time as the machine's load changes it: the window is 1.2 times the
    // median of the latest whole saves, so that most kills land while the save runs on a busy machine too.
    const auto Window = [&durations] {
        std::vector<Clock::duration> latest(durations.end() - std::min<std::ptrdiff_t>(durations.size(), 9),
                                            durations.end());
        std::nth_element(latest.begin(), latest.begin() + latest.size() / 2, latest.end());
        return std::chrono::duration_cast<std::chrono::microseconds>(latest[latest.size() / 2] * 12 / 10);
    };
    std::chrono::microseconds window{};

    std::mt19937 random(KillSeed());
    int killedWhileSaving = 0, oneNewOneOld = 0, torn = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        const bool serverIsNew = Server() == newServer;
        window = Window();
        const auto moment = std::chrono::microseconds(std::uniform_int_distribution<long>(0, window.count())(random));
        const DriverRun run = Save(serverIsNew ? "old" : "new", moment);
        if (!run.killed)
            durations.push_back(run.took);
        const std::string server = Server(), description = Description();
        const bool serverWhole = server == oldServer || server == newServer;
        const bool descriptionWhole = description == oldDescription || description == newDescription;
        torn += (serverWhole ? 0 : 1) + (descriptionWhole ? 0 : 1);
        EXPECT_TRUE(serverWhole && descriptionWhole) << "kill " << kill << ": server file " << server.size()
                                                     << " bytes, description " << description.size() << " bytes";
        EXPECT_TRUE(run.killed || run.exitCode == 0) << "kill " << kill << ": the save failed by itself";
        killedWhileSaving += run.killed ? 1 : 0;
        oneNewOneOld += (server == newServer) != (description == newDescription) ? 1 : 0;
    }
    const int leftTemporaries = LeftTemporaries();

    ASSERT_EQ(Save("new").exitCode, 0) << "the temporaries left behind must not stop the next save";
    EXPECT_TRUE(Server() == newServer && Description() == newDescription);
    EXPECT_EQ(OpenItem(project.Path("Quest/"), "Big").item.price, "2000");
    EXPECT_GT(killedWhileSaving, kKills / 2) << "most kills must land while the save runs";

    std::printf(
        "kill seed %u, save window %lld us, kills %d, killed while saving %d, ended with one file new and one old %d, "
        "torn files %d, temporaries left %d\n",
        KillSeed(), static_cast<long long>(window.count()), kKills, killedWhileSaving, oneNewOneOld, torn,
        leftTemporaries);
    RecordProperty("killed_while_saving", killedWhileSaving);
    RecordProperty("one_file_new_one_old", oneNewOneOld);
    RecordProperty("torn_files", torn);
    RecordProperty("temporaries_left", leftTemporaries);
}
