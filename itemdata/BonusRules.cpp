#include "itemdata/ItemRules.h"

#include "base/NearestName.h"
#include "base/Os.h"
#include "base/Quoting.h"
#include "base/TextCase.h"
#include "itemdata/BonusList.h"

#include <stdexcept>

namespace ItemRules {
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

    std::optional<Breach> Problem() const {
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
    Breach Found(const char* rule, const std::string& problem) const {
        return {rule, Printable("bonus entry " + QuotedFileText(m_entry) + ": " + problem)};
    }

    Breach UnknownKind(const DecodedBonus& decoded) const {
        // A potion kind written with "+" and a value decodes as a kind of its own that ends in "+".
        const std::string withoutPlus = decoded.kind.substr(0, decoded.kind.size() - 1);
        if (decoded.value && IndexIgnoringCase(ItemVocabulary::PotionKinds(), withoutPlus))
            return Found("bonus-potion-value", "the potion kind " + Quoted(withoutPlus) + " takes no value");
        return Found("bonus-unknown-kind", "unknown kind" + DidYouMean(Os::Utf8Text(decoded.kind), AllKinds()));
    }

    Breach NotOffered(const std::string& kind) const {
        if (!ItemVocabulary::AllowsBonuses(m_type))
            return Found("bonus-kind-not-offered", ItemOfType(m_type) + " takes no bonuses");
        return Found("bonus-kind-not-offered", Quoted(kind) + " is not offered for " + ItemOfType(m_type));
    }

    std::optional<Breach> ValueProblem(const DecodedBonus& decoded, int kindIndex) const {
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

std::vector<Breach> BonusBreaches(const std::string& bonus, ItemVocabulary::TypeIndex type) {
    std::vector<Breach> breaches;
    const std::vector<std::string> entries = SplitBonuses(bonus);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].empty())
            breaches.push_back({"bonus-empty", "bonus entry " + std::to_string(i + 1) + " of " +
                                                   std::to_string(entries.size()) + " is empty"});
        else if (auto problem = EntryCheck(entries[i], type).Problem())
            breaches.push_back(std::move(*problem));
    }
    return breaches;
}

} // namespace ItemRules
