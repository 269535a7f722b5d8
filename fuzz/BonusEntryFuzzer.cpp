// Splits random text as a Bonus value and decodes every entry. Splitting and joining must give the text back;
// Decode must either give the kind up to the first "+" and the integer after it, or reject a text that is not a
// whole 32-bit decimal integer, and every decoded stat entry must encode and decode to itself.

#include "itemdata/BonusList.h"
#include "itemdata/ItemVocabulary.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

// The value of a text made of an optional sign and decimal digits only, when it fits 32 bits; found digit by digit.
std::optional<std::int32_t> WholeInteger(const std::string& text) {
    std::size_t at = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
    if (at == text.size())
        return std::nullopt;
    const bool negative = text[0] == '-';
    std::int64_t magnitude = 0;
    for (; at < text.size(); ++at) {
        if (text[at] < '0' || text[at] > '9')
            return std::nullopt;
        magnitude = magnitude * 10 + (text[at] - '0');
        if (magnitude > 2147483648LL)
            return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > 2147483647LL)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

void CheckDecode(const std::string& entry) {
    const std::size_t plus = entry.find('+');
    const std::optional<std::int32_t> expected =
        plus == std::string::npos ? std::nullopt : WholeInteger(entry.substr(plus + 1));
    ItemVocabulary::DecodedBonus decoded;
    try {
        decoded = ItemVocabulary::Decode(entry);
    } catch (const std::invalid_argument&) {
        Check(plus != std::string::npos && !expected);
        return;
    }
    if (plus == std::string::npos) {
        Check(decoded.kind == entry && !decoded.value);
        return;
    }
    Check(decoded.kind == entry.substr(0, plus + 1));
    Check(expected && decoded.value == *expected);
    const auto again = ItemVocabulary::Decode(ItemVocabulary::Encode(decoded.kind, *decoded.value, 3));
    Check(again.kind == decoded.kind && again.value == decoded.value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string value(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> bonuses = SplitBonuses(value);
    Check(JoinBonuses(bonuses) == value);
    std::size_t commas = 0;
    for (char c : value)
        commas += c == ',' ? 1 : 0;
    Check(bonuses.size() == commas + 1);
    for (const auto& entry : bonuses) {
        Check(entry.find(',') == std::string::npos);
        CheckDecode(entry);
    }
    CheckDecode(value);
    return 0;
}
