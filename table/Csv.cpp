#include "table/Csv.h"

#include "base/Utf8Text.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Reads records one field at a time, counting lines as it passes their ends.
class CsvReader {
public:
    explicit CsvReader(std::string_view bytes) : m_bytes(bytes) {
        if (m_bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark)
            m_at = kByteOrderMark.size();
    }

    std::vector<CsvRecord> Records() {
        std::vector<CsvRecord> records;
        while (m_at < m_bytes.size()) {
            CsvRecord record = Record();
            if (!IsEmpty(record))
                records.push_back(std::move(record));
        }
        return records;
    }

private:
    CsvRecord Record() {
        CsvRecord record;
        for (;;) {
            record.push_back(Field(record.size() + 1));
            if (m_at >= m_bytes.size())
                return record;
            if (m_bytes[m_at] == ',') {
                ++m_at;
                continue;
            }
            SkipLineEnd();
            return record;
        }
    }

    CsvCell Field(std::size_t column) {
        CsvCell cell{std::string(), m_line};
        if (m_at < m_bytes.size() && m_bytes[m_at] == '"')
            cell.text = Quoted(column);
        else
            cell.text = Plain();
        if (const auto bad = FirstNonUtf8Byte(cell.text))
            throw CsvError(cell.line, column,
                           "the field is no UTF-8 text (byte " + std::to_string(*bad + 1) +
                               "): save the table as UTF-8");
        return cell;
    }

    std::string Plain() {
        const std::size_t start = m_at;
        while (m_at < m_bytes.size() && m_bytes[m_at] != ',' && m_bytes[m_at] != '\r' && m_bytes[m_at] != '\n')
            ++m_at;
        return std::string(m_bytes.substr(start, m_at - start));
    }

    std::string Quoted(std::size_t column) {
        const std::size_t openedOn = m_line;
        std::string text;
        for (++m_at;; ++m_at) {
            if (m_at >= m_bytes.size())
                throw CsvError(openedOn, column, "the table ends inside this quoted field: is it cut short?");
            const char c = m_bytes[m_at];
            if (c == '"' && m_at + 1 < m_bytes.size() && m_bytes[m_at + 1] == '"') {
                text += '"';
                ++m_at;
            } else if (c == '"') {
                break;
            } else {
                CountLineEnd();
                text += c;
            }
        }
        ++m_at;
        if (m_at < m_bytes.size() && m_bytes[m_at] != ',' && m_bytes[m_at] != '\r' && m_bytes[m_at] != '\n')
            throw CsvError(m_line, column, "text follows the closing quote of this field");
        return text;
    }

    // A line ends at LF, or at a CR that no LF follows.
    void CountLineEnd() {
        const char c = m_bytes[m_at];
        if (c == '\n' || (c == '\r' && (m_at + 1 >= m_bytes.size() || m_bytes[m_at + 1] != '\n')))
            ++m_line;
    }

    void SkipLineEnd() {
        if (m_bytes[m_at] == '\r' && m_at + 1 < m_bytes.size() && m_bytes[m_at + 1] == '\n')
            ++m_at;
        ++m_at;
        ++m_line;
    }

    static bool IsEmpty(const CsvRecord& record) {
        for (const CsvCell& cell : record) {
            if (!cell.text.empty())
                return false;
        }
        return true;
    }

    std::string_view m_bytes;
    std::size_t m_at = 0;
    std::size_t m_line = 1;
};

} // namespace

std::string CsvField(const std::string& text) {
    const bool quoted = text.find_first_of(",\"\r\n") != std::string::npos ||
                        (!text.empty() && (IsBlank(text.front()) || IsBlank(text.back())));
    if (!quoted)
        return text;
    std::string field = "\"";
    for (const char c : text) {
        field += c;
        if (c == '"')
            field += c;
    }
    return field + "\"";
}

std::string CsvRow(const std::vector<std::string>& fields) {
    std::string row;
    for (std::size_t i = 0; i < fields.size(); ++i)
        row += (i > 0 ? "," : "") + CsvField(fields[i]);
    return row + "\r\n";
}

std::vector<CsvRecord> ReadCsv(std::string_view bytes) {
    return CsvReader(bytes).Records();
}
