#include "table/TableImport.h"

#include "base/FileError.h"
#include "base/Os.h"
#include "base/Quoting.h"
#include "base/TextCase.h"
#include "itemdata/BonusList.h"
#include "itemdata/ItemRules.h"
#include "itemdata/ItemSave.h"
#include "itemdata/KeyValueFile.h"
#include "table/Csv.h"
#include "table/ItemTable.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

namespace {

constexpr std::size_t kNoColumn = static_cast<std::size_t>(-1);

// Where each column stands in a row: the Item column, then the value columns in kValueColumns' order.
struct Header {
    std::size_t width = 0;
    std::size_t item = kNoColumn;
    std::array<std::size_t, kValueColumns.size()> values{};
};

Header ReadHeader(const CsvRecord& names) {
    Header header;
    header.width = names.size();
    header.values.fill(kNoColumn);
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::size_t* slot = SameTextIgnoringCase(names[i].text, kItemHeader) ? &header.item : nullptr;
        for (std::size_t v = 0; v < kValueColumns.size() && !slot; ++v) {
            if (SameTextIgnoringCase(names[i].text, kValueColumns[v].header))
                slot = &header.values[v];
        }
        if (slot && *slot != kNoColumn)
            throw CsvError(names[i].line, i + 1, "the column " + Quoted(names[i].text) + " is named twice");
        if (slot)
            *slot = i;
    }
    if (header.item == kNoColumn)
        throw CsvError(1, 0, "the table has no \"Item\" column, which names the item of each row");
    return header;
}

// The project's items by the name the table gives them: as export writes it, else the first one equal to it
// ignoring letter case, as Windows finds a file.
class ItemIndex {
public:
    explicit ItemIndex(const ProjectListing& project) {
        for (const QuietFiles::Entry* file : ServerDataFiles(project)) {
            const std::string name = Os::WholeUtf8Name(ItemNameOf(*file));
            m_byName.emplace(name, file);
            m_byUpperName.emplace(UpperCaseText(name), file);
        }
    }

    const QuietFiles::Entry* Find(const std::string& name) const {
        const auto exact = m_byName.find(name);
        if (exact != m_byName.end())
            return exact->second;
        const auto other = m_byUpperName.find(UpperCaseText(name));
        return other == m_byUpperName.end() ? nullptr : other->second;
    }

private:
    std::unordered_map<std::string, const QuietFiles::Entry*> m_byName, m_byUpperName;
};

// One value of a row: the text to judge and to write, in the system's code page, and where the table holds it.
struct RowValue {
    std::string text;
    std::string before; // what the file holds
    bool given = false; // the table gives it, rather than leaving its column out
    std::size_t column; // the field's number; the Item field's for a value the table leaves out
    ItemRules::Key key = ItemRules::Key::Present;
};

class RowCheck {
public:
    RowCheck(const ProjectListing& project, const std::vector<std::string>& classList, const Header& header,
             std::vector<TableProblem>& problems)
        : m_project(project), m_classList(classList), m_header(header), m_problems(problems) {}

    // The row's values changed, or none when the row is refused.
    std::optional<ItemChange> Check(const CsvRecord& row, const QuietFiles::Entry& file) {
        m_row = &row;
        m_refused = false;
        const std::string path = m_project.server.Path() + file.name;
        std::optional<KeyValueLines> lines;
        QuietFiles::FileHead read;
        try {
            read = QuietFiles::ReadFile(path);
            lines = ServerDataLines(std::move(read.bytes), path);
        } catch (const FileError& unread) {
            Problem(m_header.item,
                    Printable(ShownServerFile(m_project, file)) + " cannot be read: " + Printable(unread.Reason()));
            return std::nullopt;
        }
        std::array<RowValue, kValueColumns.size()> values;
        for (std::size_t v = 0; v < values.size(); ++v)
            values[v] = Read(*lines, v);
        const std::string itemName = ItemNameOf(file);
        JudgeValues(values, itemName);
        if (m_refused)
            return std::nullopt;
        ItemChange change{path, ShownServerFile(m_project, file), {}, std::move(*lines), read.size, read.modified};
        return Changes(values, itemName, std::move(change));
    }

private:
    enum Value { kType, kClass, kPrice, kStack, kBonus };

    void Problem(std::size_t column, const std::string& message) {
        m_problems.push_back({(*m_row)[column].line, column + 1, message});
        m_refused = true;
    }

    void Report(const RowValue& value, const std::optional<ItemRules::Breach>& breach) {
        if (breach)
            Problem(value.column, breach->message);
    }

    RowValue Read(const KeyValueLines& lines, std::size_t v) {
        const char* key = kValueColumns[v].key;
        RowValue value;
        value.before = lines.ReadValue(key);
        value.text = value.before;
        value.column = m_header.values[v];
        if (value.column == kNoColumn) {
            value.column = m_header.item;
            value.key = lines.LinesNamed(key).empty() ? ItemRules::Key::Missing : ItemRules::Key::Present;
            return value;
        }
        value.given = true;
        const std::string& cell = (*m_row)[value.column].text;
        // The file's own bytes stand for a text the table leaves as export wrote it, whatever the code page.
        if (cell == Os::WholeUtf8Text(value.before))
            return value;
        if (const auto system = Os::SystemTextOfUtf8(cell))
            value.text = *system;
        else
            Problem(value.column,
                    std::string(kValueColumns[v].header) + " holds characters the system's code page cannot store");
        return value;
    }

    void JudgeValues(const std::array<RowValue, kValueColumns.size()>& values, const std::string& itemName) {
        const RowValue& type = values[kType];
        const RowValue& className = values[kClass];
        Report(type, ItemRules::TypeBreach(type.text, type.key));
        Report(className, ItemRules::ClassBreach(className.text, m_classList, className.key));
        Report(values[kPrice], ItemRules::PriceBreach(values[kPrice].text, values[kPrice].key));
        Report(values[kStack], ItemRules::StackBreach(values[kStack].text, values[kStack].key));
        const auto typeIndex = ItemVocabulary::FindItemType(type.text);
        for (const auto& breach : ItemRules::BonusBreaches(values[kBonus].text, typeIndex))
            Report(values[kBonus], breach);
        if (const auto found = ItemVocabulary::FindClass(m_classList, className.text))
            Report(type, ItemRules::AppearanceBreach(m_project.root, m_project.client.Relative(), itemName, typeIndex,
                                                     *found));
    }

    // The values the table changes, as the editor's save would write them.
    std::optional<ItemChange> Changes(const std::array<RowValue, kValueColumns.size()>& values,
                                      const std::string& itemName, ItemChange change) const {
        EditedItem item;
        item.projectRoot = m_project.root;
        item.itemName = itemName;
        item.type = ItemVocabulary::FindItemType(values[kType].text);
        item.className = ItemVocabulary::FindClass(m_classList, values[kClass].text);
        item.price = values[kPrice].text;
        item.stack = values[kStack].text;
        item.bonuses = SplitBonuses(values[kBonus].text);
        for (const ServerDataValue& written : ServerDataValues(item)) {
            const RowValue& value = values[ValueOfKey(written.key)];
            if (value.given && value.text != value.before && written.text != value.before)
                change.values.push_back({written.key, value.before, written.text});
        }
        if (change.values.empty())
            return std::nullopt;
        return change;
    }

    static std::size_t ValueOfKey(const char* key) {
        for (std::size_t v = 0; v < kValueColumns.size(); ++v) {
            if (std::string_view(kValueColumns[v].key) == key)
                return v;
        }
        return kValueColumns.size();
    }

    const ProjectListing& m_project;
    const std::vector<std::string>& m_classList;
    const Header& m_header;
    std::vector<TableProblem>& m_problems;
    const CsvRecord* m_row = nullptr;
    bool m_refused = false;
};

} // namespace

ImportPlan PlanImport(const std::string& projectFolder, std::string_view table) {
    const std::vector<CsvRecord> records = ReadCsv(table);
    if (records.empty())
        throw CsvError(1, 0, "the table is empty: it has no header row");
    const Header header = ReadHeader(records.front());
    const ProjectListing project = ListProject(projectFolder);
    const std::vector<std::string> classList = ProjectClassList(project);
    const ItemIndex items(project);
    ImportPlan plan;
    RowCheck check(project, classList, header, plan.problems);
    std::unordered_map<const QuietFiles::Entry*, std::size_t> rowOf;
    for (std::size_t r = 1; r < records.size(); ++r) {
        const CsvRecord& row = records[r];
        if (row.size() != header.width) {
            plan.problems.push_back({row.front().line, 0,
                                     "the row has " + std::to_string(row.size()) + " fields and the header " +
                                         std::to_string(header.width) + ": is it cut short or shifted?"});
            continue;
        }
        const CsvCell& name = row[header.item];
        const QuietFiles::Entry* file = items.Find(name.text);
        if (!file) {
            plan.problems.push_back(
                {name.line, header.item + 1,
                 name.text.empty() ? "the row names no item" : "no item " + Quoted(name.text) + " in the project"});
            continue;
        }
        const auto [earlier, first] = rowOf.emplace(file, name.line);
        if (!first)
            plan.problems.push_back(
                {name.line, header.item + 1,
                 "the item " + Quoted(name.text) + " has a row already, on line " + std::to_string(earlier->second)});
        else if (auto change = check.Check(row, *file))
            plan.changes.push_back(std::move(*change));
    }
    std::stable_sort(plan.problems.begin(), plan.problems.end(), [](const TableProblem& a, const TableProblem& b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
    if (!plan.problems.empty())
        plan.changes.clear();
    return plan;
}
