#pragma once

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

namespace zelpor {

// Texts of the printed sheets and the exports. Everything is UTF-8; numbers
// are written as the main window shows them, with a decimal point.

// Fixed notation as in the main window; "?" for a value that is not a number
// or infinite (a damaged file), so a sheet never shows "NAN" as a setting.
std::string ShownNumber(double value, int decimals);

// A Latin-1 text of a record as UTF-8. Line breaks and tabs become blanks,
// other control characters (bytes a damaged file may hold) become "?";
// blanks at both ends are dropped.
std::string ShownText(std::string_view latin1);

// A file or folder name as shown: names on disk are UTF-8; one that is not
// (a file copied from elsewhere) is read as Latin-1. Control characters
// become "?".
std::string ShownFileName(std::string_view name);

// "06/12/2026 22:45" in local time; empty for a time that cannot be shown.
std::string ShownDate(std::time_t when);

// One CSV field: quoted (with doubled quotes) when it holds the separator, a
// quote, a line break or blanks at either end.
std::string CsvField(std::string_view text);
// Fields joined by ";" and ended by CR LF.
std::string CsvRow(const std::vector<std::string>& fields);

// Reads CSV text back into rows of fields (quoted fields, doubled quotes,
// CR LF or LF line ends); used by the tests and by anything importing an export.
std::vector<std::vector<std::string>> ParseCsv(std::string_view text);

}  // namespace zelpor
