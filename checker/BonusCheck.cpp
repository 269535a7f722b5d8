#include "checker/BonusCheck.h"

#include "base/TextCase.h"
#include "checker/NearestName.h"
#include "itemdata/BonusList.h"

#include <stdexcept>

namespace {

using ItemVocabulary::DecodedBonus;

const std::vector<std::string>& AllKinds() {
    static const std::vector<std::string> kinds = [] {
        std::vector<std::string> all = ItemVocabulary::PotionKinds();
        const auto& stats = ItemVocabulary::StatKinds();
        all.insert(all.end(), stats.begin(), stats.end());
        return all;
    }();
    return kinds;
}

// "type \"Ring\"", or "an item without a type".
std::string ItemOfType(ItemVocabulary::TypeIndex type) {
    return type ? "type \"" + ItemVocabulary::TypeName(type) + "\"" : "an item without a type";
}

class EntryCheck {
public:
    EntryCheck(const std::string& entry, ItemVocabulary::TypeIndex type)
        : m_entry(entry), m_type(type), m_dialogType(ItemVocabulary::DialogTypeIndex(type)) {}

    // What is wrong with the entry, with its check's name; none when nothing is.
    std::optional<std::pair<const char*, std::string>> Problem() const {
        DecodedBonus decoded;
        try {
            decoded = ItemVocabulary::Decode(m_entry);
        } catch (const std::invalid_argument& notANumber) {
            return Found("bonus-value-not-number", notANumber.what());
        }
        // The bonus dialog finds the entry's kind in its list without regard to case.
        if (!IndexIgnoringCase(AllKinds(), decoded.kind))
            return UnknownKind(decoded);
        const auto& offered = ItemVocabulary::BonusKindsFor(m_dialogType);
        const auto kindIndex = IndexIgnoringCase(offered, decoded.kind);
        if (!kindIndex)
            return NotOffered(decoded.kind);
        if (!decoded.value)
            return std::nullopt;
        return ValueProblem(decoded, static_cast<int>(*kindIndex));
    }

private:
    std::pair<const char*, std::string> Found(const char* check, const std::string& problem) const {
        return {check, "bonus entry " + Quoted(m_entry) + ": " + problem};
    }

    std::pair<const char*, std::string> UnknownKind(const DecodedBonus& decoded) const {
        // A potion kind written with "+" and a value decodes as a kind of its own that ends in "+".
        const std::string withoutPlus = decoded.kind.substr(0, decoded.kind.size() - 1);
        if (decoded.value && IndexIgnoringCase(ItemVocabulary::PotionKinds(), withoutPlus))
            return Found("bonus-potion-value", "the potion kind " + Quoted(withoutPlus) + " takes no value");
        return Found("bonus-unknown-kind", "unknown kind" + DidYouMean(decoded.kind, AllKinds()));
    }

    std::pair<const char*, std::string> NotOffered(const std::string& kind) const {
        if (!ItemVocabulary::AllowsBonuses(m_type))
            return Found("bonus-kind-not-offered", ItemOfType(m_type) + " takes no bonuses");
        return Found("bonus-kind-not-offered", Quoted(kind) + " is not offered for " + ItemOfType(m_type));
    }

    std::optional<std::pair<const char*, std::string>> ValueProblem(const DecodedBonus& decoded, int kindIndex) const {
        const int value = *decoded.value;
        const ItemVocabulary::ValueMode mode = ItemVocabulary::ValueModeFor(m_dialogType, kindIndex);
        if (value < 0 || value > mode.maximum)
            return Found("bonus-value-range", "value " + std::to_string(value) + " is out of the range 0 to " +
                                                  std::to_string(mode.maximum));
        const std::string written = ItemVocabulary::Encode(decoded.kind, value, m_dialogType);
        if (written != m_entry)
            return Found("bonus-value-spelling",
                         "value written with a sign or leading zeros (the editor writes " + Quoted(written) + ")");
        return std::nullopt;
    }

    const std::string& m_entry;
    ItemVocabulary::TypeIndex m_type;
    std::uint8_t m_dialogType;
};

} // namespace

void CheckBonuses(const std::string& value, ItemVocabulary::TypeIndex type, const std::string& file,
                  std::optional<std::size_t> line, FindingList& findings) {
    const std::vector<std::string> entries = SplitBonuses(value);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].empty()) {
            findings.Add(file, line, Severity::Error, "bonus-empty",
                         "bonus entry " + std::to_string(i + 1) + " of " + std::to_string(entries.size()) +
                             " is empty");
            continue;
        }
        if (const auto problem = EntryCheck(entries[i], type).Problem())
            findings.Add(file, line, Severity::Error, problem->first, problem->second);
    }
}
