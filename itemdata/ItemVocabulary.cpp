#include "itemdata/ItemVocabulary.h"

#include "base/FileNames.h"
#include "base/FileSystem.h"
#include "base/Os.h"
#include "base/Quoting.h"
#include "base/TextCase.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <stdexcept>
#include <utility>

namespace ItemVocabulary {
namespace {

constexpr int kMaterial = 0;
constexpr int kPotion = 1;
constexpr int kQuest = 2;
constexpr int kFirstWearable = 10;
constexpr int kFirstPercentKind = 10;

const std::vector<std::string> kNoKinds;

bool IsWholeNumber(const std::string& text) {
    const std::size_t digits = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
    if (text.size() == digits)
        return false;
    for (std::size_t i = digits; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
    }
    return true;
}

int ToInteger(const std::string& text) {
    if (IsWholeNumber(text)) {
        errno = 0;
        const long long value = std::strtoll(text.c_str(), nullptr, 10);
        if (errno == 0 && value >= INT32_MIN && value <= INT32_MAX)
            return static_cast<int>(value);
    }
    throw std::invalid_argument(QuotedForMessage(Os::Utf8Text(text)) + " is not a valid integer value");
}

} // namespace

std::uint8_t DialogTypeIndex(TypeIndex type) {
    return type ? static_cast<std::uint8_t>(*type) : kNoTypeForDialog;
}

const std::vector<std::string>& ItemTypes() {
    static const std::vector<std::string> types = {"Material",     "Potion", "Quest",  "Ring",      "Amulet",
                                                   "Belt",         "Bracer", "Earing", "Gloves",    "Neckackle",
                                                   "Boots",        "Cape",   "Chest",  "Head",      "LeftHand",
                                                   "LeftShoulder", "Leg",    "Mask",   "RightHand", "RightShoulder"};
    return types;
}

const std::vector<std::string>& PotionKinds() {
    static const std::vector<std::string> kinds = {"Small Potion MP", "Normal Potion MP", "Small Potion HP",
                                                   "Normal Potion HP"};
    return kinds;
}

const std::vector<std::string>& StatKinds() {
    static const std::vector<std::string> kinds = {"Defend+",      "Attack+",  "Piercing+", "Heat+",     "Chill+",
                                                   "Shock+",       "Blast+",   "Poison+",   "Acid+",     "Shadow+",
                                                   "ResPiercing+", "ResHeat+", "ResChill+", "ResShock+", "ResBlast+",
                                                   "ResPoison+",   "ResAcid+", "ResShadow+"};
    return kinds;
}

TypeIndex FindItemType(const std::string& name) {
    if (const auto index = IndexIgnoringCase(ItemTypes(), name))
        return static_cast<int>(*index);
    return std::nullopt;
}

std::string TypeName(TypeIndex type) {
    const auto& types = ItemTypes();
    if (!type || *type < 0 || static_cast<std::size_t>(*type) >= types.size())
        return {};
    return types[static_cast<std::size_t>(*type)];
}

bool AllowsBonuses(TypeIndex type) {
    return !type || (*type != kMaterial && *type != kQuest);
}

bool NeedsAppearanceFile(TypeIndex type) {
    return type && *type >= kFirstWearable;
}

const std::vector<std::string>& BonusKindsFor(std::uint8_t dialogType) {
    if (dialogType == kPotion)
        return PotionKinds();
    if (dialogType > kQuest)
        return StatKinds();
    return kNoKinds;
}

ValueMode ValueModeFor(std::uint8_t dialogType, int kindIndex) {
    if (dialogType <= kQuest)
        return {ValueKind::None, "", 0, 6};
    if (kindIndex >= kFirstPercentKind)
        return {ValueKind::Percent, "%", 100, 3};
    return {ValueKind::Plus, "+", 100000, 6};
}

std::string Encode(const std::string& kind, int value, std::uint8_t dialogType) {
    return dialogType > kQuest ? kind + std::to_string(value) : kind;
}

DecodedBonus Decode(const std::string& entry) {
    const auto plus = entry.find('+');
    if (plus == std::string::npos)
        return {entry, std::nullopt};
    return {entry.substr(0, plus + 1), ToInteger(entry.substr(plus + 1))};
}

std::vector<std::string> ClassList(const std::string& projectRoot) {
    std::vector<std::string> classes;
    for (const auto& fileName : FileSystem::NamesMatching(projectRoot + "SERVER" + Os::kPathSeparator, kClassFileMask))
        classes.push_back(StripExtension(fileName));
    return ClassListOf(std::move(classes));
}

std::vector<std::string> ClassListOf(std::vector<std::string> classes) {
    // A class is stored as the value of one line: a file whose name holds a line break cannot be one.
    classes.erase(
        std::remove_if(classes.begin(), classes.end(),
                       [](const std::string& name) { return name.find_first_of("\r\n") != std::string::npos; }),
        classes.end());
    classes.insert(classes.begin(), "ALL");
    return classes;
}

std::optional<std::string> FindClass(const std::vector<std::string>& classList, const std::string& stored) {
    // The file holds the class in the code page, and the list names it as the class file is named.
    if (const auto index = IndexIgnoringCase(classList, Os::Utf8Text(stored)))
        return classList[*index];
    return std::nullopt;
}

std::string WearableCheck(const std::string& projectRoot, const std::string& itemName, TypeIndex type,
                          const std::string& className) {
    if (SameTextIgnoringCase(className, "ALL"))
        return {};
    const std::string clientFolder = projectRoot + "CLIENT" + Os::kPathSeparator;
    const std::string appearanceName = className + itemName + ".FAP";
    if (!NeedsAppearanceFile(type) || FileSystem::FileExists(clientFolder + appearanceName))
        return {};
    return "WARNING! For a wearable item type:\rThe related file \"" + appearanceName + "\" does not exists on\r" +
           clientFolder + "\rto prevent game problem, automatically revert to \"MATERIAL\" type.";
}

} // namespace ItemVocabulary
