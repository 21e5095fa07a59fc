// Val reads back from Str's text the number Str showed: a Double rounded to 15
// significant digits and a Single to 7, as printf rounds them; where that
// rounding leaves the Double range, Val fails with Overflow. The text starts
// with a blank, or with a minus for a negative number.

#include "Report.h"
#include "testing/Failures.h"
#include "value/Conversions.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void checkRoundTrip(const rsa::Variant& value, double number, int digits) {
    char shown[64];
    std::snprintf(shown, sizeof shown, "%.*g", digits, number);
    const double expected = std::strtod(shown, nullptr);
    const std::string text = rsa::Str(value);
    double read = 0;
    const int failure = rsa::testing::failureNumber([&] { read = rsa::Val(text).asDouble(); });
    rsa::fuzz::require(text[0] == (number < 0 ? '-' : ' ') &&
                           (std::isinf(expected) ? failure == 6 : failure == 0 && read == expected),
                       "Val reads back the number Str showed", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    double number = 0;
    float single = 0;
    if (size >= sizeof number + sizeof single) {
        std::memcpy(&number, data, sizeof number);
        std::memcpy(&single, data + sizeof number, sizeof single);
    }
    // Str writes infinities and NaN, which no arithmetic result ever is, as no number.
    if (std::isfinite(number) && std::isfinite(single)) {
        checkRoundTrip(rsa::Variant::doubleValue(number), number, 15);
        checkRoundTrip(rsa::Variant::single(single), single, 7);
    }
    return 0;
}
