// The key set-up commands against the recording window: what they store,
// what they write and which messages they show, in which order.

#include "keys/KeyCommands.h"
#include "numbers/NumberRoutines.h"
#include "testing/RecordingWindow.h"
#include "texts/Texts.h"
#include "value/Conversions.h"
#include "operations/CommandRunner.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace rsa {
namespace {

using testing::RecordingWindow;
using Texts = std::vector<std::string>;

struct KeyCommands : ::testing::Test {
    WindowVariables vars;
    RecordingWindow window;

    void computeKeys(const std::string& p, const std::string& q, const std::string& e) {
        window.typeKey(p, q, e);
        runCommand(&computeKey, vars, window);
    }
};

TEST_F(KeyCommands, RefusalsKeepTheOldKeyAndWriteNothing) {
    computeKeys("7", "11", "7");
    const int writes = window.writes;
    computeKeys("8", "9", "7");
    EXPECT_EQ(window.messageTexts(), (Texts{texts::pNotPrime, texts::qNotPrime}));
    computeKeys("7", "7", "7");
    EXPECT_EQ(window.messageTexts().back(), texts::primesMustDiffer);
    for (const char* exponent : {"", "abc", "0", "1", "-7", "7.5", "9", "6", "60", "120"}) {
        SCOPED_TRACE(exponent);
        window.messages.clear();
        computeKeys("7", "11", exponent);
        EXPECT_EQ(window.messageTexts(), Texts{texts::badExponent});
        EXPECT_EQ(window.writes, writes);
        EXPECT_EQ(vars.e, Val(exponent));
        EXPECT_EQ(vars.eAccepted, Variant::doubleValue(7));
        EXPECT_EQ(vars.d, Variant::integer(43));
        EXPECT_EQ(window.boxes[TextBox::txtPrivate], " 43");
    }
}

TEST_F(KeyCommands, RandomPairsAreDifferentPrimesWithATwoDigitProduct) {
    window.boxes[TextBox::txtpublic] = "kept";
    std::set<std::pair<float, float>> pairs;
    WindowVariables secondRun;
    RecordingWindow secondWindow;
    for (int click = 0; click < 2000; ++click) {
        drawPrimePair(vars, window);
        ASSERT_EQ(vars.p.type(), VariantType::Single);
        ASSERT_EQ(vars.q.type(), VariantType::Single);
        const float p = vars.p.asSingle();
        const float q = vars.q.asSingle();
        ASSERT_LT(p, q);
        ASSERT_GE(p * q, 100.0f);
        ASSERT_TRUE(isPrime(vars.p).asBoolean() && isPrime(vars.q).asBoolean());
        ASSERT_EQ(window.boxes[TextBox::txtP], Str(vars.p));
        ASSERT_EQ(window.boxes[TextBox::txtQ], Str(vars.q));
        pairs.insert({p, q});
        drawPrimePair(secondRun, secondWindow);
        ASSERT_EQ(secondRun.p, vars.p) << "every run draws the same series";
        ASSERT_EQ(secondRun.q, vars.q);
    }
    // 25 primes give 300 pairs; all but (2,3), (2,5)...(7,13) have products of 100 or more.
    EXPECT_GT(pairs.size(), 250u);
    EXPECT_EQ(window.boxes[TextBox::txtpublic], "kept");
}

// The divisors the one-by-one search would find: i from 1 while i <= m, where
// m Mod i rounds m to a whole number.
std::string searchedDivisors(double m) {
    const double whole = std::nearbyint(m);
    std::string list;
    double i = 1;
    do {
        if (std::fmod(whole, i) == 0) {
            list += Str(Variant::doubleValue(i));
        }
        ++i;
    } while (i <= m);
    return list;
}

TEST_F(KeyCommands, ListsEveryDivisorOfPMinusOneTimesQMinusOne) {
    window.boxes[TextBox::txtcarpan] = "typed";
    window.boxes[TextBox::txtP] = "7";
    window.boxes[TextBox::txtQ] = "11";
    listPhiDivisors(vars, window);
    listPhiDivisors(vars, window);
    EXPECT_EQ(window.boxes[TextBox::txtcarpan],
              "typed 1 2 3 4 5 6 10 12 15 20 30 60 1 2 3 4 5 6 10 12 15 20 30 60");
    EXPECT_EQ(vars.p, Variant::doubleValue(7));

    for (double p = -3; p <= 40; p += 0.5) {
        for (double q : {0.0, 1.0, 2.0, 3.0, 3.5, 7.0, 12.25, 73.0}) {
            SCOPED_TRACE(std::to_string(p) + " " + std::to_string(q));
            window.boxes[TextBox::txtcarpan].clear();
            window.boxes[TextBox::txtP] = Str(Variant::doubleValue(p));
            window.boxes[TextBox::txtQ] = Str(Variant::doubleValue(q));
            listPhiDivisors(vars, window);
            ASSERT_EQ(window.boxes[TextBox::txtcarpan], searchedDivisors((p - 1) * (q - 1)));
        }
    }

    window.boxes[TextBox::txtP] = "71";
    window.boxes[TextBox::txtQ] = "73";
    window.boxes[TextBox::txtcarpan].clear();
    listPhiDivisors(vars, window);
    EXPECT_EQ(window.boxes[TextBox::txtcarpan], searchedDivisors(70 * 72));

    window.boxes[TextBox::txtP] = "50000";
    window.boxes[TextBox::txtQ] = "50000";
    runCommand(&listPhiDivisors, vars, window);
    EXPECT_EQ(window.messageTexts(), Texts{runtimeErrorMessage(6, "Overflow")});
    EXPECT_EQ(window.boxes[TextBox::txtcarpan], searchedDivisors(70 * 72));
    EXPECT_EQ(vars.p, Variant::doubleValue(50000));
}

} // namespace
} // namespace rsa
