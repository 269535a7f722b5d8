#include "base/TextCase.h"

#include "base/Utf8Text.h"

#include <algorithm>

namespace {

// In these blocks a capital letter and its small one are neighbours: one of them even, the other odd.
bool InPairs(char32_t c, char32_t first, char32_t last) {
    return c >= first && c <= last;
}

char32_t UpperCaseCharacter(char32_t c) {
    if (c < 0x80)
        return (c >= 'a' && c <= 'z') ? c - 0x20 : c;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return c - 0x20;
    if (c == 0xFF)
        return 0x178;
    // Latin Extended-A: the capital comes first in most stretches, second in two.
    if (InPairs(c, 0x100, 0x12F) || InPairs(c, 0x132, 0x137) || InPairs(c, 0x14A, 0x177))
        return (c & 1) ? c - 1 : c;
    if (InPairs(c, 0x139, 0x148) || InPairs(c, 0x179, 0x17E))
        return (c & 1) ? c : c - 1;
    // Greek: final sigma is a sigma too.
    if (c == 0x3C2)
        return 0x3A3;
    if (c >= 0x3B1 && c <= 0x3CB)
        return c - 0x20;
    if (c == 0x3AC)
        return 0x386;
    if (c >= 0x3AD && c <= 0x3AF)
        return c - 0x25;
    if (c == 0x3CC)
        return 0x38C;
    if (c == 0x3CD || c == 0x3CE)
        return c - 0x3F;
    // Cyrillic.
    if (c >= 0x430 && c <= 0x44F)
        return c - 0x20;
    if (c >= 0x450 && c <= 0x45F)
        return c - 0x50;
    if (InPairs(c, 0x460, 0x481) || InPairs(c, 0x48A, 0x4BF) || InPairs(c, 0x4D0, 0x52F))
        return (c & 1) ? c - 1 : c;
    if (InPairs(c, 0x4C1, 0x4CE))
        return (c & 1) ? c : c - 1;
    // Armenian.
    if (c >= 0x561 && c <= 0x586)
        return c - 0x30;
    // Latin Extended Additional, Vietnamese's letters among them.
    if (InPairs(c, 0x1E00, 0x1E95) || InPairs(c, 0x1EA0, 0x1EFF))
        return (c & 1) ? c - 1 : c;
    // Full-width Latin, as East Asian text writes it.
    if (c >= 0xFF41 && c <= 0xFF5A)
        return c - 0x20;
    return c;
}

bool IsAscii(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

char UpperCaseLetter(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameLetterIgnoringCase(char a, char b) {
    return UpperCaseLetter(a) == UpperCaseLetter(b);
}

std::string UpperCaseText(const std::string& text) {
    std::string upper;
    upper.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto byte = static_cast<unsigned char>(text[at]);
        const auto character = byte < 0x80 ? std::nullopt : Utf8CharacterAt(text, at);
        if (!character) {
            upper += UpperCaseLetter(text[at]);
            ++at;
            continue;
        }
        AppendUtf8(upper, UpperCaseCharacter(character->code));
        at += character->length;
    }
    return upper;
}

bool SameTextIgnoringCase(const std::string& a, const std::string& b) {
    if (IsAscii(a) && IsAscii(b))
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), SameLetterIgnoringCase);
    return UpperCaseText(a) == UpperCaseText(b);
}

std::optional<std::size_t> IndexIgnoringCase(const std::vector<std::string>& names, const std::string& name) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (SameTextIgnoringCase(names[i], name))
            return i;
    }
    return std::nullopt;
}
