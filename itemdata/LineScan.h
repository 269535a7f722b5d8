#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define BRINDLE_LINE_SCAN_SSE2 1
#endif

// One line of a text: the bytes [start, end), without the line end, and where its name ends, at its first "="
// (kNoName for a line without one).
struct ScannedLine {
    static constexpr std::size_t kNoName = static_cast<std::size_t>(-1);
    std::size_t start;
    std::size_t end;
    std::size_t nameEnd;
};

namespace LineScanDetail {

// Bit i set where byte i of the count (at most sixteen) at bytes is CR, LF or "=", one byte at a time.
inline std::uint32_t SpecialBytesOf(const char* bytes, std::size_t count) {
    std::uint32_t mask = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n' || bytes[i] == '=')
            mask |= 1u << i;
    }
    return mask;
}

// Bit i set where byte i of the sixteen at bytes is CR, LF or "=".
inline std::uint32_t SpecialBytes(const char* bytes) {
#ifdef BRINDLE_LINE_SCAN_SSE2
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
    const __m128i specials = _mm_or_si128(
        _mm_or_si128(_mm_cmpeq_epi8(block, _mm_set1_epi8('\r')), _mm_cmpeq_epi8(block, _mm_set1_epi8('\n'))),
        _mm_cmpeq_epi8(block, _mm_set1_epi8('=')));
    return static_cast<std::uint32_t>(_mm_movemask_epi8(specials));
#else
    return SpecialBytesOf(bytes, 16);
#endif
}

inline int LowestBit(std::uint32_t mask) {
#if defined(__GNUC__)
    return __builtin_ctz(mask);
#else
    int bit = 0;
    while (!(mask & (1u << bit)))
        ++bit;
    return bit;
#endif
}

} // namespace LineScanDetail

// Calls visit(ScannedLine) for every line of text in order: CR LF, a lone CR and a lone LF each end a line, and a
// final line end adds no empty line. The text is read sixteen bytes at a time for its CRs, LFs and "="s, so a
// large file costs a few instructions a byte and no call per line.
template <typename Visit> void ScanLines(std::string_view text, Visit&& visit) {
    const std::size_t size = text.size();
    std::size_t lineStart = 0;
    std::size_t nameEnd = ScannedLine::kNoName;
    for (std::size_t block = 0; block < size; block += 16) {
        // The last bytes, fewer than sixteen, one at a time.
        std::uint32_t specials = size - block >= 16 ? LineScanDetail::SpecialBytes(text.data() + block)
                                                    : LineScanDetail::SpecialBytesOf(text.data() + block, size - block);
        // An LF that completed a CR LF at the end of the block before.
        if (lineStart > block)
            specials &= ~((1u << (lineStart - block)) - 1);
        while (specials) {
            const std::size_t at = block + static_cast<std::size_t>(LineScanDetail::LowestBit(specials));
            specials &= specials - 1;
            if (text[at] == '=') {
                if (nameEnd == ScannedLine::kNoName)
                    nameEnd = at;
                continue;
            }
            visit(ScannedLine{lineStart, at, nameEnd});
            nameEnd = ScannedLine::kNoName;
            lineStart = at + 1;
            if (text[at] == '\r' && at + 1 < size && text[at + 1] == '\n') {
                ++lineStart;
                // The LF is no line end of its own: cleared here, or skipped by the next block as before the line.
                if (at + 1 - block < 16)
                    specials &= ~(1u << (at + 1 - block));
            }
        }
    }
    if (lineStart < size)
        visit(ScannedLine{lineStart, size, nameEnd});
}
