#include "core/params/ParameterPages.h"

#include "core/text/Numbers.h"

namespace zelpor {
namespace {

// The row of the first page whose rules the later pages follow.
constexpr int kModelRow = 4;

std::string EntryText(const MachineParameter& e, float value) {
    return FormatFixed(value, DisplayDecimals(e.decimals));
}

}  // namespace

int ParameterIndex(int page, int row) { return page * kShownParameterRows + row - 1; }

bool PageHasEntries(const ParameterTable& table, int page) {
    if (page < 0 || page >= kParameterPages) return false;
    for (int row = 1; row <= kShownParameterRows; ++row)
        if (table.entries[static_cast<std::size_t>(ParameterIndex(page, row))].number != 0) return true;
    return false;
}

int NextPage(const ParameterTable& table, int page) {
    for (int p = page + 1; p < kParameterPages; ++p)
        if (PageHasEntries(table, p)) return p;
    return -1;
}

int PreviousPage(const ParameterTable& table, int page) {
    // The first page is always there: it is where the window opens.
    for (int p = page - 1; p > 0; --p)
        if (PageHasEntries(table, p)) return p;
    return page > 0 ? 0 : -1;
}

bool RowTakesInput(const ParameterTable& table, int page, int row) {
    if (page == 0) return row <= kEditableParameterRows;
    return table.entries[static_cast<std::size_t>(ParameterIndex(page, row))].number != 0;
}

std::string LaterPageFocusMessage(const MachineParameter& entry) {
    if (entry.modifiable == 0) return "\tlecture seulement";
    return ParameterFocusMessage(kModelRow, entry);
}

TypedValueOutcome ValidateLaterPageValue(const MachineParameter& entry, std::string_view text) {
    TypedValueOutcome out = ValidateTypedValue(kModelRow, entry, text);
    switch (out.message) {
    case EntryMessage::ConversionError: out.rewrite = EntryText(entry, 0); break;
    case EntryMessage::BelowLower: out.rewrite = EntryText(entry, entry.lower); break;
    case EntryMessage::AboveUpper: out.rewrite = EntryText(entry, entry.upper); break;
    case EntryMessage::Clear:
        // A yes/no entry holds 0 or 1, never a value in between.
        if (entry.yesNo != 0 && out.store && *out.store != 1.0f && *out.store != 0.0f) {
            out.store = 0.0f;
            out.rewrite = EntryText(entry, 0);
        }
        break;
    case EntryMessage::Unchanged: break;
    }
    return out;
}

}  // namespace zelpor
