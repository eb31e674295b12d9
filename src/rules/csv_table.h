// Comma-separated files as spreadsheets and other programs write them:
// cells in double quotes may hold the separator, line ends and doubled
// quotes; lines end in CRLF, LF or a lone CR; a UTF-8 byte-order mark at the
// start is skipped. The separator is ',' or ';', whichever the first
// non-blank line (the header) uses outside quotes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::rules {

struct CsvRow {
    int line = 0;  // where the row starts in the file, from 1
    std::vector<std::string> cells;
};

struct CsvError {
    int line = 0;
    std::string message;
};

struct CsvTable {
    std::vector<CsvRow> rows;       // blank lines left out
    std::optional<CsvError> error;  // set when the text is not CSV; rows then stop before it
};

CsvTable ReadCsv(std::string_view text);

// A header cell as a column name: surrounding spaces dropped, ASCII letters
// lowered ("MAC " reads as "mac").
std::string ColumnName(const std::string& cell);

}  // namespace corvane::rules
