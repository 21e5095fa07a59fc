// A classmate's public key as pasted: whatever splitPublicKeyLine finds and
// parsePublicKey accepts is a key of the exchange (n from 100 to 2^31 - 1,
// e at least 2), and the line publicKeyLine writes for it reads back as the
// same key.

#include "Report.h"
#include "exchange/Blocks.h"
#include "exchange/ExchangeKey.h"

#include <cstdint>
#include <optional>
#include <string>

namespace {

using namespace rsa::exchange;

std::optional<PublicKey> readKeyLine(const std::string& line) {
    const std::optional<PublicKeyTexts> texts = splitPublicKeyLine(line);
    if (!texts) {
        return std::nullopt;
    }
    const Result<PublicKey> key = parsePublicKey(texts->e, texts->n);
    return key ? std::optional<PublicKey>(*key) : std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<PublicKey> key = readKeyLine(text);
    if (!key) {
        return 0;
    }
    rsa::fuzz::require(key->n >= 100 && key->n <= largestModulus && key->e >= 2,
                       "an accepted key lies within the exchange's limits", text);
    const std::optional<PublicKey> again = readKeyLine(publicKeyLine(*key));
    rsa::fuzz::require(again && again->e == key->e && again->n == key->n,
                       "the key's own line reads back as the key", text);
    return 0;
}
