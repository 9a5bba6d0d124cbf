#pragma once

#include <string>

#include "core/params/ParameterEntry.h"

namespace zelpor {

// The editor shows the table twelve entries at a time: entries 1-12, 13-24,
// 25-36 and 37-48. Pages count from 0.
inline constexpr int kParameterPages = kParameterEntries / kShownParameterRows;

// Index in the table of row `row` (1..12) of page `page`.
int ParameterIndex(int page, int row);
// Whether a page holds at least one entry in use; the paging buttons only lead
// to pages with something to show.
bool PageHasEntries(const ParameterTable& table, int page);
int NextPage(const ParameterTable& table, int page);      // -1 when there is none
int PreviousPage(const ParameterTable& table, int page);  // -1 when there is none

// Whether the value field of a row takes input. The first page keeps its own
// rule (rows 1 to 7); on the later pages every entry in use does, unused
// entries (number 0) show an empty row that takes none.
bool RowTakesInput(const ParameterTable& table, int page, int row);

// The later pages edit an entry as rows 4 to 6 of the first page do, with
// the entry's own decimals for the rewritten text; a read-only entry says so
// and keeps its value, and a yes/no entry stores only 0 or 1.
std::string LaterPageFocusMessage(const MachineParameter& entry);
TypedValueOutcome ValidateLaterPageValue(const MachineParameter& entry, std::string_view text);

}  // namespace zelpor
