#include "checker/ServerDataCheck.h"

#include "checker/BonusCheck.h"
#include "checker/NearestName.h"
#include "itemdata/ItemSave.h"
#include "itemdata/KeyValueLines.h"

namespace {

const char* const kItemKeys[] = {"Type", "Bonus", "Price", "Class", "Stack"};

// One key of the file: its value as the editor reads it and the line that value stands on.
struct KeyValue {
    std::string name;
    std::string value;
    std::optional<std::size_t> line; // none when no line holds the key
};

class ServerDataChecker {
public:
    ServerDataChecker(const KeyValueLines& lines, const std::string& file, FindingList& findings)
        : m_store(lines), m_file(file), m_findings(findings) {}

    KeyValue Read(const char* name) {
        const auto lines = m_store.LinesNamed(name);
        std::optional<std::size_t> line;
        if (!lines.empty())
            line = lines.front() + 1;
        return {name, m_store.ReadValue(name), line};
    }

    void Error(const KeyValue& key, const char* check, const std::string& message) {
        m_findings.Add(m_file, key.line, Severity::Error, check, message);
    }

    // "Type is missing" or "Type is empty": true when the key has a value to look at.
    bool HasValue(const KeyValue& key, const char* check, const std::string& consequence) {
        if (!key.value.empty())
            return true;
        Error(key, check, key.name + (key.line ? " is empty" : " is missing") + consequence);
        return false;
    }

    ItemVocabulary::TypeIndex CheckType(const KeyValue& type) {
        if (!HasValue(type, "type", ""))
            return std::nullopt;
        const ItemVocabulary::TypeIndex found = ItemVocabulary::FindItemType(type.value);
        if (!found)
            Error(type, "type",
                  "Type " + Quoted(type.value) + " is none of the twenty item types" +
                      DidYouMean(type.value, ItemVocabulary::ItemTypes()));
        return found;
    }

    std::optional<std::string> CheckClass(const KeyValue& key, const std::vector<std::string>& classList) {
        const auto found = ItemVocabulary::FindClass(classList, key.value);
        if (found)
            return found;
        const std::string unknown = " is neither \"ALL\" nor one of the project's classes";
        if (HasValue(key, "class", ":" + unknown))
            Error(key, "class", "Class " + Quoted(key.value) + unknown + DidYouMean(key.value, classList));
        return std::nullopt;
    }

    void CheckPrice(const KeyValue& price) {
        std::string fixed = price.value;
        if (FixUpPrice(fixed))
            Error(price, "price", price.name + (price.line ? " is empty" : " is missing") + ": a save sets it to 0");
        else if (!IsDecimalDigits(price.value))
            Error(price, "price", "Price " + Quoted(price.value) + " is not decimal digits");
    }

    void CheckStack(const KeyValue& stack) {
        std::string fixed = stack.value;
        if (!HasValue(stack, "stack", ": a save sets it to 1"))
            return;
        if (!IsDecimalDigits(stack.value))
            Error(stack, "stack", "Stack " + Quoted(stack.value) + " is not decimal digits");
        else if (FixUpStack(fixed))
            Error(stack, "stack", "Stack " + Quoted(stack.value) + " is below 1: a save sets it to 1");
    }

    // The editor reads and saves the first line of a key; a later line of the same key is never seen by it.
    void CheckWrittenOnce(const char* name) {
        const auto lines = m_store.LinesNamed(name);
        for (std::size_t i = 1; i < lines.size(); ++i) {
            const std::string line = m_store.Line(lines[i]);
            m_findings.Add(m_file, lines[i] + 1, Severity::Error, "duplicate-key",
                           "key " + Quoted(line.substr(0, line.find('='))) + " written again: the editor uses line " +
                               std::to_string(lines.front() + 1) + " only");
        }
    }

private:
    static bool IsDecimalDigits(const std::string& text) {
        return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
    }

    const KeyValueLines& m_store;
    const std::string& m_file;
    FindingList& m_findings;
};

} // namespace

ServerFacts CheckServerData(const KeyValueLines& lines, const std::vector<std::string>& classList,
                            const std::string& file, FindingList& findings) {
    ServerDataChecker checker(lines, file, findings);
    ServerFacts facts;
    const KeyValue type = checker.Read("Type");
    facts.type = checker.CheckType(type);
    facts.typeLine = type.line;
    facts.className = checker.CheckClass(checker.Read("Class"), classList);
    checker.CheckPrice(checker.Read("Price"));
    checker.CheckStack(checker.Read("Stack"));
    const KeyValue bonus = checker.Read("Bonus");
    CheckBonuses(bonus.value, facts.type, file, bonus.line, findings);
    for (const char* key : kItemKeys)
        checker.CheckWrittenOnce(key);
    return facts;
}
