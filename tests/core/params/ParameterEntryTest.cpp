#include <gtest/gtest.h>

#include "params/ParameterEntry.h"

namespace zelpor {
namespace {

MachineParameter Entry(float lower, float upper, int decimals = 3, bool yesNo = false, int modifiable = 1) {
    MachineParameter e;
    e.number = 4;
    e.lower = lower;
    e.upper = upper;
    e.decimals = decimals;
    e.yesNo = yesNo ? 1 : 0;
    e.modifiable = modifiable;
    e.value = 3.25f;
    return e;
}

TEST(ParameterEntry, FocusMessageAndShownDecimalsPerRow) {
    const MachineParameter limits = Entry(-2.5f, 1000, 3), readOnly = Entry(0, 1000, 3, false, 0);
    const MachineParameter yesNo = Entry(0, 1, 0, true);
    const struct { int row; MachineParameter e; const char* text; } rows[] = {
        {1, readOnly, "\tlecture seulement"}, {3, readOnly, "\tlecture seulement"},
        {4, readOnly, "Mini : 0\t\tMaxi : 1000"}, {7, readOnly, "Mini : 0\t\tMaxi : 1000"},
        {1, limits, "Mini : -2.500\t\tMaxi : 1000.000"}, {3, limits, "Mini : -2.500\t\tMaxi : 1000.000"},
        {4, limits, "Mini : -2.5\t\tMaxi : 1000"}, {7, limits, "Mini : -2.5\t\tMaxi : 1000"},
        {2, yesNo, "0 pour Non \t\t1 pour Oui"}, {5, yesNo, "0 pour Non \t\t1 pour Oui"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.row);
        EXPECT_EQ(ParameterFocusMessage(r.row, r.e), r.text);
    }
    // Decimal counts outside any sense are kept between 0 and 6.
    for (const auto& [decimals, shown] : {std::pair{-4, "3"}, {1000000, "3.250000"}, {2, "3.25"}}) {
        EXPECT_EQ(FormatParameterValue(Entry(0, 10, decimals)), shown) << decimals;
    }
}

// The validation rule, row by row: what is stored, what the field is rewritten
// with, and which message the status line shows.
TEST(ParameterEntry, ValidationRuleRowByRow) {
    using M = EntryMessage;
    const MachineParameter to1000 = Entry(0, 1000, 3), from10 = Entry(10, 20, 1), tight = Entry(0.1f, 999.9f, 1);
    const MachineParameter wide = Entry(-10, 10, 4), yesNo = Entry(0, 9, 0, true), fixed = Entry(0, 10, 2, false, 0);
    const MachineParameter hundred = Entry(-100, 100);
    const std::string huge(60, '9');
    const struct { int row; MachineParameter e; std::string text; std::optional<float> store;
                   std::optional<std::string> rewrite; M message; } rows[] = {
        {4, to1000, "150", 150.0f, {}, M::Clear}, {4, to1000, "1500", {}, "1000.00", M::AboveUpper},
        {7, to1000, "1500", {}, "1000.000", M::AboveUpper},  // row 7 uses the entry's decimals
        {2, from10, "-5", {}, "10.00", M::BelowLower}, {7, from10, "5", {}, "10.0", M::BelowLower},
        {1, tight, "0.1", 0.1f, {}, M::Clear}, {1, tight, "999.9", 999.9f, {}, M::Clear},
        {1, tight, "999.90001", 999.9f, {}, M::Clear},  // single precision: reads as the limit
        {1, tight, "999.91", {}, "999.90", M::AboveUpper}, {1, tight, "0.09", {}, "0.10", M::BelowLower},
        {3, wide, ".", 0.0f, "0.00", M::ConversionError}, {3, wide, "1.2.3", 0.0f, "0.00", M::ConversionError},
        {3, wide, "-.", 0.0f, "0.00", M::ConversionError}, {7, wide, ".", 0.0f, "0.0000", M::ConversionError},
        {1, wide, "", {}, {}, M::Unchanged}, {7, wide, "-", {}, {}, M::Unchanged},
        {7, yesNo, "5", 0.0f, "0", M::Clear}, {7, yesNo, "1", 1.0f, {}, M::Clear},  // yes/no only in row 7
        {6, yesNo, "5", 5.0f, {}, M::Clear}, {1, yesNo, "5", 5.0f, {}, M::Clear},
        {1, fixed, "5", {}, {}, M::Unchanged}, {7, fixed, "5", {}, {}, M::Unchanged},
        {5, hundred, huge, {}, "100.00", M::AboveUpper},  // too big for a float: meets the limit
        {5, hundred, "-" + huge, {}, "-100.00", M::BelowLower},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::to_string(r.row) + " " + r.text);
        const TypedValueOutcome out = ValidateTypedValue(r.row, r.e, r.text);
        EXPECT_EQ(out.store, r.store);
        EXPECT_EQ(out.message, r.message);
        EXPECT_EQ(out.rewrite, r.rewrite);
    }
    EXPECT_EQ(EntryMessageText(M::AboveUpper), "valeur limite haute ");
    EXPECT_EQ(EntryMessageText(M::BelowLower), "valeur limite basse ");
    EXPECT_EQ(EntryMessageText(M::ConversionError), "d\xC3\xA9" "faut de convertion EConvertError ");
}

TEST(ParameterEntry, AcceptsDigitsPointBackspaceAndALeadingMinus) {
    for (char32_t c : {U'0', U'9', U'.', U'\b'}) EXPECT_TRUE(AcceptsParameterCharacter(c, false));
    EXPECT_TRUE(AcceptsParameterCharacter(U'-', true));
    EXPECT_FALSE(AcceptsParameterCharacter(U'-', false));
    for (char32_t c : {U'a', U',', U'+', U'e', U' ', U'\u00E9'}) EXPECT_FALSE(AcceptsParameterCharacter(c, true));
}

}  // namespace
}  // namespace zelpor
