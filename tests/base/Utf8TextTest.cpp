#include "base/Utf8Text.h"
#include "base/Os.h"

#include <gtest/gtest.h>

// "Épée" in Windows-1252 (as a Windows desktop writes it) and in UTF-8.
const std::string kLatin = "\xC9p\xE9"
                           "e";
const std::string kUtf8 = "\xC3\x89p\xC3\xA9"
                          "e";

TEST(Utf8Text, FindsTheFirstByteThatIsNoWholeUtf8) {
    EXPECT_EQ(FirstNonUtf8Byte(""), std::nullopt);
    EXPECT_EQ(FirstNonUtf8Byte(kUtf8 + "\xF0\x9F\x97\xA1 \xE2\x82\xAC"), std::nullopt);
    EXPECT_EQ(FirstNonUtf8Byte(kLatin), 0u);
    const std::pair<std::string, std::size_t> broken[] = {
        {"ab\x80", 2},            // a continuation byte alone
        {"ab\xC3", 2},            // a sequence cut short by the end
        {"a\xC3z", 1},            // ... or by a byte that continues nothing
        {"a\xC0\x80", 1},         // an overlong NUL
        {"a\xE0\x80\x80", 1},     // an overlong three-byte form
        {"a\xED\xA0\x80", 1},     // a surrogate
        {"a\xF4\x90\x80\x80", 1}, // beyond U+10FFFF
        {"a\xF8\x88\x80\x80\x80", 1},
    };
    for (const auto& [text, offset] : broken)
        EXPECT_EQ(FirstNonUtf8Byte(text), offset) << testing::PrintToString(text);
}

TEST(Utf8Text, ReadsEveryWindows1252ByteAsWholeUtf8) {
    EXPECT_EQ(Utf8FromWindows1252(kLatin), kUtf8);
    EXPECT_EQ(Utf8FromWindows1252("\x80\x99"), "\xE2\x82\xAC\xE2\x84\xA2");
    EXPECT_EQ(Utf8FromWindows1252("\x81"), "\xC2\x81") << "an unassigned byte keeps its control code";
    std::string everyByte;
    for (int byte = 0; byte < 256; ++byte)
        everyByte += static_cast<char>(byte);
    EXPECT_EQ(FirstNonUtf8Byte(Utf8FromWindows1252(everyByte)), std::nullopt);
}

TEST(Utf8Text, TheSystemsTextBecomesUtf8AndBackAsFarAsTheCodePageHoldsIt) {
    // Windows-1252 bytes read the same way on both systems: Windows' code page in the tests is 1252, and elsewhere
    // text that is no UTF-8 is read as the editor reads it.
    EXPECT_EQ(Os::WholeUtf8Text(kLatin), kUtf8);
    EXPECT_EQ(Os::WholeUtf8Text("Ruby Ring"), "Ruby Ring");
    const std::string han = "\xE6\xBC\xA2";
    if (Os::kPathSeparator == '\\') {
        EXPECT_EQ(Os::SystemTextOfUtf8(kUtf8), kLatin);
        EXPECT_EQ(Os::SystemTextOfUtf8("Ring " + han), std::nullopt) << "never written as \"?\"";
    } else {
        EXPECT_EQ(Os::WholeUtf8Text(kUtf8), kUtf8) << "the locale's UTF-8 passes as it is";
        EXPECT_EQ(Os::SystemTextOfUtf8(han), han);
    }
}
