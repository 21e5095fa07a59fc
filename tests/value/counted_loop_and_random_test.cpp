// The counted loop (passes, the counter it leaves, widening) and Rnd.

#include "value/CountedLoop.h"
#include "value/Operations.h"
#include "value/Random.h"

#include <gtest/gtest.h>

#include <set>

namespace rsa {
namespace {

Variant I(std::int16_t v) {
    return Variant::integer(v);
}

TEST(CountedLoop, RunsFromFirstToLastAndLeavesTheCounterBeyond) {
    const struct {
        const char* what;
        Variant first, last, step;
        int passes;
        Variant counterAfter;
    } rows[] = {
        {"1 to 0 runs no pass", I(1), I(0), I(1), 0, I(1)},
        {"an Empty last value runs no pass", I(1), Variant(), I(1), 0, I(1)},
        {"1 to 3", I(1), I(3), I(1), 3, I(4)},
        {"1 to 2.5", I(1), Variant::doubleValue(2.5), I(1), 2, I(3)},
        {"step 10", I(1), I(200), I(10), 20, I(201)},
        {"the counter widens to Long", I(32760), I(32767), I(1), 8, Variant::longInt(32768)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Variant counter;
        int passes = 0;
        countedLoop(counter, row.first, row.last, row.step, [&] { return ++passes < 1000; });
        EXPECT_EQ(passes, row.passes);
        EXPECT_EQ(counter, row.counterAfter);
    }
    Variant counter;
    countedLoop(counter, I(1), I(10), I(1), [&] { return !isTrue(isEqual(counter, I(4))); });
    EXPECT_EQ(counter, I(4)) << "leaving early keeps the counter";
}

TEST(CountedLoop, ClosedFormAgreesWithTheLoop) {
    for (const Variant& last :
         {Variant(), I(0), I(-5), Variant::doubleValue(0.5), I(1), I(17), Variant::doubleValue(2.5),
          I(32766), I(32767), Variant::longInt(32768), Variant::doubleValue(40000.5)}) {
        SCOPED_TRACE(describe(last));
        Variant counter;
        std::uint64_t passes = 0;
        countedLoop(counter, I(1), last, I(1), [&] { return ++passes, true; });
        EXPECT_EQ(unitLoopPasses(last), passes);
        EXPECT_EQ(unitLoopCounterAfter(last), counter);
    }
    EXPECT_EQ(unitLoopCounterAfter(Variant::longInt(2147483647)),
              Variant::doubleValue(2147483648.0));
}

TEST(Rnd, GivesTheSameSinglesInZeroToOneAtEveryStart) {
    RandomSequence first;
    RandomSequence second;
    std::set<float> distinct;
    for (int i = 0; i < 100000; ++i) {
        const Variant value = first.Rnd();
        ASSERT_EQ(value.type(), VariantType::Single);
        ASSERT_GE(value.asSingle(), 0.0f);
        ASSERT_LT(value.asSingle(), 1.0f);
        ASSERT_EQ(value, second.Rnd());
        distinct.insert(value.asSingle());
    }
    EXPECT_GT(distinct.size(), 90000u);
}

} // namespace
} // namespace rsa
