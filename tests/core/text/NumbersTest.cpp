#include <gtest/gtest.h>

#include <string>

#include "core/text/Numbers.h"

namespace zelpor {
namespace {

// Exact halves round away from zero, a binary value just below a half rounds
// down; seven significant digits at most; no negative zero.
TEST(Numbers, FixedNotation) {
    const std::pair<double, const char*> twoDecimals[] = {
        {4.1175, "4.12"}, {0.5, "0.50"},    {-1.923, "-1.92"}, {2.675, "2.67"}, {10.7249999, "10.72"},
        {0.125, "0.13"},  {9.996, "10.00"}, {0.006, "0.01"},   {0.004, "0.00"}, {1234567.8, "1234568.00"},
        {-0.0, "0.00"},   {-0.001, "0.00"}, {-0.005, "-0.01"}};
    for (const auto& [value, text] : twoDecimals) EXPECT_EQ(FormatFixed(value, 2), text) << value;
    EXPECT_EQ(FormatFixed(-2.5, 0), "-3");
    EXPECT_EQ(FormatFixed(9999999, 0), "9999999");
    EXPECT_EQ(FormatFixed(0.1f, 3), "0.100");
    EXPECT_EQ(FormatFixed(123.456789, 5), "123.45680");
    EXPECT_EQ(FormatFixed(0.0001234, 6), "0.000123");
    // Fixed layout for every everyday size (never "1e+05"); only the extremes keep an exponent.
    const std::pair<float, const char*> general[] = {
        {0.1f, "0.1"},         {-2.5f, "-2.5"},        {0, "0"},
        {100000, "100000"},    {-250000, "-250000"},   {0.00025f, "0.00025"},
        {123.456f, "123.456"}, {16777216, "16777216"}, {1e15f, "1E15"},
        {2.5e20f, "2.5E20"},   {1e-6f, "1E-6"}};
    for (const auto& [value, text] : general) EXPECT_EQ(FormatGeneral(value), text) << value;
    // Past seven integer digits the value is shown in scientific notation.
    const std::string big = FormatFixed(12345678, 2);
    EXPECT_NE(big.find('e'), std::string::npos) << big;
    EXPECT_NEAR(*ParseNumber(big), 12345680, 1);
    EXPECT_EQ(FormatFixed(1e30, 2).find('.'), 1u);
}

TEST(Numbers, ParseAcceptsWhatAUserTypesAndRefusesTheRest) {
    const std::pair<const char*, double> accepted[] = {{"90", 90},  {" 90 ", 90}, {"-3.25", -3.25}, {"+3", 3},
                                                       {".5", 0.5}, {"5.", 5},    {"1e3", 1000},    {"1.5E-2", 0.015}};
    for (const auto& [text, value] : accepted) EXPECT_EQ(ParseNumber(text), value) << '"' << text << '"';
    EXPECT_EQ(ParseFloat("0.1"), 0.1f);
    for (const char* text : {"", " ", ".", "-", "+", "1.2.3", "1,5", "12a", "a12", "e5", "1e", "1e+", "--1", "1 2",
                             "0x10", "inf", "nan", "1e400"}) {
        EXPECT_EQ(ParseNumber(text), std::nullopt) << '"' << text << '"';
    }
    EXPECT_EQ(ParseFloat("1e39"), std::nullopt);  // beyond a stored single-precision value
}

}  // namespace
}  // namespace zelpor
