#include "base/TextEncoding.h"

namespace {

bool StartsWith(const std::string& bytes, unsigned char first, unsigned char second) {
    return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == first &&
           static_cast<unsigned char>(bytes[1]) == second;
}

// True when every 16-bit unit pairs up: a high surrogate is always followed by a low one and a low one never
// stands alone, so decoding and encoding again gives the very same bytes.
bool IsWholeUtf16(const std::string& bytes, bool littleEndian) {
    if (bytes.size() % 2 != 0)
        return false;
    bool expectLow = false;
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        const unsigned unit = littleEndian ? (second << 8 | first) : (first << 8 | second);
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
        if (expectLow != low)
            return false;
        expectLow = high;
    }
    return !expectLow;
}

} // namespace

TextEncoding DetectTextEncoding(const std::string& bytes) {
    const bool little = StartsWith(bytes, 0xFF, 0xFE);
    if (!little && !StartsWith(bytes, 0xFE, 0xFF))
        return TextEncoding::CodePage;
    if (!IsWholeUtf16(bytes, little))
        return TextEncoding::Unkeepable;
    return little ? TextEncoding::Utf16LittleEndian : TextEncoding::Utf16BigEndian;
}
