#include "rules/csv_table.h"

namespace corvane::rules {

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t'; }

// ';' when the header line holds more semicolons than commas outside quotes.
char DetectSeparator(std::string_view text) {
    int commas = 0, semicolons = 0;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == '\n' || c == '\r') {
            if (commas + semicolons > 0) break;
            continue;  // blank lines before the header
        }
        commas += c == ',';
        semicolons += c == ';';
    }
    return semicolons > commas ? ';' : ',';
}

}  // namespace

CsvTable ReadCsv(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    const char separator = DetectSeparator(text);

    CsvTable table;
    CsvRow row;
    std::string cell;
    bool cellQuoted = false;  // the current cell was quoted (and its quotes closed)
    int line = 1;
    row.line = 1;
    const auto endCell = [&] {
        row.cells.push_back(std::move(cell));
        cell.clear();
        cellQuoted = false;
    };
    const auto endRow = [&] {
        endCell();
        const bool blank = row.cells.size() == 1 && row.cells[0].find_first_not_of(" \t") == std::string::npos;
        if (!blank) table.rows.push_back(std::move(row));
        row = CsvRow{};
    };

    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '"' && !cellQuoted && cell.find_first_not_of(" \t") == std::string::npos) {
            // A quoted cell: up to the quote that is not doubled.
            const int openedOn = line;
            cell.clear();
            ++i;
            for (;;) {
                if (i >= text.size()) {
                    table.error = CsvError{openedOn, "a quoted cell is not closed"};
                    return table;
                }
                const char q = text[i++];
                if (q == '"') {
                    if (i < text.size() && text[i] == '"') {
                        cell += '"';
                        ++i;
                        continue;
                    }
                    break;
                }
                if (q == '\n' || (q == '\r' && (i >= text.size() || text[i] != '\n'))) ++line;
                cell += q;
            }
            cellQuoted = true;
            continue;
        }
        ++i;
        if (c == separator) {
            endCell();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i < text.size() && text[i] == '\n') ++i;
            endRow();
            row.line = ++line;
        } else if (cellQuoted) {
            if (!IsSpace(c)) {
                table.error = CsvError{line, "text after a quoted cell's closing quote"};
                return table;
            }
        } else {
            cell += c;
        }
    }
    if (!cell.empty() || cellQuoted || !row.cells.empty()) endRow();
    return table;
}

std::string ColumnName(const std::string& cell) {
    const auto first = cell.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    std::string name = cell.substr(first, cell.find_last_not_of(" \t") - first + 1);
    for (char& c : name) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return name;
}

}  // namespace corvane::rules
