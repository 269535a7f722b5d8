#include "base/Quoting.h"

#include <gtest/gtest.h>

namespace {

// The quoted text without its quotes and without the "..." of a cut.
std::string KeptOf(const std::string& quoted) {
    return quoted.substr(1, quoted.size() - 5);
}

} // namespace

TEST(QuotedForMessage, QuotesAShortTextWholeAndCutsALongOneToTheSameLength) {
    EXPECT_EQ(QuotedForMessage("Attack+"), "\"Attack+\"");
    EXPECT_EQ(QuotedForMessage(""), "\"\"");
    const std::string cut = QuotedForMessage(std::string(1000, 'x'));
    ASSERT_GT(cut.size(), 5u);
    EXPECT_EQ(cut.substr(cut.size() - 4), "...\"");
    EXPECT_EQ(cut.front(), '"');
    EXPECT_EQ(QuotedForMessage(std::string(100000, 'x')), cut) << "however long the text, the message stays short";
    // The longest text quoted whole is as long as what a cut keeps; one byte more is cut.
    const std::size_t kept = KeptOf(cut).size();
    EXPECT_EQ(QuotedForMessage(std::string(kept, 'x')), "\"" + std::string(kept, 'x') + "\"");
    EXPECT_EQ(QuotedForMessage(std::string(kept + 1, 'x')), cut);
}

TEST(QuotedForMessage, CutsAtTheStartOfAUtf8Sequence) {
    const std::string fourBytes = "\xF0\x9F\x97\xA1";
    // Each shift puts the cut at another byte of a sequence.
    for (std::size_t shift = 0; shift < 4; ++shift) {
        std::string text(shift, 'a');
        for (int i = 0; i < 50; ++i)
            text += fourBytes;
        const std::string kept = KeptOf(QuotedForMessage(text));
        EXPECT_EQ(text.compare(0, kept.size(), kept), 0) << shift;
        EXPECT_GE(kept.size(), shift + fourBytes.size()) << shift;
        EXPECT_EQ((kept.size() - shift) % fourBytes.size(), 0u) << "no sequence cut in two, shift " << shift;
    }
}
