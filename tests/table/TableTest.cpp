// brindlework-table as its users meet it: a sample project through export and import, edited, untouched and
// hostile tables, and what each leaves in the project.
#include "table/TableImport.h"
#include "table/TableRun.h"
#include "table/TableWrite.h"
#include "tests/itemdata/ProjectFolder.h"

#include "base/FileError.h"
#include "base/Os.h"
#include "tests/support/AccentedName.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace {

struct TableOutput {
    int status;
    std::string out, err;
};

TableOutput RunTableOn(const std::vector<std::string>& arguments) {
    std::ostringstream out, err;
    const int status = RunTable(arguments, out, err);
    return {status, out.str(), err.str()};
}

std::string Native(std::string text) {
    for (char& c : text)
        c = c == '/' ? Os::kPathSeparator : c;
    return text;
}

// Every file of the project and its bytes.
std::map<std::string, std::string> Snapshot(const ProjectFolder& project) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(project.Root())) {
        if (entry.is_regular_file())
            files[entry.path().lexically_relative(project.Root()).generic_string()] =
                project.Read(entry.path().lexically_relative(project.Root()).generic_string());
    }
    return files;
}

class TableTest : public testing::Test {
protected:
    void SetUp() override { project.CopyQuest(); }

    // Exports the project and gives the table's bytes.
    std::string Export() {
        const TableOutput run = RunTableOn({"export", project.Root(), "-o", tables.Path("items.csv")});
        EXPECT_EQ(run.status, 0) << run.err;
        return tables.Read("items.csv");
    }

    TableOutput Import(const std::string& table, bool dryRun = false) {
        tables.Write("in.csv", table);
        std::vector<std::string> arguments = {"import", project.Root(), tables.Path("in.csv")};
        if (dryRun)
            arguments.push_back("--dry-run");
        return RunTableOn(arguments);
    }

    static std::string Replaced(std::string text, const std::string& from, const std::string& to) {
        const auto at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return at == std::string::npos ? text : text.replace(at, from.size(), to);
    }

    ProjectFolder project;
    TempFolder tables;
};

} // namespace

TEST_F(TableTest, AnUntouchedTableChangesNoByteWhateverItsLineEndsAndMark) {
    const auto before = Snapshot(project);
    const std::string table = Export();
    EXPECT_EQ(table.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(table.find("\r\nBronzeHelm,Head,Warrior,800,1,\"Defend+40,ResChill+15\"\r\n"), std::string::npos);
    std::string bare = table.substr(3);
    for (auto at = bare.find("\r\n"); at != std::string::npos; at = bare.find("\r\n", at))
        bare.erase(at, 1);
    for (const std::string& same : {table, bare}) {
        const TableOutput run = Import(same);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, "nothing to change: every item holds what the table says\n");
    }
    EXPECT_EQ(Snapshot(project), before);
}

TEST_F(TableTest, AnEditedTableChangesExactlyItsValuesInPlace) {
    std::string table = Export();
    table = Replaced(table, "RubyRing,Ring,ALL,1500,", "RubyRing,Ring,ALL,1750,");
    table = Replaced(table, "Warrior,800,1,\"Defend+40", "Warrior,950,1,\"Defend+45");
    table = Replaced(table, "ALL,25,10", "ALL,30,10");
    const auto before = Snapshot(project);
    const TableOutput dry = Import(table, true);
    EXPECT_EQ(dry.status, 0) << dry.err;
    EXPECT_EQ(dry.out, Native("SERVER/BronzeHelm.ITM: Bonus Defend+40,ResChill+15 -> Defend+45,ResChill+15\n"
                              "SERVER/BronzeHelm.ITM: Price 800 -> 950\n"
                              "SERVER/HealingDraught.ITM: Price 25 -> 30\n"
                              "SERVER/RubyRing.ITM: Price 1500 -> 1750\n"
                              "dry run: 4 values of 3 items would change; nothing written\n"));
    EXPECT_EQ(Snapshot(project), before) << "a dry run writes nothing";

    const TableOutput run = Import(table);
    EXPECT_EQ(run.status, 0) << run.err;
    auto expected = before;
    expected["SERVER/RubyRing.ITM"] = Replaced(before.at("SERVER/RubyRing.ITM"), "Price=1500", "Price=1750");
    expected["SERVER/HealingDraught.ITM"] = Replaced(before.at("SERVER/HealingDraught.ITM"), "Price=25", "Price=30");
    expected["SERVER/BronzeHelm.ITM"] =
        Replaced(Replaced(before.at("SERVER/BronzeHelm.ITM"), "Price=800", "Price=950"), "Defend+40", "Defend+45");
    EXPECT_EQ(Snapshot(project), expected);
    EXPECT_EQ(Import(table).out, "nothing to change: every item holds what the table says\n");
}

TEST_F(TableTest, ColumnsAreFoundByNameAndMissingKeysAppendInTheSavesOrder) {
    project.Write("SERVER/Pebble.ITM", "type=Material\r\nWeight=3\r\n");
    // Columns in another order and letter case, one of them unknown; Type and Bonuses left out.
    const TableOutput run = Import("stack,Notes,CLASS,Price,Item\r\n4,round,all,7,Pebble\r\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(project.Read("SERVER/Pebble.ITM"), "type=Material\r\nWeight=3\r\nPrice=7\r\nClass=ALL\r\nStack=4\r\n")
        << "the class spelled as the class list has it, the keys in the order a save writes them";
}

TEST_F(TableTest, EveryRefusedValueIsToldWithItsLineAndColumnAndNothingIsWritten) {
    const auto before = Snapshot(project);
    const TableOutput run =
        Import("Item,Type,Class,Price,Stack,Bonuses\r\n"
               "RubyRing,Ring,ALL,=1+1,1,Attack+25\r\n"          // a formula is text, and no price
               "Nobody,Ring,ALL,1,1,\r\n"                        // no such item
               "rubyring,Ring,ALL,1,1,\r\n"                      // the same item again
               "AncientMap,Rign,Mgae,1,0,\r\n"                   // a slip of type and class, a zero stack
               "HealingDraught,Potion,ALL,1,1,\"Attack+5,\"\r\n" // a kind not offered, an empty entry
               "BronzeHelm,Head,Mage,\"1\n2\",1,\r\n"            // a line break in a price, no appearance
               "BronzeHelm,Head\r\n");                           // a row cut short
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    const std::string table = tables.Path("in.csv");
    EXPECT_EQ(
        run.err,
        table + ":2:4: error: Price \"=1+1\" is not decimal digits\n" + table +
            ":3:1: error: no item \"Nobody\" in the project\n" + table +
            ":4:1: error: the item \"rubyring\" has a row already, on line 2\n" + table +
            ":5:2: error: Type \"Rign\" is none of the twenty item types (did you mean \"Ring\"?)\n" + table +
            ":5:3: error: Class \"Mgae\" is neither \"ALL\" nor one of the project's classes (did you mean "
            "\"Mage\"?)\n" +
            table + ":5:5: error: Stack \"0\" is below 1: a save sets it to 1\n" + table +
            ":6:6: error: bonus entry \"Attack+5\": \"Attack+\" is not offered for type \"Potion\"\n" + table +
            ":6:6: error: bonus entry 2 of 2 is empty\n" + table +
            Native(":7:2: error: type \"Head\" of class \"Mage\" needs the appearance file CLIENT/MageBronzeHelm.FAP, "
                   "which is missing: the editor sets the type back to \"Material\"\n") +
            table + ":7:4: error: Price \"1\\x0A2\" is not decimal digits\n" + table +
            ":9: error: the row has 2 fields and the header 6: is it cut short or shifted?\n" +
            "11 problems in the table: nothing written\n");
    EXPECT_EQ(Snapshot(project), before);
}

TEST_F(TableTest, NamesOutsideAsciiTravelAsUtf8AndWhatTheCodePageCannotHoldIsRefused) {
    const AccentedName name;
    const std::string& utf8 = name.utf8;
    std::ofstream(Os::FileSystemPath(project.Path("SERVER/" + utf8 + ".ITM")), std::ios::binary)
        << "Type=Ring\r\nBonus=\r\nPrice=1\r\nClass=ALL\r\nStack=1\r\n";
    // Both characters of this name end in the byte of a backslash in the Japanese code page.
    const std::string reserve = "\xE4\xBA\x88\xE5\x82\x99";
    std::ofstream(Os::FileSystemPath(project.Path("SERVER/" + reserve + ".ITM")), std::ios::binary)
        << "Type=Ring\r\nBonus=\r\nPrice=1\r\nClass=ALL\r\nStack=1\r\n";
    // A value outside ASCII as the system's code page spells it: on Windows "élf", or where the code page holds
    // no "é", a Japanese or a Cyrillic word; elsewhere bytes that are no UTF-8, read as Windows-1252.
    std::string value = "\xC3\xA9lf", stored = "\xE9lf";
    if (Os::kPathSeparator == '\\') {
        for (const std::string candidate : {"\xC3\xA9lf", "\xE8\xA1\xA8", "\xD0\xBC\xD0\xB0\xD0\xB3"}) {
            if (const auto held = Os::SystemTextOfUtf8(candidate)) {
                value = candidate;
                stored = *held;
                break;
            }
        }
    }
    std::ofstream(Os::FileSystemPath(project.Path("SERVER/Latin.ITM")), std::ios::binary)
        << "Type=Ring\r\nBonus=\r\nPrice=1\r\nClass=" + stored + "\r\nStack=1\r\n";
    const std::string table = Export();
    EXPECT_NE(table.find("\r\n" + utf8 + ",Ring,ALL,1,1,\r\n"), std::string::npos) << table;
    EXPECT_NE(table.find("\r\nLatin,Ring," + value + ",1,1,\r\n"), std::string::npos) << table;
    EXPECT_NE(table.find("\r\n" + reserve + ",Ring,ALL,1,1,\r\n"), std::string::npos) << table;

    const std::string fixed = Replaced(Replaced(table, "Latin,Ring," + value, "Latin,Ring,ALL"),
                                       reserve + ",Ring,ALL,1,", reserve + ",Ring,ALL,7,");
    EXPECT_EQ(Import(fixed).status, 0) << "an item named outside ASCII is found by its name in the table";
    EXPECT_EQ(project.Read("SERVER/Latin.ITM"), "Type=Ring\r\nBonus=\r\nPrice=1\r\nClass=ALL\r\nStack=1\r\n");
    EXPECT_EQ(project.Read("SERVER/" + reserve + ".ITM"), "Type=Ring\r\nBonus=\r\nPrice=7\r\nClass=ALL\r\nStack=1\r\n");
    // No system code page holds a smiling face.
    const TableOutput face = Import(Replaced(fixed, utf8 + ",Ring,ALL", utf8 + ",Ring,\xF0\x9F\x98\x80"));
    EXPECT_EQ(face.status, 1);
    EXPECT_NE(face.err.find(":7:3: error: "), std::string::npos) << face.err;
    if (Os::kPathSeparator == '\\') {
        EXPECT_NE(face.err.find("Class holds characters the system's code page cannot store"), std::string::npos);
    }
}

TEST_F(TableTest, WhatCannotBeReadOrWrittenStopsTheRunWithStatusTwo) {
    project.MakeFolder("SERVER/Hollow.ITM");
    const TableOutput exported = RunTableOn({"export", project.Root()});
    EXPECT_EQ(exported.status, 1) << "an item left out is told";
    EXPECT_NE(exported.err.find(Native("SERVER/Hollow.ITM: error: cannot be read: ")), std::string::npos);
    EXPECT_EQ(exported.out.find("Hollow"), std::string::npos);
    EXPECT_NE(exported.out.find("\r\nRubyRing,"), std::string::npos);

    EXPECT_EQ(RunTableOn({"export", project.Root(), "-o", project.Path("SERVER/../items.csv")}).status, 2);
    EXPECT_FALSE(project.Exists("items.csv")) << "an export leaves the project as it was";
    EXPECT_EQ(Import("Name,Price\r\nRubyRing,5\r\n").status, 2) << "no Item column";
    EXPECT_EQ(Import("Item,Price,PRICE\r\nRubyRing,5,6\r\n").status, 2);
    EXPECT_EQ(Import("Item,Price\r\nRubyRing,\"5").status, 2);
    EXPECT_EQ(RunTableOn({"import", project.Root(), tables.Path("missing.csv")}).status, 2);
    for (const auto& usage : std::vector<std::vector<std::string>>{{},
                                                                   {"export"},
                                                                   {"import", project.Root()},
                                                                   {"sort", project.Root()},
                                                                   {"export", project.Root(), "--dry-run"}})
        EXPECT_EQ(RunTableOn(usage).status, 2);
    EXPECT_EQ(RunTableOn({"--version"}).out.rfind("brindlework-table ", 0), 0u);
}

TEST_F(TableTest, AFileWrittenBetweenTheCheckAndTheWriteIsNeverOverwritten) {
    const std::string table = Replaced(Replaced(Export(), "RubyRing,Ring,ALL,1500", "RubyRing,Ring,ALL,1750"),
                                       "BronzeHelm,Head,Warrior,800", "BronzeHelm,Head,Warrior,950");
    ImportPlan plan = PlanImport(project.Root(), table);
    ASSERT_TRUE(plan.problems.empty());
    ASSERT_EQ(plan.changes.size(), 2u);
    // Another program saves one of the two items while the table waits to be written.
    const std::string edited = project.Read("SERVER/RubyRing.ITM") + "Weight=3\r\n";
    project.Write("SERVER/RubyRing.ITM", edited);
    const auto before = Snapshot(project);
    try {
        WriteChanges(std::move(plan.changes));
        ADD_FAILURE() << "a file written since the check was overwritten";
    } catch (const FileError& refused) {
        EXPECT_EQ(refused.FileName(), project.Path("SERVER/RubyRing.ITM"));
        EXPECT_NE(refused.Reason().find("changed after the table was checked"), std::string::npos) << refused.what();
    }
    EXPECT_EQ(Snapshot(project), before) << "nothing is written, the other item neither";

    EXPECT_EQ(Import(table).status, 0) << "checked again, the table is written";
    EXPECT_EQ(project.Read("SERVER/RubyRing.ITM"), Replaced(edited, "Price=1500", "Price=1750"));
}

TEST_F(TableTest, AHundredThousandRowsAreAllToldWithoutAHang) {
    std::string table = "Item,Price\r\n";
    for (int i = 0; i < 100000; ++i)
        table += "RubyRing," + std::to_string(i) + "\r\n";
    const TableOutput run = Import(table);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("99999 problems in the table"), std::string::npos);
}
