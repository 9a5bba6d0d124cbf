#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zelpor {

// Locale-independent number text: the decimal separator is "." whatever the
// user's locale, as the stored data and the operators expect.

// Fixed notation with `decimals` decimals after rounding to 7 significant
// digits; scientific notation when the integer part needs more than 7 digits.
std::string FormatFixed(double value, int decimals);

// The fewest digits that read back to the same single-precision value.
std::string FormatGeneral(float value);

// Accepts what a user can type: optional blanks, optional sign, digits with at
// most one ".", optional exponent, optional blanks. "1.2.3", ".", "-" and ""
// are not numbers.
std::optional<double> ParseNumber(std::string_view text);

// Parses and rounds to the single-precision value that is stored.
std::optional<float> ParseFloat(std::string_view text);

}  // namespace zelpor
