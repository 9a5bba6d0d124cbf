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
    e.value = 12.5f;
    return e;
}

TEST(ParameterFocusMessage, ReadOnlyOnlyInTheFirstThreeRows) {
    const MachineParameter readOnly = Entry(0, 1000, 3, false, 0);
    for (int row = 1; row <= 3; ++row) EXPECT_EQ(ParameterFocusMessage(row, readOnly), "\tlecture seulement");
    EXPECT_EQ(ParameterFocusMessage(4, readOnly), "Mini : 0\t\tMaxi : 1000");
    EXPECT_EQ(ParameterFocusMessage(7, readOnly), "Mini : 0\t\tMaxi : 1000");
}

TEST(ParameterFocusMessage, LimitFormatsDifferByRow) {
    const MachineParameter e = Entry(-2.5f, 1000, 3);
    EXPECT_EQ(ParameterFocusMessage(1, e), "Mini : -2.500\t\tMaxi : 1000.000");
    EXPECT_EQ(ParameterFocusMessage(3, e), "Mini : -2.500\t\tMaxi : 1000.000");
    EXPECT_EQ(ParameterFocusMessage(4, e), "Mini : -2.5\t\tMaxi : 1000");
    EXPECT_EQ(ParameterFocusMessage(6, e), "Mini : -2.5\t\tMaxi : 1000");
    EXPECT_EQ(ParameterFocusMessage(7, e), "Mini : -2.5\t\tMaxi : 1000");
    EXPECT_EQ(ParameterFocusMessage(2, Entry(0, 1, 0, true)), "0 pour Non \t\t1 pour Oui");
    EXPECT_EQ(ParameterFocusMessage(5, Entry(0, 1, 0, true)), "0 pour Non \t\t1 pour Oui");
}

TEST(ParameterDecimals, AbsurdCountsAreKeptSane) {
    MachineParameter e = Entry(0, 10, -4);
    e.value = 3.25f;
    EXPECT_EQ(FormatParameterValue(e), "3");
    e.decimals = 1000000;
    EXPECT_EQ(FormatParameterValue(e), "3.250000");
    e.decimals = 2;
    EXPECT_EQ(FormatParameterValue(e), "3.25");
}

TEST(ValidateTypedValue, TypingPastTheUpperLimitKeepsTheLastAcceptedValue) {
    const MachineParameter e = Entry(0, 1000, 3);
    for (const char* text : {"1", "15", "150"}) {
        const auto out = ValidateTypedValue(4, e, text);
        ASSERT_TRUE(out.store.has_value()) << text;
        EXPECT_FLOAT_EQ(*out.store, std::stof(text));
        EXPECT_EQ(out.message, EntryMessage::Clear);
        EXPECT_FALSE(out.rewrite);
    }
    const auto over = ValidateTypedValue(4, e, "1500");
    EXPECT_FALSE(over.store);
    EXPECT_EQ(over.message, EntryMessage::AboveUpper);
    EXPECT_EQ(over.rewrite, "1000.00");
    EXPECT_EQ(EntryMessageText(over.message), "valeur limite haute ");
    // Row 7 rewrites with the entry's own decimals.
    EXPECT_EQ(ValidateTypedValue(7, e, "1500").rewrite, "1000.000");
}

TEST(ValidateTypedValue, BelowTheLowerLimit) {
    const MachineParameter e = Entry(10, 20, 1);
    const auto out = ValidateTypedValue(2, e, "-5");
    EXPECT_FALSE(out.store);
    EXPECT_EQ(out.message, EntryMessage::BelowLower);
    EXPECT_EQ(out.rewrite, "10.00");
    EXPECT_EQ(EntryMessageText(out.message), "valeur limite basse ");
    EXPECT_EQ(ValidateTypedValue(7, e, "5").rewrite, "10.0");
}

TEST(ValidateTypedValue, LimitsThemselvesAreAccepted) {
    const MachineParameter e = Entry(0.1f, 999.9f, 1);
    EXPECT_EQ(ValidateTypedValue(1, e, "0.1").store, 0.1f);
    EXPECT_EQ(ValidateTypedValue(1, e, "999.9").store, 999.9f);
    // Compared in single precision: a digit beyond it reads as the limit itself.
    EXPECT_EQ(ValidateTypedValue(1, e, "999.90001").store, 999.9f);
    EXPECT_EQ(ValidateTypedValue(1, e, "999.91").message, EntryMessage::AboveUpper);
    EXPECT_EQ(ValidateTypedValue(1, e, "0.09").message, EntryMessage::BelowLower);
}

TEST(ValidateTypedValue, TextThatIsNoNumberStoresZero) {
    const MachineParameter e = Entry(-10, 10, 4);
    for (const char* text : {".", "1.2.3", "-."}) {
        const auto out = ValidateTypedValue(3, e, text);
        EXPECT_EQ(out.store, 0.0f) << text;
        EXPECT_EQ(out.message, EntryMessage::ConversionError);
        EXPECT_EQ(out.rewrite, "0.00");
    }
    EXPECT_EQ(ValidateTypedValue(7, e, ".").rewrite, "0.0000");
    EXPECT_EQ(EntryMessageText(EntryMessage::ConversionError), "d\xC3\xA9" "faut de convertion EConvertError ");
}

TEST(ValidateTypedValue, EmptyTextOrALoneMinusDoesNothing) {
    const MachineParameter e = Entry(0, 10);
    EXPECT_EQ(ValidateTypedValue(1, e, ""), TypedValueOutcome{});
    EXPECT_EQ(ValidateTypedValue(7, e, "-"), TypedValueOutcome{});
}

TEST(ValidateTypedValue, YesNoRuleOnlyInRowSeven) {
    const MachineParameter e = Entry(0, 9, 0, true);
    const auto five = ValidateTypedValue(7, e, "5");
    EXPECT_EQ(five.store, 0.0f);
    EXPECT_EQ(five.rewrite, "0");
    EXPECT_EQ(five.message, EntryMessage::Clear);
    const auto one = ValidateTypedValue(7, e, "1");
    EXPECT_EQ(one.store, 1.0f);
    EXPECT_FALSE(one.rewrite);
    for (int row = 1; row <= 6; ++row) {
        EXPECT_EQ(ValidateTypedValue(row, e, "5").store, 5.0f) << row;
        EXPECT_FALSE(ValidateTypedValue(row, e, "5").rewrite) << row;
    }
}

TEST(ValidateTypedValue, ReadOnlyEntryIsNeverChanged) {
    const MachineParameter e = Entry(0, 10, 2, false, 0);
    for (int row = 1; row <= 7; ++row) EXPECT_EQ(ValidateTypedValue(row, e, "5"), TypedValueOutcome{}) << row;
}

TEST(ValidateTypedValue, HugeNumbersMeetTheLimitInsteadOfFailing) {
    const MachineParameter e = Entry(-100, 100);
    const std::string huge(60, '9');
    EXPECT_EQ(ValidateTypedValue(5, e, huge).message, EntryMessage::AboveUpper);
    EXPECT_EQ(ValidateTypedValue(5, e, "-" + huge).message, EntryMessage::BelowLower);
}

TEST(AcceptsParameterCharacter, DigitsPointBackspaceAndALeadingMinus) {
    for (char32_t c : {U'0', U'5', U'9', U'.', U'\b'}) {
        EXPECT_TRUE(AcceptsParameterCharacter(c, false));
        EXPECT_TRUE(AcceptsParameterCharacter(c, true));
    }
    EXPECT_TRUE(AcceptsParameterCharacter(U'-', true));
    EXPECT_FALSE(AcceptsParameterCharacter(U'-', false));
    for (char32_t c : {U'a', U',', U'+', U'e', U' ', U'\u00E9'}) EXPECT_FALSE(AcceptsParameterCharacter(c, true));
}

}  // namespace
}  // namespace zelpor
