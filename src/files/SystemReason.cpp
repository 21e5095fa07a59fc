#include "SystemReason.h"

#include <locale.h>
#include <string.h>

namespace rsa {

// strerror() translates through LC_MESSAGES (and may hand back text in the
// locale's code page); the "C" locale always gives the English UTF-8 text.
std::string reasonOf(int error) {
    static const locale_t plain = newlocale(LC_ALL_MASK, "C", locale_t{});
    if (plain == locale_t{}) {
        return "Error " + std::to_string(error);
    }
    return strerror_l(error, plain);
}

} // namespace rsa
