// Arithmetic, remainder and comparisons: each row checks the value and the
// type of the result, or the failure it must raise. The counted loop's closed
// form is checked against running the loop.

#include "testing/Failures.h"
#include "value/CountedLoop.h"
#include "value/Operations.h"

#include <gtest/gtest.h>

#include <functional>

namespace rsa {
namespace {

using Op = std::function<Variant(const Variant&, const Variant&)>;

const Variant empty;
const auto I = [](std::int16_t v) { return Variant::integer(v); };
const auto L = [](std::int32_t v) { return Variant::longInt(v); };
const auto S = [](float v) { return Variant::single(v); };
const auto D = [](double v) { return Variant::doubleValue(v); };
const auto T = [](const char* v) { return Variant::string(v); };
const Variant yes = Variant::boolean(true);

const Op add = [](const Variant& a, const Variant& b) { return a + b; };
const Op sub = [](const Variant& a, const Variant& b) { return a - b; };
const Op mul = [](const Variant& a, const Variant& b) { return a * b; };
const Op div = [](const Variant& a, const Variant& b) { return a / b; };
const Op mod = [](const Variant& a, const Variant& b) { return Mod(a, b); };

struct Row {
    Op op;
    Variant left;
    Variant right;
    Variant expected; // Empty when the operation fails
    int error = 0;    // the failure's number
};

TEST(VariantOperations, GiveTheValueAndTypeOfTheWideningRules) {
    const Row rows[] = {
        {add, I(32766), I(1), I(32767)},
        {add, I(32767), I(1), L(32768)},
        {add, L(2147483646), I(1), L(2147483647)},
        {add, L(2147483647), I(1), D(2147483648.0)},
        {mul, S(7), I(11), S(77)},
        {mul, S(7), L(11), D(77)},
        {add, L(1), S(0.5f), D(1.5)},
        {add, S(16777216.0f), S(1), S(16777216.0f), {}}, // computed in binary32
        {mul, S(3e38f), S(10), D(3e38f * 10.0)},
        {mul, D(1e308), I(10), {}, 6},
        {sub, D(7), I(1), D(6)},
        {add, empty, I(1), I(1)},
        {add, yes, I(1), I(0)},
        {mul, I(2), T(" 3"), D(6)},
        {add, T(" 12"), T(" 7"), T(" 12 7")},
        {mul, T(" 5 "), I(2), D(10)},
        {mul, T("abc"), I(1), {}, 13},
        {add, T("inf"), I(1), {}, 13},
        {div, I(5), I(2), D(2.5)},
        {div, D(1), empty, {}, 11},
        {div, D(1e308), D(0.1), {}, 6},
        // Mod rounds to Longs, ties to even, and keeps the left operand's sign.
        {mod, I(99), I(10), I(9)},
        {mod, D(99.5), I(10), L(0)},
        {mod, D(2.5), I(10), L(2)},
        {mod, I(-7), I(3), I(-1)},
        {mod, empty, yes, I(0)},
        {mod, L(-2147483647 - 1), I(-1), L(0)},
        {mod, D(-2147483648.5), I(10), L(-8)},
        {mod, D(2147483647.5), I(7), {}, 6},
        {mod, I(5), D(0.4), {}, 11},
        {isEqual, L(1), I(1), yes},
        {isLess, empty, I(1), yes},
        {isGreater, I(2), D(2.5), Variant::boolean(false)},
        {isLessOrEqual, L(7), S(7), yes},
        {isLess, T("b"), T("a"), Variant::boolean(false)},
    };
    for (const Row& row : rows) {
        Variant result;
        EXPECT_EQ(testing::failureNumber([&] { result = row.op(row.left, row.right); }), row.error);
        EXPECT_EQ(result, row.expected) << describe(row.left) << " " << describe(row.right);
    }
}

TEST(CountedLoop, ClosedFormAgreesWithRunningTheLoop) {
    for (const Variant& last :
         {Variant(), I(0), I(-5), D(0.5), I(1), D(2.5), I(32766), I(32767), L(32768), D(40000.5)}) {
        SCOPED_TRACE(describe(last));
        Variant counter;
        std::uint64_t passes = 0;
        countedLoop(counter, I(1), last, I(1), [&] { return ++passes, true; });
        EXPECT_EQ(unitLoopPasses(last), passes);
        EXPECT_EQ(unitLoopCounterAfter(last), counter);
    }
    EXPECT_EQ(unitLoopCounterAfter(L(2147483647)), D(2147483648.0));
}

} // namespace
} // namespace rsa
