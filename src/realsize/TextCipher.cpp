#include "realsize/TextCipher.h"

#include "realsize/OaepKey.h"
#include "texts/RealSizeTexts.h"

namespace rsa::realsize {

namespace {

// SHA-256's 32 bytes twice, plus two.
constexpr std::size_t oaepOverhead = 2 * 32 + 2;

mpz_class textNumber(const std::string& text) {
    mpz_class number;
    mpz_import(number.get_mpz_t(), text.size(), 1, 1, 1, 0, text.data());
    return number;
}

std::string numberText(const mpz_class& number) {
    std::string text((mpz_sizeinbase(number.get_mpz_t(), 2) + 7) / 8, '\0');
    std::size_t written = 0;
    mpz_export(text.data(), &written, 1, 1, 1, 0, number.get_mpz_t());
    text.resize(written);
    return text;
}

mpz_class power(const mpz_class& base, const mpz_class& exponent, const mpz_class& modulus) {
    mpz_class result;
    mpz_powm(result.get_mpz_t(), base.get_mpz_t(), exponent.get_mpz_t(), modulus.get_mpz_t());
    return result;
}

} // namespace

std::size_t largestTextBytes(int keyBits) {
    // OAEP's bound is the tighter one: the textbook number of that many
    // bytes has at most bits - 8 * 66 bits, far below n.
    const auto length = static_cast<std::size_t>((keyBits + 7) / 8);
    return length > oaepOverhead ? length - oaepOverhead : 0;
}

const char* ruleSentence(TextRefusal refusal) {
    switch (refusal) {
    case TextRefusal::EmptyText:
        return texts::realsize::emptyText;
    case TextRefusal::TextTooLong:
        return texts::realsize::textTooLong;
    case TextRefusal::KeyTooSmallForOaep:
        break;
    }
    return texts::realsize::keyTooSmall;
}

TextOutcome encryptTwice(const BigKey& key, const std::string& text,
                         const CharactersWithin& charactersWithin) {
    const std::size_t largest = largestTextBytes(key.bits);
    if (largest == 0) {
        return TextRefused{TextRefusal::KeyTooSmallForOaep, {}};
    }
    if (text.empty()) {
        return TextRefused{TextRefusal::EmptyText, {std::to_string(largest)}};
    }
    if (text.size() > largest) {
        return TextRefused{
            TextRefusal::TextTooLong,
            {std::to_string(largest), std::to_string(charactersWithin(text, largest))}};
    }
    TextContrast contrast;
    const mpz_class message = textNumber(text);
    contrast.textbookFirst = power(message, key.e, key.n);
    contrast.textbookSecond = power(message, key.e, key.n);
    contrast.back[0] = numberText(power(contrast.textbookFirst, key.d, key.n));
    contrast.back[1] = numberText(power(contrast.textbookSecond, key.d, key.n));
    const OaepKey oaep(key);
    contrast.oaepFirst = oaep.encrypt(text);
    contrast.oaepSecond = oaep.encrypt(text);
    contrast.back[2] = oaep.decrypt(contrast.oaepFirst);
    contrast.back[3] = oaep.decrypt(contrast.oaepSecond);
    return contrast;
}

} // namespace rsa::realsize
