#include "core/params/ParameterEntry.h"

#include <algorithm>
#include <limits>

#include "core/text/Numbers.h"

namespace zelpor {
namespace {

// Rows 1 to 3 show the limits with the entry's own precision; the rows added
// later show them in the shortest form.
std::string FocusLimit(int row, const MachineParameter& e, float limit) {
    return row <= 3 ? FormatFixed(limit, DisplayDecimals(e.decimals)) : FormatGeneral(limit);
}

// Rows 1 to 6 rewrite with two decimals; row 7 with the entry's own.
std::string RewriteText(int row, const MachineParameter& e, float value) {
    return row == 7 ? FormatFixed(value, DisplayDecimals(e.decimals)) : FormatFixed(value, 2);
}

// A typed number beyond the single-precision range compares as an infinity,
// so that it meets the upper or lower limit rather than failing to convert.
float ToSingle(double v) {
    constexpr double kMax = std::numeric_limits<float>::max();
    if (v > kMax) return std::numeric_limits<float>::infinity();
    if (v < -kMax) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(v);
}

}  // namespace

int DisplayDecimals(std::int32_t storedDecimals) { return std::clamp(storedDecimals, 0, 6); }

std::string FormatParameterValue(const MachineParameter& entry) {
    return FormatFixed(entry.value, DisplayDecimals(entry.decimals));
}

std::string ParameterFocusMessage(int row, const MachineParameter& entry) {
    if (row <= 3 && entry.modifiable == 0) return "\tlecture seulement";
    if (entry.yesNo != 0) return "0 pour Non \t\t1 pour Oui";
    return "Mini : " + FocusLimit(row, entry, entry.lower) + "\t\tMaxi : " + FocusLimit(row, entry, entry.upper);
}

std::string_view EntryMessageText(EntryMessage message) {
    switch (message) {
    case EntryMessage::ConversionError:
        return "d\xC3\xA9"
               "faut de convertion EConvertError ";
    case EntryMessage::BelowLower: return "valeur limite basse ";
    case EntryMessage::AboveUpper: return "valeur limite haute ";
    case EntryMessage::Unchanged:
    case EntryMessage::Clear: break;
    }
    return {};
}

TypedValueOutcome ValidateTypedValue(int row, const MachineParameter& entry, std::string_view text) {
    TypedValueOutcome out;
    if (entry.modifiable == 0) return out;
    if (text.empty() || text == "-") return out;

    const auto parsed = ParseNumber(text);
    if (!parsed) {
        out.store = 0.0f;
        out.message = EntryMessage::ConversionError;
        out.rewrite = RewriteText(row, entry, 0.0f);
        return out;
    }
    const float value = ToSingle(*parsed);
    if (value < entry.lower) {
        out.message = EntryMessage::BelowLower;
        out.rewrite = RewriteText(row, entry, entry.lower);
        return out;
    }
    if (value > entry.upper) {
        out.message = EntryMessage::AboveUpper;
        out.rewrite = RewriteText(row, entry, entry.upper);
        return out;
    }
    out.message = EntryMessage::Clear;
    if (row == 7 && entry.yesNo != 0 && value != 1.0f) {
        out.store = 0.0f;
        out.rewrite = RewriteText(row, entry, 0.0f);
        return out;
    }
    out.store = value;
    return out;
}

bool AcceptsParameterCharacter(char32_t c, bool caretAtStart) {
    if (c >= U'0' && c <= U'9') return true;
    if (c == U'\b' || c == U'.') return true;
    return c == U'-' && caretAtStart;
}

}  // namespace zelpor
