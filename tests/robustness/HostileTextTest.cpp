// Item files whose text is hostile: empty files, NUL bytes, a 16 MiB line, bytes that are not valid in the
// locale's encoding, CR-only and mixed line ends. Each opens in the real window without a hang, and a save
// writes back every line the user did not change, byte for byte, ended by CR LF.
#include "tests/robustness/HostileItem.h"

#include <QPlainTextEdit>
#include <QTest>
#include <QTextDocument>

#include <filesystem>

namespace {

const std::string kNul(1, '\0');
// A complete ring's server data, which a save leaves as it is.
const std::vector<std::string> kRing = {"Type=Ring", "Bonus=", "Price=1", "Class=ALL", "Stack=1"};
constexpr std::size_t kSixteenMiB = 16u << 20;

} // namespace

TEST_F(HostileItemTest, EmptyFilesOpenAndTheSaveFixesPriceAndStackWithItsMessages) {
    WriteItem("", "");
    OpenHostile();
    EXPECT_TRUE(desktop.messages.isEmpty()) << desktop.messages.join('|').toStdString();
    EXPECT_EQ(Type().currentIndex(), -1);
    EXPECT_TRUE(BonusTexts().isEmpty());

    Save();
    EXPECT_EQ(desktop.messages, (QStringList{"Price value is empty, set to Price=0",
                                             "Stack value is empty or less than 1, set to Stack=1"}));
    EXPECT_EQ(project.Read(kServer), "Type=\r\nBonus=\r\nPrice=0\r\nClass=\r\nStack=1\r\n");
    EXPECT_EQ(project.Read(kDescription), "");
    EXPECT_FALSE(form->isVisible());
}

TEST_F(HostileItemTest, NulBytesAreCarriedThroughLoadAndSave) {
    const std::vector<std::string> server = {
        "Type=Ring", "Note=a" + kNul + "b", "Bonus=Attack+5,Ev" + kNul + "l", "Price=1" + kNul + "2", "Class=ALL",
        "Stack=1"};
    const std::vector<std::string> description = {kNul + "first", "sec" + kNul + "ond", kNul};
    ExpectOpenedQuietlyAndSavedByteForByte(server, description);
}

TEST_F(HostileItemTest, ASixteenMebibyteLineInTheServerFileSurvivesTheSave) {
    const std::string lore = "Lore=" + std::string(kSixteenMiB, 'x');
    const std::vector<std::string> server = {"Type=Ring", lore, "Bonus=Attack+5", "Price=7", "Class=ALL", "Stack=1"};
    WriteItem(CrLfLines(server), "Short\r\n");
    OpenHostile();
    EXPECT_EQ(Price().text(), QStringLiteral("7"));
    Save();
    EXPECT_TRUE(project.Read(kServer) == CrLfLines(server)) << "the 16 MiB line must come back unchanged";
}

TEST_F(HostileItemTest, ASixteenMebibyteDescriptionLineWithoutBlanksIsSavedAsItsWrappedPieces) {
    const std::string line = "Runes: " + std::string(kSixteenMiB, 'x') + " end";
    WriteItem("Type=Ring\r\n", line + "\r\n");
    OpenHostile();
    Save();
    const std::string saved = project.Read(kDescription);
    std::string joined;
    std::size_t pieces = 0;
    for (std::size_t start = 0, end; (end = saved.find("\r\n", start)) != std::string::npos; start = end + 2) {
        joined += saved.substr(start, end - start);
        ++pieces;
    }
    EXPECT_GT(pieces, 1000u);
    EXPECT_TRUE(joined == line) << "wrapping only adds line ends";
}

TEST_F(HostileItemTest, AnEastAsianLineWithoutBlanksIsSavedAsTheBoxWrapsItAndNoOtherwise) {
    std::string line;
    for (int i = 0; i < 1000; ++i)
        line += "\xE8\xA1\xA8"; // the same ideograph, so that every wrapped line holds as many of them
    WriteItem(CrLfLines(kRing), line + "\r\n");
    OpenHostile();
    Save();
    const std::string saved = project.Read(kDescription);
    std::vector<std::size_t> lengths;
    for (std::size_t start = 0, end; (end = saved.find("\r\n", start)) != std::string::npos; start = end + 2)
        lengths.push_back(end - start);
    ASSERT_GT(lengths.size(), 2u);
    lengths.pop_back();
    EXPECT_EQ(std::count(lengths.begin(), lengths.end(), lengths.front()), static_cast<long>(lengths.size()))
        << "each wrapped line full: no break made where the box would not wrap";
}

TEST_F(HostileItemTest, TextNotValidInTheLocaleEncodingIsSavedBackByteForByte) {
    const std::vector<std::string> server = {"Type=Ring",  "Note=\xFF\xFE\x80", "Bonus=R\xE9sist+5,\xC0\xAF",
                                             "Price=\xB5", "Class=ALL",         "Stack=\xED\xA0\x80",
                                             "\xE2\x82=1"};
    const std::vector<std::string> description = {"Lone \x80 continuation", "Cut \xE2\x82 short", "Overlong \xC0\xAF",
                                                  "Surrogate \xED\xA0\x80", "Unassigned \x81\x8D\x8F\x90\x9D"};
    ExpectOpenedQuietlyAndSavedByteForByte(server, description);

    // A file that ends inside what could be a sequence: its last bytes are shown and kept all the same.
    WriteItem(CrLfLines(server), "Tale of the caf\xE9");
    OpenHostile();
    EXPECT_TRUE(Child<QPlainTextEdit>("descriptionBox").toPlainText().endsWith(QStringLiteral("caf\u00E9")));
    Save();
    EXPECT_EQ(project.Read(kDescription), "Tale of the caf\xE9\r\n");
}

TEST_F(HostileItemTest, ADescriptionOpenedByAByteOrderMarkIsShownAndSavedInItsEncoding) {
    const std::string utf8 = "\xEF\xBB\xBFSaved by a Windows editor\r\nwith \xC3\xA9 in UTF-8\r\n";
    // "Ré\r\n" and a blank line, in UTF-16 of either byte order, each opened by its byte order mark.
    const std::string little("\xFF\xFER\0\xE9\0\r\0\n\0\r\0\n\0", 14);
    const std::string big("\xFE\xFF\0R\0\xE9\0\r\0\n\0\r\0\n", 14);
    for (const std::string& description : {utf8, little, big}) {
        WriteItem(CrLfLines(kRing), description);
        OpenHostile();
        if (description != utf8) {
            EXPECT_EQ(Child<QPlainTextEdit>("descriptionBox").toPlainText(), QStringLiteral("\uFEFFR\u00E9\n\n"));
        }
        Save();
        EXPECT_EQ(project.Read(kDescription), description);
    }
    // The box shows a line or paragraph separator as a line break, and a save writes what the box shows.
    const std::string separators = "\xEF\xBB\xBFOne\xE2\x80\xA8two\xE2\x80\xA9three\r\n";
    WriteItem(CrLfLines(kRing), separators);
    OpenHostile();
    Save();
    EXPECT_EQ(project.Read(kDescription), "\xEF\xBB\xBFOne\r\ntwo\r\nthree\r\n");
    EXPECT_TRUE(desktop.messages.isEmpty()) << desktop.messages.join('|').toStdString();
}

TEST_F(HostileItemTest, UnkeepableTextIsShownWithAMessageAndNeverOverwritten) {
    const std::string wideServer("\xFF\xFET\0y\0p\0e\0=\0R\0i\0n\0g\0\r\0\n\0", 24);
    const std::string brokenDescription("\xFE\xFF\xD8\x00\0A", 6);
    WriteItem(wideServer, brokenDescription);
    OpenHostile();
    ASSERT_EQ(desktop.messages.size(), 2);
    EXPECT_EQ(desktop.messages[0],
              "Could not read \"" + Shown(kServer) + "\": it is UTF-16 text, which the editor does not change.");
    EXPECT_TRUE(desktop.messages[1].startsWith("Could not read \"" + Shown(kDescription) + "\": it is UTF-16 text"));
    desktop.messages.clear();
    Save();
    EXPECT_EQ(desktop.messages, QStringList{"Could not save \"" + Shown(kServer) +
                                            "\": it could not be read when the item was opened, and saving would "
                                            "replace what it holds."});
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(project.Read(kServer) == wideServer && project.Read(kDescription) == brokenDescription);
}

TEST_F(HostileItemTest, TypedTextTheDescriptionsEncodingCannotHoldIsToldAndNothingIsWritten) {
    const std::string windows = "Caf\xE9 blade.\r\n";
    WriteItem(CrLfLines(kRing), windows);
    OpenHostile();
    auto& description = Child<QPlainTextEdit>("descriptionBox");
    description.moveCursor(QTextCursor::End);
    // Typed as one key press each would be, though QTest can only name the keys of ASCII text.
    const auto type = [&description](const QString& text) {
        QTest::sendKeyEvent(QTest::Click, &description, Qt::Key_unknown, text, Qt::NoModifier);
    };
    type(QStringLiteral("\u6F22\u5B57 \U0001F5E1 \u00E9"));
    Save();
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(desktop.messages[0].startsWith("The description cannot be saved in \"" + Shown(kDescription) + "\""));
    EXPECT_TRUE(desktop.messages[0].contains(QStringLiteral(": \u6F22 \u5B57 \U0001F5E1\r")))
        << desktop.messages[0].toStdString();
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(project.Read(kServer) == CrLfLines(kRing) && project.Read(kDescription) == windows);

    description.moveCursor(QTextCursor::End);
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(&description, Qt::Key_Backspace);
    type(QStringLiteral("\u00E9"));
    desktop.messages.clear();
    Save();
    EXPECT_TRUE(desktop.messages.isEmpty()) << desktop.messages.join('|').toStdString();
    EXPECT_EQ(project.Read(kDescription), "Caf\xE9 blade.\r\n\xE9\r\n")
        << "what it holds is saved once the rest is gone";
}

TEST_F(HostileItemTest, BlankLinesInsideAndAtTheEndOfTheDescriptionSurvive) {
    ExpectOpenedQuietlyAndSavedByteForByte(kRing, {"Tale", "", "told", "", ""});
    ExpectOpenedQuietlyAndSavedByteForByte(kRing, {""});
    ExpectOpenedQuietlyAndSavedByteForByte(kRing, {"", "", ""});
}

TEST_F(HostileItemTest, CrOnlyAndMixedLineEndsKeepEveryLine) {
    WriteItem("Type=Ring\rNote=cr\rPrice=5\r\nOther=lf\nStack=2\r\r\nLast=none",
              "One\rTwo\nThree\r\n\rFive\n\r\nSeven");
    OpenHostile();
    EXPECT_EQ(Price().text(), QStringLiteral("5"));
    EXPECT_EQ(Stack().text(), QStringLiteral("2"));
    Save();
    EXPECT_EQ(project.Read(kServer), CrLfLines({"Type=Ring", "Note=cr", "Price=5", "Other=lf", "Stack=2", "",
                                                "Last=none", "Bonus=", "Class="}));
    EXPECT_EQ(project.Read(kDescription), CrLfLines({"One", "Two", "Three", "", "Five", "", "Seven"}));
}

TEST_F(HostileItemTest, AManyPageDescriptionIsShownPieceByPieceAndSavedWholeWhenSaveComesFirst) {
    std::string description;
    for (int line = 0; line < 200000; ++line)
        description += "Line " + std::to_string(line) + (line % 7 ? "" : " of the old tale") + "\r\n";
    WriteItem(CrLfLines(kRing), description);
    OpenHostile();
    const auto& box = Child<QPlainTextEdit>("descriptionBox");
    EXPECT_LT(box.document()->characterCount(), static_cast<int>(description.size() / 2))
        << "the window answers before the whole description is shown";
    Save();
    EXPECT_TRUE(desktop.messages.isEmpty()) << desktop.messages.join('|').toStdString();
    EXPECT_TRUE(project.Read(kDescription) == description) << "every line, none wrapped, none lost";
}

TEST_F(HostileItemTest, TextTypedWhileAManyPageDescriptionArrivesLandsWhereItWasTyped) {
    std::string description;
    for (int line = 0; line < 100000; ++line)
        description += "Line " + std::to_string(line) + "\r\n";
    WriteItem(CrLfLines(kRing), description);
    OpenHostile();
    auto& box = Child<QPlainTextEdit>("descriptionBox");
    ASSERT_LT(box.document()->characterCount(), static_cast<int>(description.size() / 2));
    QTest::keyClick(&box, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(&box, "The end.");
    box.moveCursor(QTextCursor::Start);
    QTest::keyClicks(&box, "Once: ");
    Save();
    EXPECT_TRUE(desktop.messages.isEmpty()) << desktop.messages.join('|').toStdString();
    EXPECT_TRUE(project.Read(kDescription) == "Once: " + description + "The end.\r\n")
        << "typed at the start and after Ctrl+End, where the user typed it";
}

TEST_F(HostileItemTest, ADescriptionFarBeyondAnyItemsIsRefusedAtOpenAndNeverOverwritten) {
    WriteItem(CrLfLines(kRing), "");
    // A sparse file: its size is what counts, and the test writes no gigabytes.
    std::filesystem::resize_file(project.Path(kDescription), std::uintmax_t{65} << 20);
    OpenHostile();
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(desktop.messages[0].startsWith("Could not read \"" + Shown(kDescription) + "\": it is larger than"));
    desktop.messages.clear();
    Save();
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(desktop.messages[0].startsWith("Could not save \"" + Shown(kDescription) + "\""));
    EXPECT_EQ(std::filesystem::file_size(project.Path(kDescription)), std::uintmax_t{65} << 20);
    EXPECT_EQ(project.Read(kServer), CrLfLines(kRing));
}
