#include "base/Quoting.h"

#include "base/Os.h"

#include <cstdio>

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

std::string Printable(const std::string& text) {
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) {
            shown += c;
            continue;
        }
        char escaped[5];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
        shown += escaped;
    }
    return shown;
}

std::string Quoted(const std::string& text) {
    return Printable(QuotedForMessage(text));
}

std::string QuotedFileText(const std::string& systemText) {
    return Quoted(Os::Utf8Text(systemText));
}
