#include "exchange/ExchangeKey.h"

#include "numbers/ModularArithmetic.h"
#include "numbers/NumberRoutines.h"
#include "reading/WholeNumber.h"

#include <cctype>
#include <cmath>
#include <memory>
#include <numeric>
#include <random>
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
    const std::optional<std::uint32_t> n = wholeUpToLargest(nText);
    if (!n) {
        return Refusal{RefusalKind::ModulusNotWhole, {std::to_string(largest)}};
    }
    if (*n < 100) {
        return Refusal{RefusalKind::ModulusBelow100, {std::to_string(*wholeNumber(nText))}};
    }
    const Result<std::uint32_t> e = exponentFrom(eText);
    if (!e) {
        return e.refusal();
    }
    return PublicKey{e.value(), *n};
}

std::string publicKeyLine(const PublicKey& key) {
    return "e = " + std::to_string(key.e) + "   n = " + std::to_string(key.n);
}

// Read by hand, not with std::regex, whose matcher recurses once per
// character and could overflow the stack on a long paste.
std::optional<PublicKeyTexts> splitPublicKeyLine(std::string_view text) {
    std::size_t at = 0;
    const auto skipBlanks = [&] {
        while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) {
            ++at;
        }
    };
    const auto take = [&](char wanted) {
        skipBlanks();
        if (at < text.size() && std::tolower(static_cast<unsigned char>(text[at])) == wanted) {
            ++at;
            return true;
        }
        return false;
    };
    const auto digits = [&] {
        skipBlanks();
        const std::size_t from = at;
        while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) {
            ++at;
        }
        return std::string(text.substr(from, at - from));
    };
    const bool bracketed = take('(');
    if (!take('e') || !take('=')) {
        return std::nullopt;
    }
    std::string e = digits();
    if (!take(',')) {
        take(';');
    }
    if (!take('n') || !take('=')) {
        return std::nullopt;
    }
    std::string n = digits();
    if (bracketed && !take(')')) {
        return std::nullopt;
    }
    skipBlanks();
    if (e.empty() || n.empty() || at != text.size()) {
        return std::nullopt;
    }
    return PublicKeyTexts{std::move(e), std::move(n)};
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
    for (;;) {
        const std::uint32_t p = suiting[uniformUpTo(last, random)];
        const std::uint32_t q = suiting[uniformUpTo(last, random)];
        if (p != q && std::uint64_t{p} * q >= 100) {
            return pairOf(p, q, *exponent);
        }
    }
}

} // namespace rsa::exchange
