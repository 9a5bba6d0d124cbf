#include "core/text/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <cmath>
#include <cstdio>

namespace zelpor {
namespace {

constexpr int kSignificantDigits = 7;

std::string ToChars(double v, std::chars_format fmt, int precision) {
    char buf[512];
    auto res = std::to_chars(buf, buf + sizeof buf, v, fmt, precision);
    return std::string(buf, res.ptr);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

namespace {

// Adds one unit in the last place of a string of decimal digits; returns
// false when the carry runs off the front ("999" becomes "000").
bool IncrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return true;
        }
        *it = '0';
    }
    return false;
}

}  // namespace

std::string FormatFixed(double value, int decimals) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    decimals = std::clamp(decimals, 0, 18);
    // The value's decimal digits (18 of them, more than a double carries) are
    // rounded once, half away from zero, at the last place shown: the wanted
    // decimals, or the 7th significant digit when that comes first. Rounding
    // twice (first to 7 digits, then to the decimals) would show 10.724999 as
    // 10.73; the operators' old screens showed 10.72.
    const std::string sci = ToChars(std::fabs(value), std::chars_format::scientific, 17);
    std::string digits = sci.substr(0, 1) + sci.substr(2, 17);
    int exponent = std::atoi(sci.c_str() + sci.find('e') + 1);  // power of ten of digits[0]
    if (exponent >= kSignificantDigits) {
        // Integer part too long for fixed notation: d.dddddde+XX.
        return ToChars(value, std::chars_format::scientific, kSignificantDigits - 1);
    }
    const int keep = std::min(exponent + 1 + decimals, kSignificantDigits);  // digits left after rounding
    if (keep < static_cast<int>(digits.size())) {
        const bool up = keep >= 0 && digits[static_cast<std::size_t>(keep)] >= '5';
        digits.resize(static_cast<std::size_t>(std::max(keep, 0)));
        if (up && !IncrementDigits(digits)) {
            digits.insert(digits.begin(), '1');  // 9.996 -> 10.00
            ++exponent;
        }
    }
    std::string integer, fraction;
    for (int power = std::max(exponent, 0); power >= -decimals; --power) {
        const int index = exponent - power;
        const char d =
            index >= 0 && index < static_cast<int>(digits.size()) ? digits[static_cast<std::size_t>(index)] : '0';
        (power >= 0 ? integer : fraction) += d;
    }
    std::string text = integer + (decimals > 0 ? "." + fraction : "");
    // No "-0.00": a value that rounds to zero shows without a sign.
    if (value < 0 && text.find_first_not_of("0.") != std::string::npos) text.insert(text.begin(), '-');
    return text;
}

std::string FormatGeneral(float value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0) return "0";
    // The fewest digits that read back to the value, laid out in fixed
    // notation as a general format does: a limit of 100000 reads "100000",
    // not "1e+05". Only beyond 15 integer digits or below 0.00001 does the
    // exponent form remain.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific);
    const std::string sci(buf, res.ptr);
    const std::size_t e = sci.find('e');
    std::string digits = sci.substr(0, 1) + (e > 1 ? sci.substr(2, e - 2) : std::string());
    const int exponent = std::atoi(sci.c_str() + e + 1);
    const std::string sign = value < 0 ? "-" : "";
    const int count = static_cast<int>(digits.size());
    if (exponent >= 15 || exponent < -5) {
        std::string mantissa = digits.substr(0, 1) + (count > 1 ? "." + digits.substr(1) : std::string());
        return sign + mantissa + "E" + std::to_string(exponent);
    }
    if (exponent >= count - 1) return sign + digits + std::string(static_cast<std::size_t>(exponent - count + 1), '0');
    if (exponent >= 0) {
        const auto point = static_cast<std::size_t>(exponent + 1);
        return sign + digits.substr(0, point) + "." + digits.substr(point);
    }
    return sign + "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
}

std::optional<double> ParseNumber(std::string_view text) {
    std::size_t b = text.find_first_not_of(" \t");
    if (b == std::string_view::npos) return std::nullopt;
    std::size_t e = text.find_last_not_of(" \t");
    std::string_view t = text.substr(b, e - b + 1);

    // Validate the shape first: from_chars alone would accept "1.2" out of "1.2.3".
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < t.size() && IsDigit(t[i])) ++i, ++expDigits;
        if (expDigits == 0) return std::nullopt;
    }
    if (i != t.size()) return std::nullopt;

    std::string_view body = t;
    if (body[0] == '+') body.remove_prefix(1);
    double value = 0;
    auto res = std::from_chars(body.data(), body.data() + body.size(), value);
    if (res.ec == std::errc::result_out_of_range) return std::nullopt;
    if (res.ec != std::errc() || res.ptr != body.data() + body.size()) return std::nullopt;
    return value;
}

std::optional<float> ParseFloat(std::string_view text) {
    auto v = ParseNumber(text);
    if (!v) return std::nullopt;
    if (std::isfinite(*v) && std::fabs(*v) > 3.4028234663852886e38) return std::nullopt;
    return static_cast<float>(*v);
}

}  // namespace zelpor
