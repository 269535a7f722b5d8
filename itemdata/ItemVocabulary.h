#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The editor's fixed vocabulary: the twenty item types and their rules, the bonus kinds offered per type with
// their value modes, the text of one bonus entry, the project's classes and the wearable check.
namespace ItemVocabulary {

// An item type as the editor holds it: an index into ItemTypes(), or none for a name that is not one of them.
using TypeIndex = std::optional<int>;

// The keys an item's server data file holds for it, in the order a save writes them; the only names the editor and
// its tools ask a server data file for.
constexpr std::array<const char*, 5> kServerDataKeys = {"Type", "Bonus", "Price", "Class", "Stack"};

// The type index as the bonus dialog receives it: no type arrives as 255.
constexpr std::uint8_t kNoTypeForDialog = 255;
std::uint8_t DialogTypeIndex(TypeIndex type);

// The fixed tables in the order the editor indexes them: the twenty types, the potion kinds, the stat kinds.
const std::vector<std::string>& ItemTypes();
const std::vector<std::string>& PotionKinds();
const std::vector<std::string>& StatKinds();

// The type whose name equals name without regard to case, or none.
TypeIndex FindItemType(const std::string& name);

// The name a server data file stores for the type: its name, or the empty text for none.
std::string TypeName(TypeIndex type);

bool AllowsBonuses(TypeIndex type);
bool NeedsAppearanceFile(TypeIndex type);

// The bonus kinds offered for a dialog type index: potion kinds for 1, stat kinds for 3 and above, none for 0 and 2.
const std::vector<std::string>& BonusKindsFor(std::uint8_t dialogType);

// How the bonus value is asked for: not at all, as a plain number, or as a percentage.
enum class ValueKind { None, Plus, Percent };

struct ValueMode {
    ValueKind kind;
    const char* sign; // "", "+" or "%"
    int maximum;      // the minimum is always 0
    int maxDigits;
};

// The value mode for a dialog type index and the index of the selected kind in its list.
ValueMode ValueModeFor(std::uint8_t dialogType, int kindIndex);

// A bonus entry's text: for type index 3 and above the kind followed by the value in decimal, else the kind alone.
std::string Encode(const std::string& kind, int value, std::uint8_t dialogType);

struct DecodedBonus {
    std::string kind;         // up to and including the first "+", or the whole entry
    std::optional<int> value; // none for an entry without "+"
};

// Splits an entry at its first "+"; the text after it must be a whole decimal number (an optional sign allowed),
// else std::invalid_argument is raised with a message such as: "12x" is not a valid integer value (a text of
// more than 40 bytes is quoted cut short, ending in "...").
DecodedBonus Decode(const std::string& entry);

// "ALL", then the names without extension of the project's SERVER/*.CLS entries in the file system's order, as
// names are (UTF-8 on Windows); a name holding a line break is left out.
std::vector<std::string> ClassList(const std::string& projectRoot);

// The wildcard mask of the class files in the SERVER folder.
constexpr const char* kClassFileMask = "*.CLS";

// The class list of these names of class files without extension, in their order: "ALL" first, a name holding a
// line break left out.
std::vector<std::string> ClassListOf(std::vector<std::string> classNames);

// The class list's entry equal to stored, a server data file's Class value, without regard to case, or none.
std::optional<std::string> FindClass(const std::vector<std::string>& classList, const std::string& stored);

// Empty when the item may have this type and class; otherwise the warning to show before the type is set back
// to "Material": a wearable type needs the class's appearance file CLIENT/<class><item>.FAP.
std::string WearableCheck(const std::string& projectRoot, const std::string& itemName, TypeIndex type,
                          const std::string& className);

} // namespace ItemVocabulary
