// Encryption and decryption of the card number against the recording window,
// with the keys made by the key computation.

#include "cipher/BlockCipher.h"
#include "cipher/CipherCommands.h"
#include "keys/KeyCommands.h"
#include "numbers/NumberRoutines.h"
#include "testing/RecordingWindow.h"
#include "texts/Texts.h"
#include "operations/CommandRunner.h"

#include <gtest/gtest.h>

#include <numeric>

#include <random>

namespace rsa {
namespace {

using testing::RecordingWindow;
using Texts = std::vector<std::string>;

struct Cipher : ::testing::Test {
    WindowVariables vars;
    RecordingWindow window;

    void makeKey(const std::string& p, const std::string& q, const std::string& e) {
        window.typeKey(p, q, e);
        runCommand(&computeKey, vars, window);
        ASSERT_TRUE(window.messages.empty()) << window.messages.front().text;
    }
    void encrypt() { runCommand(&encryptCard, vars, window); }
    void decrypt() { runCommand(&decryptCard, vars, window); }
    std::string& shown(TextBox box) { return window.boxes[box]; }
};

TEST_F(Cipher, FailuresLeaveTheOutputBoxAlone) {
    makeKey("61", "53", "17");
    window.typeCard("1234", "99999999999", "9012", "3456");
    encrypt();
    EXPECT_EQ(window.messageTexts(), Texts{runtimeErrorMessage(6, "Overflow")});
    EXPECT_EQ(vars.m[0], Variant::doubleValue(12)) << "blocks split before the failure stay";
    EXPECT_TRUE(vars.c[0].isEmpty());
    EXPECT_EQ(shown(TextBox::txtdecmsj), "");

    window.typeCard("1234", "5678", "9012", "3456");
    encrypt();
    vars.p = Variant::doubleValue(0); // the key no longer belongs to p
    decrypt();
    EXPECT_EQ(window.messageTexts().back(), texts::computeKeyFirst);
    EXPECT_EQ(shown(TextBox::decrypttxt), "");
}

// Left-to-right binary powering, independent of the program's right-to-left
// one; for a non-negative base and a modulus below 2^31.
std::int64_t independentPower(std::int64_t base, std::uint64_t exponent, std::int64_t modulus) {
    std::int64_t result = 1;
    for (int bit = 63; bit >= 0; --bit) {
        result = result * result % modulus;
        if ((exponent >> bit) & 1) {
            result = result * base % modulus;
        }
    }
    return result;
}

TEST_F(Cipher, EveryBlockComesBackWithAnyKeyInTheLongRange) {
    std::mt19937 random(12345);
    auto randomPrime = [&](std::uint32_t low, std::uint32_t high) {
        for (;;) {
            const std::uint32_t n = std::uniform_int_distribution<std::uint32_t>(low, high)(random);
            if (isPrimeNumber(n)) {
                return n;
            }
        }
    };
    std::vector<std::pair<std::uint32_t, std::uint32_t>> pairs = {
        {46327, 46337}, {61, 53}, {2, 67}};
    for (int i = 0; i < 150; ++i) {
        const std::uint32_t p = randomPrime(2, 46000);
        pairs.push_back({p, randomPrime(100 / p + 1, 2147483647u / p)});
    }
    for (auto [p, q] : pairs) {
        if (p == q) {
            continue;
        }
        const std::uint64_t phi = std::uint64_t(p - 1) * (q - 1);
        std::uint64_t e = std::uniform_int_distribution<std::uint64_t>(2, 2147483647)(random);
        while (std::gcd(e, phi) != 1) {
            ++e;
        }
        SCOPED_TRACE(std::to_string(p) + " " + std::to_string(q) + " " + std::to_string(e));
        makeKey(std::to_string(p), std::to_string(q), std::to_string(e));
        const std::int64_t n = std::int64_t(p) * q;
        const int maxGroup = n >= 100 * 100 ? 9999 : n > 99 ? 99 : 9;
        std::string groups[4];
        for (std::string& group : groups) {
            group = std::to_string(std::uniform_int_distribution<int>(0, maxGroup)(random));
        }
        window.typeCard(groups[0], groups[1], groups[2], groups[3]);
        encrypt();
        decrypt();
        ASSERT_TRUE(window.messages.empty()) << window.messages.front().text;
        for (std::size_t k = 0; k < 8; ++k) {
            const std::int64_t block = vars.m[k].toLongRounded();
            ASSERT_EQ(vars.c[k],
                      Variant::longInt(static_cast<std::int32_t>(independentPower(block, e, n))));
            ASSERT_EQ(vars.r[k], Variant::longInt(static_cast<std::int32_t>(block)));
        }
    }
}

TEST(RepeatedPower, MatchesMultiplyingOneStepAtATime) {
    for (std::int32_t block : {-40, -7, -1, 0, 1, 2, 12, 99, 1234}) {
        for (std::int32_t modulus : {-35, 1, 2, 35, 3233}) {
            std::int64_t accumulator = 1;
            for (std::int16_t passes = 1; passes <= 40; ++passes) {
                accumulator = accumulator * block % modulus;
                ASSERT_EQ(blockPower(Variant::longInt(block), Variant::integer(passes),
                                        Variant::longInt(modulus)),
                          Variant::longInt(static_cast<std::int32_t>(accumulator)))
                    << block << "^" << passes << " mod " << modulus;
            }
        }
    }
    EXPECT_EQ(blockPower(Variant::doubleValue(0.005), Variant::integer(3), Variant::integer(35)),
              Variant::longInt(0));
    EXPECT_EQ(blockPower(Variant::longInt(5), Variant(), Variant::integer(0)),
              Variant::integer(1));
}

} // namespace
} // namespace rsa
