#include "table/TableExport.h"

#include "base/FileError.h"
#include "base/Os.h"
#include "base/Quoting.h"
#include "base/TextCase.h"
#include "itemdata/KeyValueFile.h"
#include "table/Csv.h"
#include "table/ItemTable.h"

#include <algorithm>

namespace {

struct Row {
    std::string sortKey;
    std::string bytes;
};

Row ItemRow(const ProjectListing& project, const QuietFiles::Entry& serverFile) {
    const std::string path = project.server.Path() + serverFile.name;
    const KeyValueLines lines = ServerDataLines(QuietFiles::ReadFile(path).bytes, path);
    std::vector<std::string> fields = {Os::WholeUtf8Name(ItemNameOf(serverFile))};
    for (const ValueColumn& column : kValueColumns)
        fields.push_back(Os::WholeUtf8Text(lines.ReadValue(column.key)));
    return {UpperCaseText(fields.front()) + '\0' + fields.front(), CsvRow(fields)};
}

} // namespace

ExportedTable ExportTable(const std::string& projectFolder) {
    const ProjectListing project = ListProject(projectFolder);
    ExportedTable table;
    std::vector<Row> rows;
    for (const QuietFiles::Entry* serverFile : ServerDataFiles(project)) {
        try {
            rows.push_back(ItemRow(project, *serverFile));
        } catch (const FileError& unread) {
            table.leftOut.push_back(Printable(ShownServerFile(project, *serverFile)) + ": error: cannot be read: " +
                                    Printable(unread.Reason()) + "; the item is left out of the table");
        }
    }
    std::sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.sortKey < b.sortKey; });
    std::vector<std::string> header = {kItemHeader};
    for (const ValueColumn& column : kValueColumns)
        header.push_back(column.header);
    table.bytes = "\xEF\xBB\xBF" + CsvRow(header);
    for (const Row& row : rows)
        table.bytes += row.bytes;
    table.items = rows.size();
    return table;
}
