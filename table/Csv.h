#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Comma-separated values as spreadsheets read and write them (RFC 4180): fields separated by commas, a field
// quoted with double quotes when it holds a comma, a quote or a line break, a quote inside doubled.

// The field as a row holds it: quoted when it holds a comma, a quote, a line break or a blank at either end.
std::string CsvField(const std::string& text);

// The fields as one row: each as CsvField gives it, joined by commas and ended by CR LF.
std::string CsvRow(const std::vector<std::string>& fields);

// One field read, and the line of the table it begins on, counted from 1.
struct CsvCell {
    std::string text;
    std::size_t line;
};
using CsvRecord = std::vector<CsvCell>;

// A table that cannot be read as one, and where: the line, and the field's number in its row (0 when none).
class CsvError : public std::runtime_error {
public:
    CsvError(std::size_t line, std::size_t column, const std::string& message)
        : std::runtime_error(message), m_line(line), m_column(column) {}
    std::size_t Line() const { return m_line; }
    std::size_t Column() const { return m_column; }

private:
    std::size_t m_line, m_column;
};

// The records of a table's bytes. A UTF-8 byte order mark is skipped; outside quotes CR LF, LF or a lone CR ends
// a record; a record of empty fields only (an empty line, a spreadsheet's empty row) is left out. Raises CsvError
// for a quoted field the table ends in (a file cut short), text after a field's closing quote, and a field that
// is no UTF-8.
std::vector<CsvRecord> ReadCsv(std::string_view bytes);
