// brindlework-check on the hostile files of the editor's robustness checks, and what it leaves behind: every file
// is reported without a crash or a hang, no control character from a file reaches the output, and the project is
// left byte for byte as it was, its access times too.
#include "tests/checker/BrokenQuest.h"
#include "tests/support/UnreadableFile.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#endif

namespace fs = std::filesystem;

namespace {

const std::string kRing = "Type=Ring\r\nBonus=\r\nPrice=1\r\nClass=ALL\r\nStack=1\r\n";

// A bitmap header claiming width x height pixels of 24 bits, and no pixels.
std::string BitmapHeader(std::uint32_t width, std::uint32_t height) {
    std::string header = "BM";
    const auto put = [&header](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            header.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    };
    for (const std::uint32_t value : {54u, 0u, 54u, 40u, width, height})
        put(value, 4);
    put(1, 2);
    put(24, 2);
    for (int i = 0; i < 6; ++i)
        put(0, 4);
    return header;
}

bool HasControlCharacter(const std::string& text) {
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\n') || c == 0x7F)
            return true;
    }
    return false;
}

std::string Line(const std::string& out, const std::string& start) {
    const auto at = out.find(Native(start));
    return at == std::string::npos ? "(none starts with " + start + ")" : out.substr(at, out.find('\n', at) - at);
}

} // namespace

TEST(HostileProjectTest, EveryHostileFileIsReportedWithoutACrashOrAHang) {
    ProjectFolder project;
    project.CopyQuest();
    const auto add = [&project](const std::string& name, const std::string& server) {
        project.Write("SERVER/" + name + ".ITM", server);
        project.Write("CLIENT/" + name + ".ITM", "Tale\r\n");
        project.Write("CLIENT/" + name + ".BMP", project.Read("CLIENT/RubyRing.BMP"));
    };
    std::string bonuses;
    for (int i = 0; i < 100000; ++i)
        bonuses += (i > 0 ? "," : "") + std::string(i % 2 ? "Attack+" + std::to_string(i) : "Heal");
    add("Many", "Type=Ring\r\nBonus=" + bonuses + "\r\nPrice=1\r\nClass=ALL\r\nStack=1\r\n");
    const std::string sixteenMiB(16u << 20, '7');
    add("Digits", "Type=Ring\r\nBonus=Attack+" + sixteenMiB + "\r\nPrice=" + std::string(40000, '9') +
                      "\r\nClass=ALL\r\nStack=" + std::string(1u << 20, '1') + "\r\nLore=" + sixteenMiB + "\r\n");
    add("LongType", "Type=" + sixteenMiB + "\r\nBonus=\r\nPrice=1\r\nClass=ALL\r\nStack=1\r\n");
    add("Controls",
        std::string("Type=R") + '\0' + "ng\x1B[2J\r\nBonus=Attack+\x07\r\nPrice=1\r\nClass=ALL\r\nStack=1\r\n");
    add("Empty", "");
    add("Wide", std::string("\xFF\xFET\0y\0p\0e\0=\0R\0i\0n\0g\0\r\0\n\0", 24));
    project.MakeFolder("SERVER/Folder.ITM");
    add("Pictures", kRing);
    project.Write("CLIENT/Pictures.BMP", BitmapHeader(100000, 100000));
    add("Huge", kRing);
    project.Write("CLIENT/Huge.BMP", BitmapHeader(10000, 10000));
    add("Noise", kRing);
    project.Write("CLIENT/Noise.BMP", std::string(1u << 20, '\xA5'));
    for (const std::string name : {"Dark Knight", "  ", "-rf", ""})
        project.Write("SERVER/" + name + ".CLS", "");
    project.MakeFolder("SERVER/Folder.CLS");
    add("Odd", "Type=Ring\r\nBonus=\r\nPrice=1\r\nClass=\r\nStack=1\r\n");
#ifndef _WIN32
    // Names only other systems allow, and files that are no plain files.
    for (const std::string name : {"semi;colon$`'\"&|*?<>", "\xE9lf", "Line\nBreak"})
        project.Write("SERVER/" + name + ".CLS", "");
    add("Caf\xE9", kRing);
    add("Evil\nName", "Type=Rign\r\n");
    add("Piped", kRing);
    fs::remove(project.Path("CLIENT/Piped.BMP"));
    ASSERT_EQ(mkfifo(project.Path("CLIENT/Piped.BMP").c_str(), 0600), 0);
    add("Looped", kRing);
    fs::remove(project.Path("CLIENT/Looped.BMP"));
    fs::create_symlink("Looped.BMP", project.Path("CLIENT/Looped.BMP"));
#endif
    std::optional<UnreadableFile> locked;
    if (UnreadableFile::Supported()) {
        add("Locked", kRing);
        locked.emplace(project.Path("CLIENT/Locked.ITM"));
    }

    const CheckOutput run = RunCheck({project.Root()});
    const CheckOutput json = RunCheck({"--json", project.Root()});
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(HasControlCharacter(run.out));
    EXPECT_NO_THROW(nlohmann::json::parse(json.out));

    EXPECT_EQ(Line(run.out, "SERVER/Controls.ITM:1:"),
              Native("SERVER/Controls.ITM:1: error: Type \"R\\x00ng\\x1B[2J\" is none of the twenty item types"));
    EXPECT_EQ(Line(run.out, "SERVER/Digits.ITM"),
              Native("SERVER/Digits.ITM:2: error: bonus entry \"Attack+" + std::string(33, '7') + "...\": \"" +
                     std::string(40, '7') + "...\" is not a valid integer value"));
    EXPECT_EQ(Line(run.out, "SERVER/LongType.ITM"),
              Native("SERVER/LongType.ITM:1: error: Type \"" + std::string(40, '7') +
                     "...\" is none of the twenty item types"));
    EXPECT_EQ(Line(run.out, "SERVER/Wide.ITM"),
              Native("SERVER/Wide.ITM: error: cannot be read: it is UTF-16 text, which the editor does not change"));
    EXPECT_EQ(Line(run.out, "SERVER/Folder.ITM"),
              Native("SERVER/Folder.ITM: error: cannot be read: a folder of that name stands where the file belongs"));
    EXPECT_EQ(Line(run.out, "CLIENT/Pictures.BMP"),
              Native("CLIENT/Pictures.BMP: error: not a Windows bitmap the editor can show"));
    EXPECT_EQ(Line(run.out, "CLIENT/Huge.BMP"),
              Native("CLIENT/Huge.BMP: error: a bitmap too large for the editor to show: 10000 x 10000 pixels"));
    EXPECT_EQ(Line(run.out, "CLIENT/Noise.BMP"),
              Native("CLIENT/Noise.BMP: error: not a Windows bitmap the editor can show"));
    EXPECT_EQ(Line(run.out, "SERVER/Odd.ITM"), "(none starts with SERVER/Odd.ITM)")
        << "the empty class is the class of the file .CLS";
    EXPECT_EQ(Line(run.out, "SERVER/Empty.ITM:"), Native("SERVER/Empty.ITM: error: Type is missing"));
#ifndef _WIN32
    EXPECT_EQ(
        Line(run.out, "SERVER/Evil\\x0AName.ITM:1:"),
        "SERVER/Evil\\x0AName.ITM:1: error: Type \"Rign\" is none of the twenty item types (did you mean \"Ring\"?)");
    EXPECT_EQ(Line(run.out, "SERVER/Caf"), "(none starts with SERVER/Caf)");
    EXPECT_EQ(Line(run.out, "CLIENT/Piped.BMP"), "CLIENT/Piped.BMP: error: cannot be read: it is no plain file");
    EXPECT_EQ(Line(run.out, "CLIENT/Looped.BMP").rfind("CLIENT/Looped.BMP: error: cannot be read: ", 0), 0u);
#endif
    if (locked) {
        EXPECT_EQ(Line(run.out, "CLIENT/Locked.ITM"), "CLIENT/Locked.ITM: error: cannot be read: Permission denied");
    }
}

TEST(HostileProjectTest, CheckingWritesNothingAndLeavesAccessTimesAlone) {
    const BrokenQuest project;
    const auto longAgo = fs::file_time_type::clock::now() - std::chrono::hours(24 * 365 * 10);
    std::map<fs::path, std::pair<std::string, fs::file_time_type>> before;
    for (const auto& entry : fs::recursive_directory_iterator(project.Root())) {
        if (!entry.is_regular_file())
            continue;
        // Read back: Windows keeps the time in steps of 100 ns.
        fs::last_write_time(entry.path(), longAgo);
        before[entry.path()] = {project.Read(fs::relative(entry.path(), project.Root()).generic_string()),
                                fs::last_write_time(entry.path())};
    }
#ifndef _WIN32
    // An access time older than the file's change time is the one even a relatime mount updates on a read.
    const timespec accessedLongAgo{1000000000, 0};
    const timespec times[2] = {accessedLongAgo, {0, UTIME_OMIT}};
    for (const auto& [path, content] : before)
        utimensat(AT_FDCWD, path.c_str(), times, 0);
#endif
    EXPECT_EQ(RunCheck({project.Root()}).status, 1);
    EXPECT_EQ(RunCheck({"--json", project.Root()}).status, 1);

    std::map<fs::path, std::pair<std::string, fs::file_time_type>> after;
    for (const auto& entry : fs::recursive_directory_iterator(project.Root())) {
        if (!entry.is_regular_file())
            continue;
#ifndef _WIN32
        // Windows decides itself whether a read changes the access time; elsewhere the owner's reads never do. The
        // time is looked at before this test reads the file itself.
        struct stat facts {};
        ASSERT_EQ(stat(entry.path().c_str(), &facts), 0);
        EXPECT_EQ(facts.st_atim.tv_sec, accessedLongAgo.tv_sec) << entry.path();
#endif
        after[entry.path()] = {project.Read(fs::relative(entry.path(), project.Root()).generic_string()),
                               fs::last_write_time(entry.path())};
    }
    EXPECT_TRUE(after == before) << "no file was added, changed or removed";
}
