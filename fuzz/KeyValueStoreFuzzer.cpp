// Parses random file text, reads and writes random keys, saves and parses again. Every call must do what a plain
// scan of the lines says; lines that were not written must come back byte for byte, and every written value must
// read back from the saved text.

#include "itemdata/KeyValueLines.h"
#include "tests/support/TextLines.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

std::string Upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

// Keys and values hold no line breaks: the store keeps such text, but it becomes several lines once saved.
std::string WithoutLineBreaks(std::string text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return text;
}

// The first line whose text before its first "=" equals key ignoring case, found the plain way.
std::optional<std::size_t> FirstLineNamed(const std::vector<std::string>& lines, const std::string& key) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t equals = lines[i].find('=');
        if (equals != std::string::npos && Upper(lines[i].substr(0, equals)) == Upper(key))
            return i;
    }
    return std::nullopt;
}

struct Model {
    std::vector<std::string> lines;
    std::set<std::size_t> replaced;            // indices of original lines a write replaced
    std::map<std::string, std::string> values; // upper-case key -> value it must read back
};

void CheckRead(const KeyValueLines& store, const Model& model, const std::string& key) {
    const std::string value = store.ReadValue(key);
    const auto found = FirstLineNamed(model.lines, key);
    Check(found ? value == model.lines[*found].substr(model.lines[*found].find('=') + 1) : value.empty());
}

void CheckWrite(KeyValueLines& store, Model& model, const std::string& key, const std::string& value,
                std::size_t originalSize) {
    store.WriteValue(key, value);
    const auto found = FirstLineNamed(model.lines, key);
    if (found) {
        model.lines[*found] = key + "=" + value;
        if (*found < originalSize)
            model.replaced.insert(*found);
    } else {
        model.lines.push_back(key + "=" + value);
    }
    if (key.find('=') == std::string::npos)
        model.values[Upper(key)] = value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string fileText = input.ConsumeRandomLengthString(4096);
    const std::vector<std::string> original = SplitLines(fileText);
    Check(SplitLines(JoinLines(original)) == original);

    // Some names are noted as the text is read, as a server data file's item keys are: they must answer alike.
    std::vector<std::string> noted;
    for (int count = input.ConsumeIntegralInRange(0, 3); count > 0; --count) {
        const std::string name = WithoutLineBreaks(input.ConsumeRandomLengthString(8));
        if (name.find('=') == std::string::npos)
            noted.push_back(name);
    }
    KeyValueLines store(fileText, noted);
    Model model{original, {}, {}};
    while (input.remaining_bytes() > 0) {
        const bool write = input.ConsumeBool();
        const std::string key = WithoutLineBreaks(input.ConsumeRandomLengthString(16));
        if (write) {
            const std::string value = WithoutLineBreaks(input.ConsumeRandomLengthString(32));
            CheckWrite(store, model, key, value, original.size());
        } else {
            CheckRead(store, model, key);
        }
        Check(store.Lines() == model.lines);
    }

    const std::vector<std::string> saved = SplitLines(store.Text());
    Check(saved == store.Lines());
    for (std::size_t i = 0; i < original.size(); ++i)
        Check(model.replaced.count(i) == 1 || saved[i] == original[i]);
    const KeyValueLines reloaded(store.Text());
    for (const auto& [key, value] : model.values)
        Check(reloaded.ReadValue(key) == value);
    return 0;
}
