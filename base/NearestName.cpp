#include "base/NearestName.h"

#include "base/Quoting.h"
#include "base/TextCase.h"

#include <algorithm>

namespace {

// Letter edits from a to b, neighbour swaps counted as one edit.
std::size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i)
        d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j)
        d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t change = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + change});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[a.size()][b.size()];
}

std::size_t SlipsAllowed(const std::string& name) {
    return std::max<std::size_t>(1, name.size() / 3);
}

} // namespace

std::optional<std::string> NearestName(const std::string& text, const std::vector<std::string>& names) {
    const std::string upper = UpperCaseText(text);
    std::optional<std::string> nearest;
    std::size_t nearestDistance = 0;
    for (const auto& name : names) {
        const std::size_t allowed = SlipsAllowed(name);
        // The lengths alone rule most names out, and spare the comparison a text of millions of bytes.
        const std::size_t lengthGap = std::max(text.size(), name.size()) - std::min(text.size(), name.size());
        if (name.empty() || lengthGap > allowed)
            continue;
        const std::size_t distance = EditDistance(upper, UpperCaseText(name));
        if (distance <= allowed && (!nearest || distance < nearestDistance)) {
            nearest = name;
            nearestDistance = distance;
        }
    }
    return nearest;
}

std::string DidYouMean(const std::string& text, const std::vector<std::string>& names) {
    const auto nearest = NearestName(text, names);
    return nearest ? " (did you mean " + Quoted(*nearest) + "?)" : std::string();
}
