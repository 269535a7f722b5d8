// Parses random file text, reads and writes random keys, saves and parses again. Every call must do what a plain
// scan of the lines says; lines that were not written must come back byte for byte, and every written value must
// read back from the saved text.

#include "itemdata/KeyValueLines.h"
#include "itemdata/TextLines.h"

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

void CheckRead(KeyValueLines& store, Model& model, const std::string& key, bool addIfMissing, bool autoAdd) {
    const std::string value = store.ReadValue(key, addIfMissing);
    const auto found = FirstLineNamed(model.lines, key);
    if (found) {
        Check(value == model.lines[*found].substr(model.lines[*found].find('=') + 1));
    } else if (autoAdd || addIfMissing) {
        Check(value == "0");
        model.lines.push_back(key + "=0");
        if (key.find('=') == std::string::npos)
            model.values.emplace(Upper(key), "0");
    } else {
        Check(value.empty());
    }
}

void CheckWrite(KeyValueLines& store, Model& model, const std::string& key, const std::string& value, bool addIfMissing,
                bool autoAdd, std::size_t originalSize) {
    store.WriteValue(key, value, addIfMissing);
    const auto found = FirstLineNamed(model.lines, key);
    if (found) {
        model.lines[*found] = key + "=" + value;
        if (*found < originalSize)
            model.replaced.insert(*found);
    } else if (autoAdd || addIfMissing) {
        model.lines.push_back(key + "=" + value);
    } else {
        return;
    }
    if (key.find('=') == std::string::npos)
        model.values[Upper(key)] = value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const bool autoAdd = input.ConsumeBool();
    const std::string fileText = input.ConsumeRandomLengthString(4096);
    const std::vector<std::string> original = SplitLines(fileText);
    Check(SplitLines(JoinLines(original)) == original);

    KeyValueLines store(original, autoAdd);
    Model model{original, {}, {}};
    while (input.remaining_bytes() > 0) {
        const bool write = input.ConsumeBool();
        const bool addIfMissing = input.ConsumeBool();
        const std::string key = WithoutLineBreaks(input.ConsumeRandomLengthString(16));
        if (write) {
            const std::string value = WithoutLineBreaks(input.ConsumeRandomLengthString(32));
            CheckWrite(store, model, key, value, addIfMissing, autoAdd, original.size());
        } else {
            CheckRead(store, model, key, addIfMissing, autoAdd);
        }
        Check(store.Lines() == model.lines);
    }

    const std::vector<std::string> saved = SplitLines(JoinLines(store.Lines()));
    Check(saved == store.Lines());
    for (std::size_t i = 0; i < original.size(); ++i)
        Check(model.replaced.count(i) == 1 || saved[i] == original[i]);
    KeyValueLines reloaded(saved, false);
    for (const auto& [key, value] : model.values)
        Check(reloaded.ReadValue(key, false) == value);
    return 0;
}
