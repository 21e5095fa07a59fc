#include "exchange/ExchangeKey.h"

#include "numbers/ModularArithmetic.h"
#include "numbers/NumberRoutines.h"
#include "reading/WholeNumber.h"

#include <cctype>
#include <cmath>
#include <memory>
#include <numeric>
#include <random>
#include <utility>
#include <vector>

namespace rsa::exchange {

namespace {

// A whole number as typed, read as every box of the program reads one;
// nothing when it is not one or lies beyond the 64-bit range.
std::optional<std::int64_t> wholeNumber(std::string_view text) {
    const auto read = reading::readWholeNumber(text);
    const auto* number = std::get_if<reading::WholeNumber>(&read);
    return number != nullptr ? number->value() : std::nullopt;
}

constexpr std::int64_t largest = 2147483647;

bool isBlank(std::string_view text) {
    for (char c : text) {
        if (!std::isspace(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

std::optional<std::uint32_t> wholeUpToLargest(std::string_view text) {
    const std::optional<std::int64_t> value = wholeNumber(text);
    if (!value || *value > largest) {
        return std::nullopt;
    }
    // Negative values are passed on as 0 so that "below" refusals name them.
    return static_cast<std::uint32_t>(*value < 0 ? 0 : *value);
}

Result<std::uint32_t> exponentFrom(std::string_view text) {
    const std::optional<std::int64_t> value = wholeNumber(text);
    if (!value || *value > largest) {
        return Refusal{RefusalKind::ExponentNotWhole, {std::to_string(largest)}};
    }
    if (*value < 2) {
        return Refusal{RefusalKind::ExponentBelowTwo, {std::to_string(*value)}};
    }
    return static_cast<std::uint32_t>(*value);
}

std::uint32_t uniformUpTo(std::uint32_t top, const RandomSource& random) {
    // Rejection keeps every value equally likely.
    const std::uint64_t span = static_cast<std::uint64_t>(top) + 1;
    const std::uint64_t limit = (std::uint64_t{1} << 32) / span * span;
    std::uint64_t value = random();
    while (value >= limit) {
        value = random();
    }
    return static_cast<std::uint32_t>(value % span);
}

std::uint32_t drawPrime(std::uint32_t range, const RandomSource& random) {
    std::uint32_t candidate = uniformUpTo(range, random);
    while (!isPrimeNumber(candidate)) {
        candidate = uniformUpTo(range, random);
    }
    return candidate;
}

// Every prime up to range whose p - 1 shares no factor with e: exactly the
// primes a pair with φ = (p - 1)(q - 1) coprime with e is made of.
std::vector<std::uint32_t> primesSuiting(std::uint32_t e, std::uint32_t range) {
    std::vector<bool> composite(std::size_t{range} + 1, false);
    std::vector<std::uint32_t> suiting;
    for (std::uint32_t k = 2; k <= range; ++k) {
        if (composite[k]) {
            continue;
        }
        for (std::uint64_t multiple = std::uint64_t{k} * k; multiple <= range; multiple += k) {
            composite[multiple] = true;
        }
        if (std::gcd(e, k - 1) == 1) {
            suiting.push_back(k);
        }
    }
    return suiting;
}

// e² ≡ 1 mod λ, λ = lcm(p − 1, q − 1): then d = e (or d = 1) would do, and
// decrypting with e gives every message back, as the exercises' keys never
// allow.
bool ownInverse(std::uint32_t e, std::uint32_t p, std::uint32_t q) {
    const std::uint64_t lambda = std::uint64_t{p - 1} * (q - 1) / std::gcd(p - 1, q - 1);
    return std::uint64_t{e} % lambda * (e % lambda) % lambda == 1 % lambda;
}

KeyPair pairOf(std::uint32_t p, std::uint32_t q, std::uint32_t e) {
    if (p > q) {
        std::swap(p, q);
    }
    const std::int64_t phi = std::int64_t{p - 1} * (q - 1);
    // Every caller chose e coprime with phi.
    const auto d = static_cast<std::uint32_t>(*inverse(e, phi));
    return KeyPair{p, q, e, d, p * q};
}

} // namespace

Result<PublicKey> parsePublicKey(std::string_view eText, std::string_view nText) {
    const bool noE = isBlank(eText);
    const bool noN = isBlank(nText);
    if (noE || noN) {
        return Refusal{noE && noN ? RefusalKind::KeyMissing
                       : noE      ? RefusalKind::ExponentMissing
                                  : RefusalKind::ModulusMissing,
                       {}};
    }
    const Result<std::uint32_t> e = exponentFrom(eText);
    if (!e) {
        return e.refusal();
    }
    const std::optional<std::uint32_t> n = wholeUpToLargest(nText);
    if (!n) {
        return Refusal{RefusalKind::ModulusNotWhole, {std::to_string(largest)}};
    }
    if (*n < 100) {
        return Refusal{RefusalKind::ModulusBelow100, {std::to_string(*wholeNumber(nText))}};
    }
    return PublicKey{e.value(), *n};
}

std::string publicKeyLine(const PublicKey& key) {
    return "e = " + std::to_string(key.e) + "   n = " + std::to_string(key.n);
}

// Read by hand, not with std::regex, whose matcher recurses once per
// character and could overflow the stack on a long paste. The line becomes a
// shape of one letter a token ("#" a number, "e", "n", brackets, "="; blanks,
// commas and semicolons only separate) and the numbers in their order.
std::optional<PublicKeyTexts> splitPublicKeyLine(std::string_view text) {
    std::string shape;
    std::vector<std::string> numbers;
    for (std::size_t at = 0; at < text.size();) {
        const auto c = static_cast<unsigned char>(text[at]);
        if (std::isspace(c) || c == ',' || c == ';') {
            ++at;
        } else if (std::isdigit(c)) {
            const std::size_t from = at;
            while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) {
                ++at;
            }
            numbers.emplace_back(text.substr(from, at - from));
            shape += '#';
        } else if (std::string_view("()=eEnN").find(static_cast<char>(c)) !=
                   std::string_view::npos) {
            shape += static_cast<char>(std::tolower(c));
            ++at;
        } else {
            return std::nullopt;
        }
        // No form is longer; a long paste is given up at once.
        if (shape.size() > 9) {
            return std::nullopt;
        }
    }
    bool eFirst = true;
    if (shape == "e=#n=#" || shape == "(e=#n=#)" || shape == "(##)" || shape == "(en)=(##)") {
        eFirst = true;
    } else if (shape == "n=#e=#" || shape == "(n=#e=#)" || shape == "(ne)=(##)") {
        eFirst = false;
    } else {
        return std::nullopt;
    }
    return eFirst ? PublicKeyTexts{numbers[0], numbers[1]} : PublicKeyTexts{numbers[1], numbers[0]};
}

Result<std::uint32_t> parseExponent(std::string_view text) {
    return exponentFrom(text);
}

std::optional<KeyPair> keyFromWindow(const WindowVariables& vars) {
    if (!vars.key) {
        return std::nullopt;
    }
    const double p = vars.key->p.toNumber();
    const double q = vars.key->q.toNumber();
    const double e = std::round(vars.key->e.toNumber());
    const double d = vars.d.toNumber();
    const double n = p * q;
    if (!(n >= 1 && n <= static_cast<double>(largest)) || d < 1) {
        return std::nullopt;
    }
    // The main window accepts an e of φ or more; it acts as e mod φ, and only
    // a 32-bit value can be handed on.
    if (e < 2 || e > static_cast<double>(largest)) {
        return std::nullopt;
    }
    return KeyPair{static_cast<std::uint32_t>(p), static_cast<std::uint32_t>(q),
                   static_cast<std::uint32_t>(e), static_cast<std::uint32_t>(d),
                   static_cast<std::uint32_t>(n)};
}

RandomSource systemRandom() {
    auto device = std::make_shared<std::random_device>();
    return [device] { return static_cast<std::uint32_t>((*device)()); };
}

Result<KeyPair> drawKeyPair(std::uint32_t range, std::optional<std::uint32_t> exponent,
                            const RandomSource& random) {
    if (!exponent) {
        for (;;) {
            const std::uint32_t p = drawPrime(range, random);
            const std::uint32_t q = drawPrime(range, random);
            if (p == q || std::uint64_t{p} * q < 100) {
                continue;
            }
            const std::uint64_t phi = std::uint64_t{p - 1} * (q - 1);
            std::uint32_t e = 3;
            while (std::gcd(std::uint64_t{e}, phi) != 1) {
                e += 2;
            }
            if (ownInverse(e, p, q)) {
                continue;
            }
            return pairOf(p, q, e);
        }
    }
    if (*exponent % 2 == 0) {
        return Refusal{RefusalKind::ExponentEven, {std::to_string(*exponent)}};
    }
    // Drawing pairs until one suits could take long for an e that few suit;
    // drawing from the primes that suit is the same choice, made at once, and
    // tells for certain when there is none.
    const std::vector<std::uint32_t> suiting = primesSuiting(*exponent, range);
    const std::size_t count = suiting.size();
    if (count < 2 || std::uint64_t{suiting[count - 1]} * suiting[count - 2] < 100) {
        return Refusal{RefusalKind::NoPairForExponent,
                       {std::to_string(*exponent), std::to_string(range)}};
    }
    const auto last = static_cast<std::uint32_t>(count - 1);
    const auto usable = [&](std::uint32_t p, std::uint32_t q) {
        return p != q && std::uint64_t{p} * q >= 100 && !ownInverse(*exponent, p, q);
    };
    // Pairs where e is its own inverse are rare; only when many draws find
    // none is every pair looked at, to tell for certain.
    for (int tries = 0; tries < 4096; ++tries) {
        const std::uint32_t p = suiting[uniformUpTo(last, random)];
        const std::uint32_t q = suiting[uniformUpTo(last, random)];
        if (usable(p, q)) {
            return pairOf(p, q, *exponent);
        }
    }
    std::vector<std::pair<std::uint32_t, std::uint32_t>> pairs;
    for (std::size_t i = 0; i < count; ++i) {
        for (std::size_t j = i + 1; j < count; ++j) {
            if (usable(suiting[i], suiting[j])) {
                pairs.emplace_back(suiting[i], suiting[j]);
            }
        }
    }
    if (pairs.empty()) {
        return Refusal{RefusalKind::ExponentOwnInverse,
                       {std::to_string(*exponent), std::to_string(range)}};
    }
    const auto& [p, q] = pairs[uniformUpTo(static_cast<std::uint32_t>(pairs.size() - 1), random)];
    return pairOf(p, q, *exponent);
}

} // namespace rsa::exchange
