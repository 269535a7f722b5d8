// The table's reading and writing of comma-separated values on what spreadsheets and hands make of them.
#include "table/Csv.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Texts(const CsvRecord& record) {
    std::vector<std::string> texts;
    for (const CsvCell& cell : record)
        texts.push_back(cell.text);
    return texts;
}

// The error ReadCsv raises for bytes, as "LINE:COLUMN message".
std::string ErrorOf(const std::string& bytes) {
    try {
        ReadCsv(bytes);
    } catch (const CsvError& error) {
        return std::to_string(error.Line()) + ":" + std::to_string(error.Column()) + " " + error.what();
    }
    return "(read)";
}

} // namespace

TEST(Csv, AFieldOfQuotesCommasAndLineBreaksReadsBackAsWritten) {
    const std::vector<std::string> hostile = {"Ruby \"Red\" Ring",
                                              "Attack+25,ResHeat+10",
                                              "two\r\nlines",
                                              "a\nb\rc",
                                              " blank at the ends ",
                                              "",
                                              "=1+1",
                                              "\xC3\x89p\xC3\xA9"
                                              "e"};
    const std::string bytes = CsvRow({"Item"}) + CsvRow(hostile) + CsvRow({"last"});
    const auto records = ReadCsv(bytes);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(Texts(records[1]), hostile);
    EXPECT_EQ(records[1][3].line, 3u) << "a field starts on the line after the line break before it";
    EXPECT_EQ(records[1][4].line, 5u);
    EXPECT_EQ(records[2][0].line, 6u);
    EXPECT_EQ(CsvRow({"plain", "=1+1"}), "plain,=1+1\r\n") << "quoted only where needed";
}

TEST(Csv, ReadsEveryLineEndWithOrWithoutAByteOrderMarkAndLeavesEmptyRowsOut) {
    const std::vector<std::vector<std::string>> expected = {{"Item", "Price"}, {"Ring", "5"}, {"Helm", ""}};
    for (const std::string& bytes :
         {std::string("\xEF\xBB\xBFItem,Price\r\nRing,5\r\n,\r\nHelm,\r\n"), std::string("Item,Price\nRing,5\n\nHelm,"),
          std::string("Item,Price\rRing,5\rHelm,\r")}) {
        std::vector<std::vector<std::string>> read;
        for (const CsvRecord& record : ReadCsv(bytes))
            read.push_back(Texts(record));
        EXPECT_EQ(read, expected) << testing::PrintToString(bytes);
    }
}

TEST(Csv, RefusesATableCutShortBrokenQuotesAndBytesThatAreNoUtf8) {
    EXPECT_EQ(ErrorOf("Item,Bonuses\r\nRing,\"Attack+25,Res"),
              "2:2 the table ends inside this quoted field: is it cut short?");
    EXPECT_EQ(ErrorOf("Item,Price\r\n\"Ring\"x,5\r\n"), "2:1 text follows the closing quote of this field");
    EXPECT_EQ(ErrorOf("Item,Price\r\nRing,1\r\n\"Caf\xE9\",5\r\n"),
              "3:1 the field is no UTF-8 text (byte 4): save the table as UTF-8");
    EXPECT_EQ(ErrorOf("Item\r\n5\" blade\r\n"), "(read)") << "a quote inside a plain field is part of its text";
}
