#pragma once

#include "itemdata/ItemVocabulary.h"

#include <optional>
#include <string>
#include <vector>

// The editor's rules for the five values of an item's server data, told as what breaks them: what
// brindlework-check reports of a file and brindlework-table refuses of a row. Messages are printable: a control
// character of a value is written as \xNN, and a long value is cut short.
namespace ItemRules {

// One rule a value breaks: the rule's stable name ("type", "bonus-unknown-kind") and what is wrong.
struct Breach {
    const char* rule;
    std::string message;
};

// Whether the value's key stands in the file at all: a missing key is told apart from an empty value.
enum class Key { Missing, Present };

// Type must name one of the twenty item types, letter case aside; the nearest is offered for a slip.
std::optional<Breach> TypeBreach(const std::string& type, Key key);

// Class must be "ALL" or an entry of the class list, letter case aside; the nearest is offered for a slip.
std::optional<Breach> ClassBreach(const std::string& className, const std::vector<std::string>& classList, Key key);

// Price must be decimal digits; a save sets an empty one to 0.
std::optional<Breach> PriceBreach(const std::string& price, Key key);

// Stack must be decimal digits worth at least 1; a save sets an empty or zero one to 1.
std::optional<Breach> StackBreach(const std::string& stack, Key key);

// Each entry of a Bonus value by the bonus dialog's rules for the item's type: an entry that is empty (but for the
// one entry of an empty list), whose value is no whole number, whose kind is unknown or not offered for the type,
// a potion kind with a value, a value out of its kind's range, or a value spelled with a sign or leading zeros.
// At most one breach per entry, in the entries' order.
std::vector<Breach> BonusBreaches(const std::string& bonus, ItemVocabulary::TypeIndex type);

// A wearable type of a class other than "ALL" needs the class's appearance file, or the editor sets the type back
// to "Material". clientFolder: how the message names the project's CLIENT folder ("CLIENT/").
std::optional<Breach> AppearanceBreach(const std::string& projectRoot, const std::string& clientFolder,
                                       const std::string& itemName, ItemVocabulary::TypeIndex type,
                                       const std::string& className);

} // namespace ItemRules
