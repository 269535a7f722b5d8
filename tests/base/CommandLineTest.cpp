#include "base/CommandLine.h"

#include <gtest/gtest.h>

namespace {

CommandLine Read(std::vector<std::string> arguments, const PathStyle& style) {
    const auto commandLine = ReadCommandLine(arguments, style);
    EXPECT_TRUE(commandLine.has_value());
    return commandLine.value_or(CommandLine{});
}

} // namespace

TEST(CommandLine, NoArgumentAsksNothing) {
    EXPECT_FALSE(ReadCommandLine({}, PathStyle::Windows()).has_value());
    EXPECT_FALSE(ReadCommandLine({}, PathStyle::Posix()).has_value());
}

TEST(CommandLine, WindowsProjectFolders) {
    const auto windows = PathStyle::Windows();
    EXPECT_EQ(Read({"C:\\My", "Games\\Proj"}, windows).ProjectRoot, "C:\\My Games\\Proj\\");
    EXPECT_EQ(Read({"C:\\Proj\\"}, windows).ProjectRoot, "C:\\Proj\\");
    EXPECT_EQ(Read({"C:\\Proj"}, windows).ProjectRoot, "C:\\Proj\\");
    EXPECT_EQ(Read({"C:\\Proj"}, windows).ItemName, "");
    // A dot in a folder's name is not the item's extension.
    EXPECT_EQ(Read({"C:\\Old.ITM\\Proj"}, windows).ProjectRoot, "C:\\Old.ITM\\Proj\\");
}

TEST(CommandLine, WindowsItemFiles) {
    const auto windows = PathStyle::Windows();
    const CommandLine sword = Read({"C:\\Proj\\Sword.itm"}, windows);
    EXPECT_EQ(sword.ItemName, "Sword");
    EXPECT_EQ(sword.ProjectRoot, "C:\\Proj\\");
    EXPECT_EQ(Read({"C:\\Proj\\Long.Sword.ITM"}, windows).ItemName, "Long");
    const CommandLine onDrive = Read({"D:Ring.ITM"}, windows);
    EXPECT_EQ(onDrive.ProjectRoot, "D:");
    EXPECT_EQ(onDrive.ItemName, "Ring");
    const CommandLine forward = Read({"C:/My", "Games/Axe.Itm"}, windows);
    EXPECT_EQ(forward.ProjectRoot, "C:/My Games/");
    EXPECT_EQ(forward.ItemName, "Axe");
    EXPECT_EQ(Read({"C:\\Proj\\Sword.ITMX"}, windows).ProjectRoot, "C:\\Proj\\Sword.ITMX\\");
}

TEST(CommandLine, PosixPaths) {
    const auto posix = PathStyle::Posix();
    EXPECT_EQ(Read({"/home/ann/My", "Games/Proj"}, posix).ProjectRoot, "/home/ann/My Games/Proj/");
    EXPECT_EQ(Read({"/games/quest/"}, posix).ProjectRoot, "/games/quest/");
    const CommandLine ring = Read({"/games/quest/SERVER/RubyRing.ITM"}, posix);
    EXPECT_EQ(ring.ProjectRoot, "/games/quest/SERVER/");
    EXPECT_EQ(ring.ItemName, "RubyRing");
    // On POSIX a colon or backslash is part of a name, not a folder's end.
    const CommandLine odd = Read({"/games/a:b\\Ring.itm"}, posix);
    EXPECT_EQ(odd.ProjectRoot, "/games/");
    EXPECT_EQ(odd.ItemName, "a:b\\Ring");
}

TEST(CommandLine, TheSuitesWindowsCommandLineIsSplitOnlyAtBlanksOutsideQuotes) {
    using Words = std::vector<std::string>;
    EXPECT_EQ(SplitCommandLine("brindlework.exe \"C:\\My Games\\Quest\\\""),
              (Words{"brindlework.exe", "C:\\My Games\\Quest\\"}))
        << "a backslash before a closing quote escapes nothing";
    EXPECT_EQ(SplitCommandLine("\"C:\\Program Files\\brindlework.exe\" \"C:\\My Games\\Quest\\Sword.ITM\""),
              (Words{"C:\\Program Files\\brindlework.exe", "C:\\My Games\\Quest\\Sword.ITM"}));
    EXPECT_EQ(SplitCommandLine("brindlework.exe  C:\\My\tGames\\Quest "),
              (Words{"brindlework.exe", "C:\\My", "Games\\Quest"}));
    EXPECT_EQ(SplitCommandLine("b C:\\My\" \"Games\\ \"\""), (Words{"b", "C:\\My Games\\", ""}))
        << "a quote may stand inside a word; an empty pair of quotes is an empty word";
    EXPECT_EQ(SplitCommandLine("b \"C:\\\\Games\\\\\""), (Words{"b", "C:\\\\Games\\\\"}));
    EXPECT_EQ(SplitCommandLine(""), Words{});

    const auto windows = PathStyle::Windows();
    const Words suiteWords = SplitCommandLine("b \"C:\\My Games\\Quest\\\"");
    const CommandLine quoted = Read(Words(std::next(suiteWords.begin()), suiteWords.end()), windows);
    EXPECT_EQ(quoted.ProjectRoot, "C:\\My Games\\Quest\\");
    EXPECT_EQ(quoted.ItemName, "");
    // 表 and ソ end in the byte of a backslash in code page 932; in UTF-8 no byte of them is one.
    const CommandLine table = Read({"C:\\Games\\Quest\\\xE8\xA1\xA8.ITM"}, windows);
    EXPECT_EQ(table.ItemName, "\xE8\xA1\xA8");
    EXPECT_EQ(table.ProjectRoot, "C:\\Games\\Quest\\");
    EXPECT_EQ(Read({"C:\\Games\\\xE8\xA1\xA8"}, windows).ProjectRoot, "C:\\Games\\\xE8\xA1\xA8\\");
}
