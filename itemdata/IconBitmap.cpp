#include "itemdata/IconBitmap.h"

#include <cstdlib>

namespace {

constexpr std::uint64_t kFileHeaderBytes = 14;
constexpr std::uint32_t kOldHeaderBytes = 12;
constexpr std::int64_t kLargestSide = 16384;
enum Compression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

std::uint32_t Unsigned(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

std::int64_t Signed(const std::string& bytes, std::size_t at, int size) {
    const std::uint32_t value = Unsigned(bytes, at, size);
    return size == 2 ? static_cast<std::int16_t>(value) : static_cast<std::int32_t>(value);
}

struct InfoHeader {
    std::uint32_t size;     // as the file states it
    std::uint64_t readSize; // what the reader takes of it
    std::int64_t width, height;
    std::uint32_t planes, bits, compression, coloursUsed;
    bool old;
};

// A header size the reader does not know is read as the oldest header, of 16-bit fields.
InfoHeader ReadInfoHeader(const std::string& head) {
    InfoHeader info{};
    info.size = Unsigned(head, 14, 4);
    info.old = info.size != 40 && info.size != 64 && info.size != 108 && info.size != 124;
    info.readSize = info.old ? kOldHeaderBytes : info.size == 64 ? 40 : info.size;
    const std::size_t fieldSize = info.old ? 2 : 4;
    if (head.size() < kFileHeaderBytes + info.readSize)
        return info;
    info.width = Signed(head, 18, static_cast<int>(fieldSize));
    info.height = Signed(head, 18 + fieldSize, static_cast<int>(fieldSize));
    info.planes = Unsigned(head, 18 + 2 * fieldSize, 2);
    info.bits = Unsigned(head, 20 + 2 * fieldSize, 2);
    info.compression = info.old ? kRgb : Unsigned(head, 30, 4);
    info.coloursUsed = info.old ? 0 : Unsigned(head, 46, 4);
    return info;
}

bool KnownLayout(const InfoHeader& info) {
    const std::uint32_t bits = info.bits;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return false;
    if (info.planes != 1)
        return false;
    const std::uint32_t compression = info.compression;
    return compression == kRgb || (bits == 8 && compression == kRle8) || (bits == 4 && compression == kRle4) ||
           ((bits == 16 || bits == 32) && compression == kBitFields);
}

bool KnownSize(const InfoHeader& info) {
    return info.width > 0 && info.height != 0 && info.height != INT32_MIN &&
           info.width * std::llabs(info.height) <= kLargestSide * kLargestSide;
}

std::uint64_t Colours(const InfoHeader& info) {
    return info.bits > 8 ? 0 : info.coloursUsed != 0 ? info.coloursUsed : 1u << info.bits;
}

// Where the headers, the colour table and the colour masks end.
std::uint64_t TablesEnd(const InfoHeader& info) {
    const std::uint64_t afterHeader = kFileHeaderBytes + info.readSize;
    if (info.bits <= 8)
        return afterHeader + Colours(info) * (info.old ? 3 : 4);
    return afterHeader + (info.compression == kBitFields && info.size <= 40 ? 12 : 0);
}

// The reader stops where the file ends right after the headers or inside the colour table or the colour masks.
bool TablesPresent(const InfoHeader& info, std::uint64_t fileSize) {
    if (fileSize <= kFileHeaderBytes + info.readSize)
        return false;
    if (info.bits <= 8)
        return Colours(info) <= 256 && fileSize > TablesEnd(info);
    return fileSize >= TablesEnd(info);
}

// An uncompressed bitmap's rows lie whole in the file.
bool RowsPresent(const InfoHeader& info, std::uint64_t pixelsAt, std::uint64_t fileSize) {
    if (info.compression != kRgb && info.compression != kBitFields)
        return true;
    const auto width = static_cast<std::uint64_t>(info.width);
    const std::uint64_t rowBytes = (width * info.bits + 31) / 32 * 4;
    return pixelsAt + rowBytes * static_cast<std::uint64_t>(std::llabs(info.height)) <= fileSize;
}

} // namespace

IconJudgement JudgeIconBitmap(const std::string& head, std::uint64_t fileSize) {
    if (head.size() < kFileHeaderBytes + 4 || head.compare(0, 2, "BM") != 0)
        return {IconVerdict::NoBitmap};
    const InfoHeader info = ReadInfoHeader(head);
    if (head.size() < kFileHeaderBytes + info.readSize || !KnownLayout(info) || !KnownSize(info))
        return {IconVerdict::NoBitmap};
    const auto pixelBytes = static_cast<std::uint64_t>(info.width * std::llabs(info.height)) * 4;
    if (pixelBytes > kIconPixelBytesLimit)
        return {IconVerdict::TooLarge, info.width, info.height};
    if (!TablesPresent(info, fileSize))
        return {IconVerdict::NoBitmap, info.width, info.height};
    // Where the file says its pixels start; at 0 the reader takes them from right after the tables.
    const std::uint64_t stated = Unsigned(head, 10, 4);
    if (!RowsPresent(info, stated != 0 ? stated : TablesEnd(info), fileSize))
        return {IconVerdict::CutShort, info.width, info.height};
    return {IconVerdict::Shown, info.width, info.height};
}
