#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/params/ParameterTable.h"

namespace zelpor {

// The parameter editor shows the first twelve entries of the table; only the
// first seven can be edited from the keyboard.
inline constexpr int kShownParameterRows = 12;
inline constexpr int kEditableParameterRows = 7;

// Decimals used on screen for an entry. The stored field comes from the
// installation's file; a negative or absurd count would print nothing useful
// (or hundreds of zeros), so it is kept to 0..6.
int DisplayDecimals(std::int32_t storedDecimals);

// The value as the editor shows it: fixed notation with the entry's decimals.
std::string FormatParameterValue(const MachineParameter& entry);

// Status line shown when the value field of `row` (1..7) takes the focus.
std::string ParameterFocusMessage(int row, const MachineParameter& entry);

// What the status line says after a keystroke.
enum class EntryMessage {
    Unchanged,        // leave the status line as it is
    Clear,            // empty it
    ConversionError,  // "défaut de convertion EConvertError "
    BelowLower,       // "valeur limite basse "
    AboveUpper,       // "valeur limite haute "
};

// The status text of a message (UTF-8); empty for Unchanged and Clear.
std::string_view EntryMessageText(EntryMessage message);

// The outcome of the text of a value field after a keystroke.
struct TypedValueOutcome {
    std::optional<float> store;          // new value of the entry, if any
    std::optional<std::string> rewrite;  // text the field is rewritten with, if any
    EntryMessage message = EntryMessage::Unchanged;
    friend bool operator==(const TypedValueOutcome&, const TypedValueOutcome&) = default;
};

// Checks the text of the value field of `row` (1..7) against its entry:
// conversion, limits (compared in single precision, equal is accepted),
// and for row 7 the yes/no rule. A read-only entry is never changed.
TypedValueOutcome ValidateTypedValue(int row, const MachineParameter& entry, std::string_view text);

// Whether a character typed into a value field is accepted: digits,
// backspace, the point, and a minus only with the caret at the start.
bool AcceptsParameterCharacter(char32_t c, bool caretAtStart);

}  // namespace zelpor
