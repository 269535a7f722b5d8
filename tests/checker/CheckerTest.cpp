// brindlework-check as its users meet it: the lines and the JSON document it writes for a sample project with one
// fault of every kind, and its exit status for clean, faulty and unreadable projects and for bad command lines.
#include "tests/checker/BrokenQuest.h"

#include "base/Os.h"
#include "tests/support/AccentedName.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

namespace {

std::string Golden() {
    std::ifstream in(BRINDLE_SOURCE_DIR "/tests/checker/BrokenQuest.golden", std::ios::binary);
    return Native(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace

TEST(CheckerTest, TheSampleProjectChecksClean) {
    const CheckOutput run = RunCheck({BRINDLE_SOURCE_DIR "/examples/Quest"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "4 items checked: 0 errors, 0 warnings\n");
    EXPECT_EQ(run.err, "");
}

TEST(CheckerTest, EveryCheckFindsItsSeededFaultWithItsLine) {
    const BrokenQuest project;
    const CheckOutput run = RunCheck({project.Root()});
    EXPECT_EQ(run.out, Golden()) << run.out;
    EXPECT_EQ(run.status, 1);
    // The separator is the platform's, in the file names and in the messages alike.
    const std::string expected = Os::kPathSeparator == '\\'
                                     ? "SERVER\\Bare.ITM: error: description file CLIENT\\Bare.ITM is missing"
                                     : "SERVER/Bare.ITM: error: description file CLIENT/Bare.ITM is missing";
    EXPECT_NE(run.out.find(expected + "\n"), std::string::npos);
}

TEST(CheckerTest, TheJsonDocumentHoldsWhatTheLinesSay) {
    const BrokenQuest project;
    const CheckOutput json = RunCheck({"--json", project.Root()});
    const auto document = nlohmann::json::parse(json.out);
    const std::vector<std::string> lines = Lines(RunCheck({project.Root()}).out);
    ASSERT_EQ(document["findings"].size() + 1, lines.size());
    std::set<std::string> checks;
    for (std::size_t i = 0; i < document["findings"].size(); ++i) {
        const auto& finding = document["findings"][i];
        const std::string line = finding["line"].is_null() ? "" : ":" + std::to_string(finding["line"].get<int>());
        EXPECT_EQ(finding["file"].get<std::string>() + line + ": " + finding["severity"].get<std::string>() + ": " +
                      finding["message"].get<std::string>(),
                  lines[i]);
        EXPECT_EQ(finding["project"], project.Root());
        checks.insert(finding["check"].get<std::string>());
    }
    EXPECT_EQ(checks, (std::set<std::string>{"appearance-missing",
                                             "bonus-empty",
                                             "bonus-kind-not-offered",
                                             "bonus-potion-value",
                                             "bonus-unknown-kind",
                                             "bonus-value-not-number",
                                             "bonus-value-range",
                                             "bonus-value-spelling",
                                             "class",
                                             "description-encoding",
                                             "description-missing",
                                             "description-unreadable",
                                             "duplicate-key",
                                             "icon-missing",
                                             "icon-not-bitmap",
                                             "icon-unreadable",
                                             "item-name",
                                             "orphan-appearance",
                                             "orphan-description",
                                             "orphan-icon",
                                             "price",
                                             "server-unreadable",
                                             "stack",
                                             "type"}));
    EXPECT_EQ(document["summary"], lines.back());
    EXPECT_EQ(document["errors"].get<int>() + document["warnings"].get<int>(), document["findings"].size());
    EXPECT_EQ(json.status, 1);
}

TEST(CheckerTest, TheJsonDocumentIsUtf8WhateverTheSystemsCodePage) {
    const AccentedName name;
    const std::string& utf8 = name.utf8;
    ProjectFolder project;
    project.CopyQuest();
    std::ofstream(Os::FileSystemPath(project.Path("SERVER/" + utf8 + ".ITM")), std::ios::binary)
        << "Type=Ring\r\nBonus=\r\nPrice=1\r\nClass=ALL\r\nStack=1\r\n";

    const auto findings = nlohmann::json::parse(RunCheck({"--json", project.Root()}).out)["findings"];
    ASSERT_FALSE(findings.empty());
    for (const auto& finding : findings)
        EXPECT_EQ(finding["file"], Native("SERVER/" + utf8 + ".ITM"));
    EXPECT_EQ(findings[0]["message"], Native("description file CLIENT/" + utf8 + ".ITM is missing"));
}

TEST(CheckerTest, TheExitStatusTellsErrorsWarningsAndWhatCouldNotBeChecked) {
    const BrokenQuest broken;
    ProjectFolder warned;
    warned.CopyQuest();
    warned.Write("CLIENT/Ghost.ITM", "Nobody's tale\r\n");
    const std::string quest = BRINDLE_SOURCE_DIR "/examples/Quest";

    EXPECT_EQ(RunCheck({warned.Root()}).status, 0) << "warnings alone pass";
    EXPECT_EQ(RunCheck({"--strict", warned.Root()}).status, 1);
    const CheckOutput quiet = RunCheck({warned.Root(), "--quiet"});
    EXPECT_EQ(quiet.status, 0);
    EXPECT_EQ(quiet.out, "") << "no warning and no summary";
    const CheckOutput quietBroken = RunCheck({"--quiet", broken.Root()});
    EXPECT_EQ(quietBroken.status, 1);
    EXPECT_EQ(quietBroken.out.find("warning"), std::string::npos);
    EXPECT_NE(quietBroken.out.find("error"), std::string::npos);

    const CheckOutput unread = RunCheck({quest, warned.Path("missing"), warned.Path("RESOURCES")});
    EXPECT_EQ(unread.status, 2);
    EXPECT_EQ(Lines(unread.err).size(), 2u) << unread.err;
    EXPECT_EQ(unread.out, "4 items checked: 0 errors, 0 warnings\n") << "the readable folder is still checked";
    const CheckOutput both = RunCheck({quest, broken.Root()});
    EXPECT_EQ(both.status, 1);
    EXPECT_NE(both.out.find("\n" + broken.Root() + Native("SERVER/Sword.ITM:3: error:")), std::string::npos)
        << "with several folders each file is named with its folder";

    for (const auto& usage : std::vector<std::vector<std::string>>{{}, {"--jsn", quest}, {"--json"}})
        EXPECT_EQ(RunCheck(usage).status, 2);
    EXPECT_EQ(RunCheck({"--", "-no-such-folder"}).status, 2);
    EXPECT_EQ(RunCheck({"--help"}).status, 0);
    const CheckOutput version = RunCheck({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("brindlework-check ", 0), 0u);
}
