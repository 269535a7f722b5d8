#include "checker/ServerDataCheck.h"

#include "itemdata/ItemRules.h"
#include "itemdata/ItemVocabulary.h"
#include "itemdata/KeyValueLines.h"

namespace {

using ItemRules::Breach;

// One key of the file: its value as the editor reads it and the line that value stands on.
struct KeyValue {
    std::string value;
    std::optional<std::size_t> line; // none when no line holds the key

    ItemRules::Key Presence() const { return line ? ItemRules::Key::Present : ItemRules::Key::Missing; }
};

class ServerDataChecker {
public:
    ServerDataChecker(const KeyValueLines& lines, const std::string& file, FindingList& findings)
        : m_store(lines), m_file(file), m_findings(findings) {}

    KeyValue Read(const char* name) const {
        const auto lines = m_store.LinesNamed(name);
        std::optional<std::size_t> line;
        if (!lines.empty())
            line = lines.front() + 1;
        return {m_store.ReadValue(name), line};
    }

    void Report(const KeyValue& key, const std::optional<Breach>& breach) {
        if (breach)
            m_findings.Add(m_file, key.line, Severity::Error, breach->rule, breach->message);
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
    checker.Report(type, ItemRules::TypeBreach(type.value, type.Presence()));
    facts.type = ItemVocabulary::FindItemType(type.value);
    facts.typeLine = type.line;
    const KeyValue className = checker.Read("Class");
    checker.Report(className, ItemRules::ClassBreach(className.value, classList, className.Presence()));
    facts.className = ItemVocabulary::FindClass(classList, className.value);
    const KeyValue price = checker.Read("Price");
    checker.Report(price, ItemRules::PriceBreach(price.value, price.Presence()));
    const KeyValue stack = checker.Read("Stack");
    checker.Report(stack, ItemRules::StackBreach(stack.value, stack.Presence()));
    const KeyValue bonus = checker.Read("Bonus");
    for (const Breach& breach : ItemRules::BonusBreaches(bonus.value, facts.type))
        checker.Report(bonus, breach);
    for (const char* key : ItemVocabulary::kServerDataKeys)
        checker.CheckWrittenOnce(key);
    return facts;
}
