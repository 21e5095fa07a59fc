// Val reads a text as the C library's strtod reads the same text with its
// blanks, tabs and line feeds taken out. The text is spelt only from what the
// two must agree on: digits, point, exponent, signs, the dropped blanks, and a
// letter at which both stop (&H and &O, which strtod lacks, never occur). A
// number strtod finds beyond the Double range must fail with Overflow.

#include "Report.h"
#include "testing/Failures.h"
#include "value/Conversions.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::string_view alphabet = "0123456789.Ee+- \t\nZ";
    std::string text;
    std::string compact;
    for (std::size_t i = 0; i < size; ++i) {
        // Bytes of the alphabet stand for themselves, so that seeds are readable.
        const auto byte = static_cast<char>(data[i]);
        text += alphabet.find(byte) != std::string_view::npos ? byte : alphabet[data[i] % 19];
        if (std::string_view(" \t\n").find(text.back()) == std::string_view::npos) {
            compact += text.back();
        }
    }
    const double expected = std::strtod(compact.c_str(), nullptr);
    double read = 0;
    const int failure = rsa::testing::failureNumber([&] { read = rsa::Val(text).asDouble(); });
    rsa::fuzz::require(std::isinf(expected) ? failure == 6 : failure == 0 && read == expected,
                       "Val reads what strtod reads without the blanks", text);
    return 0;
}
