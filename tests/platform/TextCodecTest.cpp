#include "platform/TextCodec.h"

#include <gtest/gtest.h>

using namespace TextCodec;

namespace {

// The system's code page: Windows-1252 on Windows (as the Windows leg sets its locale), UTF-8 elsewhere.
#ifdef _WIN32
constexpr bool kSystemIsWindows1252 = true;
#else
constexpr bool kSystemIsWindows1252 = false;
#endif

} // namespace

TEST(TextCodec, SystemTextRoundTrips) {
    const std::string system = kSystemIsWindows1252 ? "Fl\xE4sche \x80 5" : "Fl\xC3\xA4sche \xE2\x82\xAC 5";
    const DecodedText decoded = Decode(system);
    EXPECT_EQ(decoded.encoding, Encoding::System);
    EXPECT_EQ(decoded.text, QStringLiteral("Fl\u00E4sche \u20AC 5"));
    EXPECT_EQ(Encode(decoded.text, decoded.encoding), system);
}

TEST(TextCodec, WindowsTextIsReadAsWindows1252AndWrittenBackByteForByte) {
    std::string windows = "Caf\xE9 \x80 \x93quoted\x94 \x81\x8D\x8F\x90\x9D end";
    const DecodedText decoded = Decode(windows);
    // Where the system's own code page is Windows-1252, its decoder reads the text.
    EXPECT_EQ(decoded.encoding, kSystemIsWindows1252 ? Encoding::System : Encoding::Windows1252);
    EXPECT_TRUE(decoded.text.startsWith(QStringLiteral("Caf\u00E9 \u20AC \u201Cquoted\u201D")));
    EXPECT_EQ(Encode(decoded.text, decoded.encoding), windows);
}

TEST(TextCodec, EveryByteSurvivesWindows1252) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte)
        all.push_back(static_cast<char>(byte));
    EXPECT_EQ(Encode(Decode(all).text, Encoding::Windows1252), all);
    EXPECT_EQ(Encode(QStringLiteral("\u4E2D"), Encoding::Windows1252), "?");
}
