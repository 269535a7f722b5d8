#include "itemdata/BonusList.h"

std::string JoinBonuses(const std::vector<std::string>& bonuses) {
    std::string value;
    for (std::size_t i = 0; i < bonuses.size(); ++i) {
        if (i > 0)
            value += ',';
        value += bonuses[i];
    }
    return value;
}

std::vector<std::string> SplitBonuses(const std::string& value) {
    std::vector<std::string> bonuses;
    if (value.empty())
        return bonuses;
    std::size_t start = 0;
    for (std::size_t comma = value.find(','); comma != std::string::npos; comma = value.find(',', start)) {
        bonuses.push_back(value.substr(start, comma - start));
        start = comma + 1;
    }
    bonuses.push_back(value.substr(start));
    return bonuses;
}
