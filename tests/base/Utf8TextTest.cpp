#include "base/Utf8Text.h"
#include "base/Os.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

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
    EXPECT_EQ(Os::WholeUtf8Text("Ruby Ring"), "Ruby Ring");
    const std::string han = "\xE6\xBC\xA2", face = "\xF0\x9F\x98\x80";
    if (Os::kPathSeparator == '\\') {
        // Whatever the code page: what it holds goes there and back, and what it cannot hold is never written as "?".
        for (const std::string& text : {kUtf8, han, std::string("\xD0\x9C\xD0\xB0\xD0\xB3")}) {
            if (const auto system = Os::SystemTextOfUtf8(text)) {
                EXPECT_EQ(Os::Utf8Text(*system), text);
                EXPECT_EQ(Os::WholeUtf8Text(*system), text);
            }
        }
        EXPECT_EQ(Os::SystemTextOfUtf8("Ring " + face), std::nullopt);
#ifdef _WIN32
        if (GetACP() == 1252) {
            EXPECT_EQ(Os::WholeUtf8Text(kLatin), kUtf8);
            EXPECT_EQ(Os::SystemTextOfUtf8(kUtf8), kLatin);
            EXPECT_EQ(Os::SystemTextOfUtf8("Ring " + han), std::nullopt);
        }
        if (GetACP() == 932) {
            EXPECT_EQ(Os::SystemTextOfUtf8("\xE8\xA1\xA8"), "\x95\x5C") << "the second byte of 表 is a backslash's";
        }
#endif
    } else {
        // Elsewhere text that is no UTF-8 is read as the editor reads it, and the locale's UTF-8 passes as it is.
        EXPECT_EQ(Os::WholeUtf8Text(kLatin), kUtf8);
        EXPECT_EQ(Os::WholeUtf8Text(kUtf8), kUtf8);
        EXPECT_EQ(Os::SystemTextOfUtf8(han), han);
    }
}
