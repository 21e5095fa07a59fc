// Arithmetic, remainder, comparisons and And/Or: each row checks the value
// and the type of the result, or the failure it must raise.

#include "testing/Failures.h"
#include "value/Operations.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace rsa {
namespace {

using Op = std::function<Variant(const Variant&, const Variant&)>;

const Variant empty;
Variant I(std::int16_t v) {
    return Variant::integer(v);
}
Variant L(std::int32_t v) {
    return Variant::longInt(v);
}
Variant S(float v) {
    return Variant::single(v);
}
Variant D(double v) {
    return Variant::doubleValue(v);
}
Variant B(bool v) {
    return Variant::boolean(v);
}
Variant T(const char* v) {
    return Variant::string(v);
}

const Op add = [](const Variant& a, const Variant& b) { return a + b; };
const Op sub = [](const Variant& a, const Variant& b) { return a - b; };
const Op mul = [](const Variant& a, const Variant& b) { return a * b; };
const Op div = [](const Variant& a, const Variant& b) { return a / b; };

struct Row {
    const char* what;
    Op op;
    Variant left;
    Variant right;
    Variant expected;         // when no failure is expected
    std::optional<int> error; // the failure's number
};

void check(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        if (row.error) {
            EXPECT_EQ(testing::failureNumber([&] { row.op(row.left, row.right); }), *row.error);
        } else {
            EXPECT_EQ(row.op(row.left, row.right), row.expected);
        }
    }
}

TEST(VariantArithmetic, ResultsWidenWhenTheyOutgrowTheirType) {
    check({
        {"Integer result that fits", add, I(32766), I(1), I(32767), {}},
        {"Integer past 32767 becomes Long", add, I(32767), I(1), L(32768), {}},
        {"Integer below -32768 becomes Long", sub, I(-32768), I(1), L(-32769), {}},
        {"200 * 200", mul, I(200), I(200), L(40000), {}},
        {"Long result that fits", add, L(2147483646), I(1), L(2147483647), {}},
        {"Long past 2^31 becomes Double", add, L(2147483647), I(1), D(2147483648.0), {}},
        {"50000 * 50000", mul, L(50000), L(50000), D(2.5e9), {}},
        {"Single times Integer", mul, S(7), I(11), S(77), {}},
        {"Single with Long gives Double", mul, S(7), L(11), D(77), {}},
        {"Long with Single gives Double", add, L(1), S(0.5f), D(1.5), {}},
        {"Singles compute in binary32", add, S(16777216.0f), S(1), S(16777216.0f), {}},
        {"Single beyond its range becomes Double", mul, S(3e38f), S(10), D(3e38f * 10.0), {}},
        {"Double beyond its range overflows", mul, D(1e308), I(10), {}, 6},
        {"Double with Integer", sub, D(7), I(1), D(6), {}},
        {"Empty counts as Integer 0", add, empty, I(1), I(1), {}},
        {"Integer times Empty", mul, I(5), empty, I(0), {}},
        {"Empty plus Empty", add, empty, empty, I(0), {}},
        {"True counts as -1", add, B(true), I(1), I(0), {}},
        {"two Strings are joined", add, T(" 12"), T(" 7"), T(" 12 7"), {}},
        {"a numeric String takes part as Double", mul, T("5"), I(2), D(10), {}},
        {"a String that is no number", mul, T("abc"), I(1), {}, 13},
        {"nor is infinity", add, T("inf"), I(1), {}, 13},
        {"String plus number", add, T(" 12"), I(1), D(13), {}},
    });
}

TEST(VariantArithmetic, DivisionIsAlwaysDouble) {
    check({
        {"5 / 2", div, I(5), I(2), D(2.5), {}},
        {"1234 / 100", div, D(1234), I(100), D(12.34), {}},
        {"exact division", div, L(1200), I(100), D(12), {}},
        {"by zero", div, I(1), I(0), {}, 11},
        {"by Empty", div, D(1), empty, {}, 11},
    });
}

TEST(VariantArithmetic, ModRoundsItsOperandsToLongs) {
    const Op mod = [](const Variant& a, const Variant& b) { return Mod(a, b); };
    check({
        {"Integers give an Integer", mod, I(99), I(10), I(9), {}},
        {"99.5 rounds to 100", mod, D(99.5), I(10), L(0), {}},
        {"2.5 rounds to the even 2", mod, D(2.5), I(10), L(2), {}},
        {"3.5 rounds to the even 4", mod, D(3.5), I(10), L(4), {}},
        {"the sign follows the left operand", mod, I(-7), I(3), I(-1), {}},
        {"a negative right operand", mod, I(7), I(-3), I(1), {}},
        {"a Long operand gives a Long", mod, L(40000), I(7), L(40000 % 7), {}},
        {"Empty and Boolean have the Integer rank", mod, empty, B(true), I(0), {}},
        {"the Long minimum by -1", mod, L(-2147483647 - 1), I(-1), L(0), {}},
        {"largest Long", mod, D(2147483647.0), I(10), L(7), {}},
        {"2147483648 overflows", mod, D(2147483648.0), I(7), {}, 6},
        {"2147483647.5 rounds out of range", mod, D(2147483647.5), I(7), {}, 6},
        {"-2147483648.5 rounds into range", mod, D(-2147483648.5), I(10), L(-8), {}},
        {"an overflowing right operand", mod, I(1), D(1e10), {}, 6},
        {"by zero", mod, I(5), I(0), {}, 11},
        {"by 0.4, which rounds to zero", mod, I(5), D(0.4), {}, 11},
    });
}

TEST(VariantComparison, ComparesByValueAcrossTypes) {
    const Variant yes = B(true);
    const Variant no = B(false);
    check({
        {"Long 1 = Integer 1", isEqual, L(1), I(1), yes, {}},
        {"Double 1.0 = Long 1", isEqual, D(1.0), L(1), yes, {}},
        {"Single 0.5 = Double 0.5", isEqual, S(0.5f), D(0.5), yes, {}},
        {"Empty = 0", isEqual, empty, I(0), yes, {}},
        {"Empty < 1", isLess, empty, I(1), yes, {}},
        {"not greater", isGreater, I(2), D(2.5), no, {}},
        {"<= at equality", isLessOrEqual, L(7), S(7), yes, {}},
        {"texts compare as texts", isLess, T("a"), T("b"), yes, {}},
    });
}

TEST(VariantLogic, AConditionHoldsWhenNotZero) {
    EXPECT_TRUE(isTrue(I(-1)));
    EXPECT_FALSE(isTrue(empty));
    EXPECT_TRUE(isTrue(D(0.25)));
}

} // namespace
} // namespace rsa
