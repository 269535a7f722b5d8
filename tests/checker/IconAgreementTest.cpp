// The checker judges an icon without Qt; the editor shows it with Qt's bitmap reader. Both must agree on every
// bitmap, from the sample's icons to headers that are cut short, of a layout no reader knows, or too large.
#include "itemdata/IconBitmap.h"
#include "tests/support/TempFolder.h"
#include "ui/widgets/ItemIcon.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>

namespace {

std::string SampleIcon() {
    std::ifstream in(BRINDLE_SOURCE_DIR "/examples/Quest/CLIENT/RubyRing.BMP", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string WithField(std::string bytes, std::size_t at, int size, std::int64_t value) {
    std::string field;
    for (int i = 0; i < size; ++i)
        field.push_back(static_cast<char>((static_cast<std::uint64_t>(value) >> (8 * i)) & 0xFF));
    return bytes.replace(at, field.size(), field);
}

// A bitmap of 4 x 4 pixels with a header of headerSize bytes, a colour table of tableBytes and pixelBytes of pixels.
std::string Bitmap(std::uint32_t headerSize, int bits, int compression, std::size_t tableBytes, std::size_t pixelBytes,
                   std::uint32_t coloursUsed = 0) {
    std::string bytes = "BM" + std::string(12 + headerSize, '\0');
    bytes = WithField(bytes, 14, 4, headerSize);
    if (headerSize == 12) {
        bytes = WithField(WithField(bytes, 18, 2, 4), 20, 2, 4);
        bytes = WithField(WithField(bytes, 22, 2, 1), 24, 2, bits);
    } else {
        bytes = WithField(WithField(bytes, 18, 4, 4), 22, 4, 4);
        bytes = WithField(WithField(bytes, 26, 2, 1), 28, 2, bits);
        bytes = WithField(WithField(bytes, 30, 4, compression), 46, 4, coloursUsed);
    }
    return bytes + std::string(tableBytes + pixelBytes, '\0');
}

std::vector<std::pair<std::string, std::string>> Variants() {
    const std::string icon = SampleIcon();
    std::vector<std::pair<std::string, std::string>> variants = {{"sample", icon}, {"no BM", "BN" + icon.substr(2)}};
    for (const std::size_t length : {14, 18, 30, 53, 54, 55, 1000})
        variants.push_back({"cut at " + std::to_string(length), icon.substr(0, length)});
    for (const int headerSize : {0, 12, 39, 52, 56, 64, 108, 124})
        variants.push_back({"header size " + std::to_string(headerSize), WithField(icon, 14, 4, headerSize)});
    for (const int bits : {0, 2, 16, 32, 48})
        variants.push_back({"bits " + std::to_string(bits), WithField(icon, 28, 2, bits)});
    for (const int compression : {1, 2, 3, 4})
        variants.push_back({"compression " + std::to_string(compression), WithField(icon, 30, 4, compression)});
    variants.push_back({"planes 2", WithField(icon, 26, 2, 2)});
    for (const std::int64_t width : {0, -1})
        variants.push_back({"width " + std::to_string(width), WithField(icon, 18, 4, width)});
    for (const std::int64_t height : {std::int64_t{0}, std::int64_t{-32}, std::int64_t{INT32_MIN}})
        variants.push_back({"height " + std::to_string(height), WithField(icon, 22, 4, height)});
    for (const std::int64_t side : {5792, 5793, 16384, 16385, 100000})
        variants.push_back({"side " + std::to_string(side), WithField(WithField(icon, 18, 4, side), 22, 4, side)});
    variants.push_back({"pixels far away", WithField(icon, 10, 4, 100000)});
    variants.push_back({"rows cut at a third", icon.substr(0, 54 + (icon.size() - 54) / 3)});
    variants.push_back({"last byte cut", icon.substr(0, icon.size() - 1)});
    variants.push_back({"pixels from right after the header", WithField(icon, 10, 4, 0)});
    variants.push_back({"8 bits", Bitmap(40, 8, 0, 1024, 16)});
    variants.push_back({"8 bits, no pixels", Bitmap(40, 8, 0, 1024, 0)});
    variants.push_back({"8 bits, table cut", Bitmap(40, 8, 0, 100, 0)});
    variants.push_back({"8 bits, 257 colours", Bitmap(40, 8, 0, 1028, 1, 257)});
    variants.push_back({"4 bits, 200 colours", Bitmap(40, 4, 0, 800, 1, 200)});
    variants.push_back({"run length 8", Bitmap(40, 8, 1, 1024, 2)});
    variants.push_back({"run length 8 of 4 bits", Bitmap(40, 4, 1, 64, 2)});
    variants.push_back({"16 bits, masks", Bitmap(40, 16, 3, 12, 0)});
    variants.push_back({"16 bits, masks cut", Bitmap(40, 16, 3, 8, 0)});
    variants.push_back({"oldest header", Bitmap(12, 24, 0, 0, 16)});
    variants.push_back({"oldest header, 8 bits", Bitmap(12, 8, 0, 768, 8)});
    variants.push_back({"oldest header, table cut", Bitmap(12, 8, 0, 765, 0)});
    variants.push_back({"fifth header, no pixels", Bitmap(124, 24, 0, 0, 0)});
    return variants;
}

} // namespace

TEST(IconAgreementTest, TheCheckerAndTheEditorAgreeOnEveryBitmap) {
    const TempFolder folder;
    for (const auto& [name, bytes] : Variants()) {
        folder.Write("Icon.BMP", bytes);
        const ItemIcon shown = ReadItemIcon(folder.Path("Icon.BMP"));
        const IconJudgement judged = JudgeIconBitmap(bytes.substr(0, kIconHeadBytes), bytes.size());
        EXPECT_EQ(judged.verdict == IconVerdict::Shown, shown.problem.isEmpty()) << name;
        EXPECT_EQ(judged.verdict == IconVerdict::TooLarge, shown.problem.contains("too large")) << name;
        EXPECT_EQ(judged.verdict == IconVerdict::CutShort, shown.problem.contains("cut short")) << name;
    }
}
