// The helper program's factors multiply back to n at every size up to 100
// bits, a cancel or the limit ends a factorisation without leaving a process
// or a folder behind, and the race reports its points in order and gives a
// size up only when two of its numbers pass the limit.
#include "realsize/Extrapolation.h"
#include "realsize/FactoringRace.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <map>

namespace rsa::realsize {
namespace {

using namespace std::chrono_literals;

const std::atomic<bool> goOn{false};
// The helper as built, beside the module: this test lives elsewhere.
const std::filesystem::path helper = RSA_FACTOR_HELPER;

TEST(Factoring, EverySizeUpTo100BitsFactorsBackIntoItsPrimes) {
    RandomSource random;
    for (int bits = 16; bits <= 100; ++bits) {
        SCOPED_TRACE(bits);
        const BalancedNumber number = balancedNumber(bits, random);
        EXPECT_EQ(mpz_sizeinbase(number.n.get_mpz_t(), 2), static_cast<std::size_t>(bits));
        const Factoring factoring = factorSemiprime(helper, number.n, goOn, 20s);
        ASSERT_EQ(factoring.end, FactoringEnd::Factored);
        EXPECT_EQ(factoring.p, number.p);
        EXPECT_EQ(factoring.q, number.q);
    }
}

TEST(Factoring, OnlyBalancedSizesAndTrueSemiprimesAreAccepted) {
    RandomSource random;
    for (const int bits : {15, 513}) {
        EXPECT_THROW(balancedNumber(bits, random), std::invalid_argument) << bits;
    }
    // FLINT finds one factor of a prime and three of a product of three:
    // neither is two factors whose product is n (3000108000297 = 3 · 1000003 · 1000033).
    for (const char* n : {"1000000007", "3000108000297"}) {
        EXPECT_THROW(factorSemiprime(helper, mpz_class(n), goOn, 20s), std::runtime_error) << n;
    }
    EXPECT_THROW(factorSemiprime(helper.parent_path() / "no-such-helper", mpz_class(15), goOn, 20s),
                 std::runtime_error);
}

// A private temporary folder, so leftovers of the child can be seen.
class FactoringCleanup : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder =
            std::filesystem::temp_directory_path() / ("factoring-test-" + std::to_string(getpid()));
        std::filesystem::create_directories(m_folder);
        setenv("TMPDIR", m_folder.c_str(), 1);
    }
    void TearDown() override {
        unsetenv("TMPDIR");
        std::filesystem::remove_all(m_folder);
    }
    void expectNothingLeft() {
        EXPECT_TRUE(std::filesystem::is_empty(m_folder));
        EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
        EXPECT_EQ(errno, ECHILD);
    }
    std::filesystem::path m_folder;
};

TEST_F(FactoringCleanup, CancelAndLimitEndTheChildPromptly) {
    RandomSource random;
    const mpz_class n = balancedNumber(200, random).n;
    const std::atomic<bool> cancelled{true};
    const Factoring stopped = factorSemiprime(helper, n, cancelled, 20s);
    EXPECT_EQ(stopped.end, FactoringEnd::Cancelled);
    expectNothingLeft();
    const Factoring late = factorSemiprime(helper, n, goOn, 0.2s);
    EXPECT_EQ(late.end, FactoringEnd::TimedOut);
    EXPECT_LT(late.seconds, 1s);
    expectNothingLeft();
}

// Gives the factors the race's numbers were drawn with, saying it took a
// millisecond; a number of `slowBits` takes `slowSeconds` instead the first
// `slowTimes` times.
struct FakeFactorer {
    int slowBits = 0;
    int slowTimes = 0;
    std::chrono::duration<double> slowSeconds{};
    int calls = 0;
    std::map<std::string, BalancedNumber> factors; // by n in decimal

    Factoring operator()(const mpz_class& n, const std::atomic<bool>& cancel,
                         std::chrono::duration<double> limit) {
        ++calls;
        Factoring result;
        result.seconds = 1ms;
        if (static_cast<int>(mpz_sizeinbase(n.get_mpz_t(), 2)) == slowBits && slowTimes > 0) {
            --slowTimes;
            result.seconds = slowSeconds;
        }
        if (cancel.load()) {
            result.end = FactoringEnd::Cancelled;
        } else if (result.seconds > limit) {
            result.end = FactoringEnd::TimedOut;
        } else {
            result.end = FactoringEnd::Factored;
            result.p = factors.at(n.get_str()).p;
            result.q = factors.at(n.get_str()).q;
        }
        return result;
    }
};

class FactoringRace : public ::testing::Test {
protected:
    RaceEnd race(FakeFactorer& fake, const RaceOptions& options, const std::atomic<bool>& cancel,
                 const std::function<void(const RacePoint&)>& also = {}) {
        const auto numbers = [&](int bits) {
            BalancedNumber number = balancedNumber(bits, m_random);
            fake.factors[number.n.get_str()] = number;
            return number;
        };
        return runRace(options, numbers, std::ref(fake), cancel, [&](const RacePoint& point) {
            EXPECT_EQ(point.number.p * point.number.q, point.number.n);
            m_sizes.push_back(point.bits);
            if (also) {
                also(point);
            }
        });
    }
    RandomSource m_random;
    std::vector<int> m_sizes;
};

TEST_F(FactoringRace, PointsComeInOrderUntilTheTargetOrACancel) {
    FakeFactorer fake;
    EXPECT_EQ(race(fake, {56, 20s}, goOn), RaceEnd::Reached);
    EXPECT_EQ(m_sizes, (std::vector<int>{32, 40, 48, 56}));

    m_sizes.clear();
    std::atomic<bool> cancel{false};
    EXPECT_EQ(race(fake, {200, 20s}, cancel, [&](const RacePoint&) { cancel = true; }),
              RaceEnd::Cancelled);
    EXPECT_EQ(m_sizes, std::vector<int>{32});
}

// One number over the limit is an unlucky number; a second one of the same
// size ends the race there, after the points below it.
TEST_F(FactoringRace, ASizeIsGivenUpOnlyWhenTwoOfItsNumbersPassTheLimit) {
    struct Case {
        int slowTimes;
        RaceEnd end;
        std::vector<int> sizes;
        int calls;
    };
    for (const Case& expected : {Case{1, RaceEnd::Reached, {32, 40, 48, 56}, 5},
                                 Case{2, RaceEnd::LimitExceeded, {32, 40}, 4}}) {
        SCOPED_TRACE(expected.slowTimes);
        FakeFactorer fake;
        fake.slowBits = 48;
        fake.slowTimes = expected.slowTimes;
        fake.slowSeconds = 30s;
        m_sizes.clear();
        EXPECT_EQ(race(fake, {56, 20s}, goOn), expected.end);
        EXPECT_EQ(m_sizes, expected.sizes);
        EXPECT_EQ(fake.calls, expected.calls);
    }
}

// The real helper ends the race at the first size when nothing may take time.
TEST(FactoringRaceWithTheHelper, AZeroLimitEndsTheRaceAtOnce) {
    RandomSource random;
    const auto numbers = [&random](int bits) { return balancedNumber(bits, random); };
    const auto factor = [](const mpz_class& n, const std::atomic<bool>& cancel,
                           std::chrono::duration<double> limit) {
        return factorSemiprime(helper, n, cancel, limit);
    };
    int points = 0;
    EXPECT_EQ(runRace({200, 0s}, numbers, factor, goOn, [&](const RacePoint&) { ++points; }),
              RaceEnd::LimitExceeded);
    EXPECT_EQ(points, 0);
}

TEST(Extrapolation, TheRecordScalesByTheSievesGrowth) {
    EXPECT_DOUBLE_EQ(extrapolatedCoreYears(recordBits), recordCoreYears);
    // ln L(2^829) worked out on its own: ln n = 574.62, its cube root 8.313,
    // ln ln n = 6.3537 to the 2/3 is 3.431, times (64/9)^(1/3) = 1.9230.
    EXPECT_NEAR(logGnfsWork(829), 54.84, 0.02);
    // By hand: ln L is about 44.3 at 512 bits and 54.8 at 829, so 512 bits take
    // weeks; the scenario realsize shows the 2048-bit figure.
    EXPECT_LT(extrapolatedCoreYears(512), 1.0);
    EXPECT_GT(extrapolatedCoreYears(512), 0.01);
}

} // namespace
} // namespace rsa::realsize
