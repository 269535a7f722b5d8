#include "base/Quoting.h"

std::string QuotedForMessage(const std::string& text) {
    constexpr std::size_t kLongestQuoted = 40;
    if (text.size() <= kLongestQuoted)
        return "\"" + text + "\"";
    // A UTF-8 sequence has three continuation bytes at the most.
    std::size_t cut = kLongestQuoted;
    while (cut > kLongestQuoted - 3 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return "\"" + text.substr(0, cut) + "...\"";
}
