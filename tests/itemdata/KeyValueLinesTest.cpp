#include "itemdata/KeyValueLines.h"
#include "tests/support/TextLines.h"

#include <gtest/gtest.h>

#include <ostream>

// The store's rules as triples: the text a file holds, what is read and written, the text saved afterwards.
namespace {

struct Step {
    enum Kind { Read, Write } kind;
    std::string name;
    std::string value; // the value to write, or the value a read must give
};

struct StoreCase {
    const char* title;
    std::string before;
    std::vector<Step> steps;
    std::string after;
};

std::ostream& operator<<(std::ostream& out, const StoreCase& storeCase) {
    return out << storeCase.title;
}

Step Read(const std::string& name, const std::string& gives) {
    return {Step::Read, name, gives};
}

Step Write(const std::string& name, const std::string& value) {
    return {Step::Write, name, value};
}

const std::string kUntouchable = std::string("\r\n; a comment\r\n[Section]\r\nWeight=3  \r\n  Price=7\r\n") +
                                 "Name=\xC9p\xE9 \xFF\r\nNote=a" + std::string(1, '\0') + "b\r\n\tTab=1\r\n";

const StoreCase kStoreCases[] = {
    {"a write replaces the line in place, spelled as the caller spells the key",
     "Type=Ring\r\nPrice=10\r\nStack=1\r\n",
     {Write("price", "25")},
     "Type=Ring\r\nprice=25\r\nStack=1\r\n"},
    {"names match in any letter case",
     "tYPE=Potion\r\n",
     {Read("Type", "Potion"), Read("TYPE", "Potion")},
     "tYPE=Potion\r\n"},
    {"the first occurrence is read and only it is replaced",
     "Bonus=A\r\nBONUS=B\r\nbonus=C\r\n",
     {Read("Bonus", "A"), Write("bonus", "X"), Read("BONUS", "X")},
     "bonus=X\r\nBONUS=B\r\nbonus=C\r\n"},
    {"the value is everything after the first =",
     "Bonus=Attack+5=x\r\nClass= Mage \r\n",
     {Read("Bonus", "Attack+5=x"), Read("Class", " Mage ")},
     "Bonus=Attack+5=x\r\nClass= Mage \r\n"},
    {"names are not trimmed",
     "Type =Ring\r\n Price=5\r\n",
     {Read("Type", ""), Read("Price", "")},
     "Type =Ring\r\n Price=5\r\n"},
    {"a line without = is never matched",
     "Type\r\nType=Ring\r\n",
     {Read("Type", "Ring"), Write("Type", "Cape")},
     "Type\r\nType=Cape\r\n"},
    {"an empty name matches a line that starts with =", "=x\r\n", {Read("", "x")}, "=x\r\n"},
    {"a name holding = matches no line", "a=b=c\r\n", {Read("a=b", ""), Read("a", "b=c")}, "a=b=c\r\n"},
    {"an empty value is a value: nothing is appended",
     "Bonus=\r\n",
     {Read("Bonus", ""), Write("Bonus", "")},
     "Bonus=\r\n"},
    {"a missing key reads empty and changes nothing", "Type=Ring\r\n", {Read("Stack", "")}, "Type=Ring\r\n"},
    {"writing appends missing keys in call order, after the existing lines",
     "Weight=3\r\n",
     {Write("Type", "Ring"), Write("Bonus", "Attack+25,ResHeat+10"), Write("Price", "1500"), Write("Class", "ALL"),
      Write("Stack", "1")},
     "Weight=3\r\nType=Ring\r\nBonus=Attack+25,ResHeat+10\r\nPrice=1500\r\nClass=ALL\r\nStack=1\r\n"},
    {"an appended key is then replaced in place",
     "",
     {Write("Stack", "0"), Write("Type", "Ring"), Write("STACK", "9")},
     "STACK=9\r\nType=Ring\r\n"},
    {"untouched lines keep every byte: blanks, comments, trailing blanks, bytes above 127, NUL",
     kUntouchable + "Price=1\r\n",
     {Read("Name", "\xC9p\xE9 \xFF"), Read("Note", std::string("a\0b", 3)), Write("Price", "2")},
     kUntouchable + "Price=2\r\n"},
};

class KeyValueLinesCase : public testing::TestWithParam<StoreCase> {};

// Every case holds whether the names are looked for line by line or noted as the text is read.
TEST_P(KeyValueLinesCase, GivesTheValuesAndTheSavedText) {
    const StoreCase& storeCase = GetParam();
    std::vector<std::string> stepNames;
    for (const Step& step : storeCase.steps) {
        if (step.name.find('=') == std::string::npos)
            stepNames.push_back(step.name);
    }
    for (const bool noted : {false, true}) {
        KeyValueLines store(storeCase.before, noted ? stepNames : std::vector<std::string>());
        for (const Step& step : storeCase.steps) {
            if (step.kind == Step::Read)
                EXPECT_EQ(store.ReadValue(step.name), step.value) << "reading " << step.name << ", noted " << noted;
            else
                store.WriteValue(step.name, step.value);
        }
        EXPECT_EQ(store.Text(), storeCase.after) << "noted " << noted;
    }
}

INSTANTIATE_TEST_SUITE_P(Rules, KeyValueLinesCase, testing::ValuesIn(kStoreCases));

} // namespace

namespace {

std::vector<std::string> LinesOf(const std::string& text) {
    return KeyValueLines(text).Lines();
}

} // namespace

TEST(KeyValueLinesReading, EveryLineEndConventionSplitsTheSame) {
    const std::vector<std::string> ab = {"a", "b"};
    EXPECT_EQ(LinesOf("a\r\nb\r\n"), ab);
    EXPECT_EQ(LinesOf("a\r\nb"), ab);
    EXPECT_EQ(LinesOf("a\nb\n"), ab);
    EXPECT_EQ(LinesOf("a\rb\r"), ab);
    EXPECT_EQ(LinesOf("a\r\nb\rc\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
}

TEST(KeyValueLinesReading, LineEndsAndNamesAreFoundWhereverTheyFallInTheText) {
    // The text is read in pieces of sixteen bytes: every line end and "=" is tried at every place around a piece's
    // edge, against the plain splitter.
    for (std::size_t pad = 0; pad < 20; ++pad) {
        for (const char* end : {"\r\n", "\r", "\n"}) {
            const std::string text =
                std::string(pad, 'k') + "=v=w" + end + "Key" + std::string(pad % 7, 'e') + "=" + end + end + "last";
            const KeyValueLines store(text);
            EXPECT_EQ(store.Lines(), SplitLines(text)) << pad;
            EXPECT_EQ(store.ReadValue(std::string(pad, 'K')), "v=w") << pad;
            EXPECT_EQ(store.ReadValue("key" + std::string(pad % 7, 'E')), "") << pad;
            EXPECT_EQ(store.LinesNamed("KEY" + std::string(pad % 7, 'e')).size(), 1u) << pad;
        }
    }
}

TEST(KeyValueLinesReading, EmptyLinesCountButAFinalLineEndAddsNone) {
    EXPECT_EQ(LinesOf(""), std::vector<std::string>{});
    EXPECT_EQ(LinesOf("\r\n"), std::vector<std::string>{""});
    EXPECT_EQ(LinesOf("\n\n"), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(LinesOf("a\r\r\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(LinesOf("a\n\rb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(LinesOf("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
}

TEST(KeyValueLinesReading, WritingEndsEveryLineWithCrLf) {
    EXPECT_EQ(KeyValueLines("").Text(), "");
    EXPECT_EQ(KeyValueLines("\n").Text(), "\r\n");
    EXPECT_EQ(KeyValueLines("Type=Ring\n\rStack=1").Text(), "Type=Ring\r\n\r\nStack=1\r\n");
    const std::string mixed = std::string("x\ny\r\n\xE9\rz") + std::string(1, '\0');
    EXPECT_EQ(KeyValueLines(mixed).Text(), std::string("x\r\ny\r\n\xE9\r\nz") + std::string(1, '\0') + "\r\n");
}
