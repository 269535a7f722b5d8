#include "itemdata/ItemRules.h"

#include "base/NearestName.h"
#include "base/Os.h"
#include "base/Quoting.h"
#include "itemdata/ItemSave.h"

namespace ItemRules {
namespace {

bool IsDecimalDigits(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// "Type is missing" or "Type is empty", with what follows from it.
Breach Absent(const char* rule, const char* name, Key key, const std::string& consequence) {
    return {rule, std::string(name) + (key == Key::Missing ? " is missing" : " is empty") + consequence};
}

} // namespace

std::optional<Breach> TypeBreach(const std::string& type, Key key) {
    if (type.empty())
        return Absent("type", "Type", key, "");
    if (ItemVocabulary::FindItemType(type))
        return std::nullopt;
    return Breach{"type", "Type " + QuotedFileText(type) + " is none of the twenty item types" +
                              DidYouMean(Os::Utf8Text(type), ItemVocabulary::ItemTypes())};
}

std::optional<Breach> ClassBreach(const std::string& className, const std::vector<std::string>& classList, Key key) {
    if (ItemVocabulary::FindClass(classList, className))
        return std::nullopt;
    const std::string unknown = " is neither \"ALL\" nor one of the project's classes";
    if (className.empty())
        return Absent("class", "Class", key, ":" + unknown);
    return Breach{"class",
                  "Class " + QuotedFileText(className) + unknown + DidYouMean(Os::Utf8Text(className), classList)};
}

std::optional<Breach> PriceBreach(const std::string& price, Key key) {
    std::string fixed = price;
    if (FixUpPrice(fixed))
        return Absent("price", "Price", key, ": a save sets it to 0");
    if (!IsDecimalDigits(price))
        return Breach{"price", "Price " + QuotedFileText(price) + " is not decimal digits"};
    return std::nullopt;
}

std::optional<Breach> StackBreach(const std::string& stack, Key key) {
    if (stack.empty())
        return Absent("stack", "Stack", key, ": a save sets it to 1");
    if (!IsDecimalDigits(stack))
        return Breach{"stack", "Stack " + QuotedFileText(stack) + " is not decimal digits"};
    std::string fixed = stack;
    if (FixUpStack(fixed))
        return Breach{"stack", "Stack " + QuotedFileText(stack) + " is below 1: a save sets it to 1"};
    return std::nullopt;
}

std::optional<Breach> AppearanceBreach(const std::string& projectRoot, const std::string& clientFolder,
                                       const std::string& itemName, ItemVocabulary::TypeIndex type,
                                       const std::string& className) {
    if (ItemVocabulary::WearableCheck(projectRoot, itemName, type, className).empty())
        return std::nullopt;
    return Breach{"appearance-missing", "type \"" + ItemVocabulary::TypeName(type) + "\" of class " +
                                            Quoted(className) + " needs the appearance file " +
                                            Printable(clientFolder + className + itemName) +
                                            ".FAP, which is missing: the editor sets the type back to \"Material\""};
}

} // namespace ItemRules
