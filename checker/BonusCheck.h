#pragma once

#include "checker/Finding.h"
#include "itemdata/ItemVocabulary.h"

#include <optional>
#include <string>

// Checks each entry of a Bonus value by the bonus dialog's rules for the item's type: an entry that is empty
// (but for the one entry of an empty list), whose value is no whole number, whose kind is unknown or not offered
// for the type, a potion kind with a value, a value out of its kind's range, or a value spelled with a sign or
// leading zeros. One finding per entry, at the line of the Bonus key.
void CheckBonuses(const std::string& value, ItemVocabulary::TypeIndex type, const std::string& file,
                  std::optional<std::size_t> line, FindingList& findings);
