#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "core/text/Numbers.h"

using namespace zelpor;

// What the parser accepts formats and parses back; it never accepts a text
// holding two points.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto value = ParseNumber(text);
    if (!value) return 0;
    const auto mantissa = text.substr(0, text.find_first_of("eE"));
    FUZZ_CHECK(std::count(mantissa.begin(), mantissa.end(), '.') <= 1);
    for (int decimals : {0, 2, 7}) {
        const std::string shown = FormatFixed(*value, decimals);
        FUZZ_CHECK(!shown.empty());
        if (std::isfinite(*value)) FUZZ_CHECK(ParseNumber(shown).has_value());
    }
    if (auto f = ParseFloat(text)) FUZZ_CHECK(ParseFloat(FormatGeneral(*f)) == *f || std::isnan(*f));
    return 0;
}
