// Textbook RSA repeats itself and OAEP does not, every cipher text comes back
// to the sentence, and a text that does not fit is refused with its limit. The
// scenario realsize shows the refusals of an empty text and a 512-bit key.
#include "realsize/OaepKey.h"
#include "realsize/TextCipher.h"

#include <openssl/core_names.h>
#include <openssl/evp.h>
#include <openssl/param_build.h>
#include <openssl/rsa.h>

#include <gtest/gtest.h>

#include <random>

namespace rsa::realsize {
namespace {

const std::atomic<bool> goOn{false};

// Characters of one to four UTF-8 bytes, Turkish letters among them.
const std::vector<std::string> alphabet{"a", "Z", " ", ",", "ç", "ğ", "ı",
                                        "İ", "ö", "ş", "ü", "€", "😀"};

// A random text of exactly `bytes` bytes (topped up with ASCII letters).
std::string randomText(std::size_t bytes, std::mt19937& draw) {
    std::string text;
    for (;;) {
        const std::string& next = alphabet[draw() % alphabet.size()];
        if (text.size() + next.size() > bytes) {
            break;
        }
        text += next;
    }
    return text + std::string(bytes - text.size(), 'x');
}

TEST(TextCipher, LimitIsTheKeyLengthLessOaepsSixtySixBytes) {
    const std::vector<std::pair<int, std::size_t>> cases{{512, 0},   {528, 0},    {536, 1},
                                                         {1024, 62}, {2048, 190}, {4096, 446}};
    for (const auto& [bits, bytes] : cases) {
        EXPECT_EQ(largestTextBytes(bits), bytes) << bits;
    }
}

// The window counts characters as a reader sees them; here any count will do.
std::size_t sevenCharacters(const std::string&, std::size_t) {
    return 7;
}

TEST(TextCipher, RandomTextsUpToTheLimitComeBackAndOneByteMoreIsRefused) {
    RandomSource random;
    std::mt19937 draw(22);
    for (const int bits : {1024, 2048}) {
        const BigKey key = *generateKey(bits, random, goOn);
        const std::size_t limit = largestTextBytes(bits);
        for (const std::size_t bytes : {std::size_t{1}, limit / 2, limit}) {
            const std::string text = randomText(bytes, draw);
            const TextOutcome outcome = encryptTwice(key, text, &sevenCharacters);
            ASSERT_TRUE(std::holds_alternative<TextContrast>(outcome)) << bits << ' ' << bytes;
            const auto& contrast = std::get<TextContrast>(outcome);
            EXPECT_TRUE(contrast.textbookSame());
            EXPECT_FALSE(contrast.oaepSame());
            EXPECT_LT(contrast.textbookFirst, key.n);
            EXPECT_EQ(contrast.oaepFirst.size(), static_cast<std::size_t>(bits / 8));
            for (const std::string& back : contrast.back) {
                EXPECT_EQ(back, text);
            }
        }
        const std::string over = randomText(limit, draw) + "a";
        std::vector<std::pair<std::string, std::size_t>> asked;
        const TextOutcome refused =
            encryptTwice(key, over, [&asked](const std::string& text, std::size_t bytes) {
                asked.emplace_back(text, bytes);
                return std::size_t{7};
            });
        EXPECT_EQ(asked, (std::vector<std::pair<std::string, std::size_t>>{{over, limit}}));
        ASSERT_TRUE(std::holds_alternative<TextRefused>(refused));
        const auto& refusal = std::get<TextRefused>(refused);
        EXPECT_EQ(refusal.rule, TextRefusal::TextTooLong);
        EXPECT_EQ(refusal.numbers, (std::vector<std::string>{std::to_string(limit), "7"}));
    }
}

// OpenSSL's own OAEP with SHA-256 for digest and MGF1, from the public key
// alone: what any other program would send to the key's owner.
std::string encryptElsewhere(const BigKey& key, const std::string& plain) {
    OSSL_PARAM_BLD* builder = OSSL_PARAM_BLD_new();
    BIGNUM* n = BN_new();
    BIGNUM* e = BN_new();
    BN_dec2bn(&n, decimal(key.n).c_str());
    BN_dec2bn(&e, decimal(key.e).c_str());
    OSSL_PARAM_BLD_push_BN(builder, OSSL_PKEY_PARAM_RSA_N, n);
    OSSL_PARAM_BLD_push_BN(builder, OSSL_PKEY_PARAM_RSA_E, e);
    OSSL_PARAM* params = OSSL_PARAM_BLD_to_param(builder);
    EVP_PKEY_CTX* making = EVP_PKEY_CTX_new_from_name(nullptr, "RSA", nullptr);
    EVP_PKEY* publicKey = nullptr;
    EVP_PKEY_fromdata_init(making);
    EVP_PKEY_fromdata(making, &publicKey, EVP_PKEY_PUBLIC_KEY, params);
    EVP_PKEY_CTX* context = EVP_PKEY_CTX_new_from_pkey(nullptr, publicKey, nullptr);
    EVP_PKEY_encrypt_init(context);
    EVP_PKEY_CTX_set_rsa_padding(context, RSA_PKCS1_OAEP_PADDING);
    EVP_PKEY_CTX_set_rsa_oaep_md(context, EVP_sha256());
    EVP_PKEY_CTX_set_rsa_mgf1_md(context, EVP_sha256());
    std::string cipher(static_cast<std::size_t>(EVP_PKEY_get_size(publicKey)), '\0');
    std::size_t length = cipher.size();
    const bool done =
        EVP_PKEY_encrypt(context, reinterpret_cast<unsigned char*>(cipher.data()), &length,
                         reinterpret_cast<const unsigned char*>(plain.data()), plain.size()) > 0;
    EVP_PKEY_CTX_free(context);
    EVP_PKEY_free(publicKey);
    EVP_PKEY_CTX_free(making);
    OSSL_PARAM_free(params);
    BN_free(e);
    BN_free(n);
    OSSL_PARAM_BLD_free(builder);
    return done ? cipher.substr(0, length) : std::string();
}

TEST(TextCipher, OaepIsTheStandardOneWithSha256) {
    RandomSource random;
    const BigKey key = *generateKey(1024, random, goOn);
    const std::string sentence = "Merhaba dünya, şifreli selamlar!";
    const std::string cipher = encryptElsewhere(key, sentence);
    ASSERT_EQ(cipher.size(), 128u);
    EXPECT_EQ(OaepKey(key).decrypt(cipher), sentence);
}

} // namespace
} // namespace rsa::realsize
