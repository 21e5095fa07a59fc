// What each command says it did: the rule that refused it with the numbers it
// checked, the key a refused key computation leaves, the failure that stopped
// it. The step window explains from these records alone, so each rule the
// window's messages stand for must come out as its own record.

#include "cipher/CipherCommands.h"
#include "keys/KeyCommands.h"
#include "operations/CommandRunner.h"
#include "testing/RecordingWindow.h"
#include "value/Conversions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rsa {
namespace {

std::string describe(const CommandRecord& record) {
    static const char* const outcomes[] = {"completed", "refused", "stopped"};
    static const char* const rules[] = {"",
                                        "notPrime",
                                        "equalPrimes",
                                        "exponentNotAboveOne",
                                        "exponentSharesFactor",
                                        "noKey",
                                        "keyForOtherPrimes",
                                        "blockNotBelowModulus",
                                        "noCipherBlocks",
                                        "cipherBlocksOfOtherKey"};
    static const char* const kept[] = {"none", "fits", "other"};
    std::string text = outcomes[static_cast<int>(record.outcome)];
    text += std::string(" ") + rules[static_cast<int>(record.rule)] + ":";
    for (const Variant& number : record.numbers) {
        text += Str(number);
    }
    if (record.command == CommandId::computeKey && record.outcome == Outcome::refused) {
        text += std::string(" kept ") + kept[static_cast<int>(record.keptKey)];
    }
    if (record.outcome == Outcome::stopped) {
        text += " " + runtimeErrorMessage(record.failureNumber, record.failureName);
    }
    return text;
}

// The boxes as typed before a click, and the click.
struct Step {
    const char* p;
    const char* q;
    const char* e;
    const char* group;
    Command command;
};

const Step key6153{"61", "53", "17", "1234", commands::computeKey};
const Step encrypt{"61", "53", "17", "1234", commands::encryptCard};

struct Case {
    const char* name;
    std::vector<Step> steps;
    const char* last; // the record of the last step
};

TEST(CommandRecords, EachRefusalNamesItsRuleAndTheNumbersItChecked) {
    const Case cases[] = {
        {"no key yet", {encrypt}, "refused noKey:"},
        {"the key", {key6153}, "completed :"},
        {"p not prime after a key",
         {key6153, {"4", "53", "17", "", commands::computeKey}},
         "refused notPrime: 4 53 kept other"},
        {"a shared factor keeps the key of these primes",
         {key6153, {"61", "53", "9", "", commands::computeKey}},
         "refused exponentSharesFactor: 9 3120 3 kept fits"},
        {"e above phi shares its factor through e mod phi",
         {{"7", "11", "63", "", commands::computeKey}},
         "refused exponentSharesFactor: 63 60 3 kept none"},
        {"equal primes",
         {{"61", "61", "17", "", commands::computeKey}},
         "refused equalPrimes: 61 kept none"},
        {"an exponent of 1",
         {{"61", "53", "1", "", commands::computeKey}},
         "refused exponentNotAboveOne: 1 kept none"},
        {"a fraction as exponent",
         {{"61", "53", "7.5", "", commands::computeKey}},
         "refused exponentNotAboveOne: 7.5 kept none"},
        {"a key for other primes",
         {key6153,
          {"4", "53", "17", "", commands::computeKey},
          {"4", "53", "17", "1234", commands::encryptCard}},
         "refused keyForOtherPrimes: 61 53 4 53"},
        {"blocks of n or more",
         {{"7", "11", "7", "", commands::computeKey},
          {"7", "11", "7", "9978", commands::encryptCard}},
         "refused blockNotBelowModulus: 77 99 78 99 78 99 78 99 78"},
        {"nothing encrypted",
         {key6153, {"61", "53", "17", "", commands::decryptCard}},
         "refused noCipherBlocks:"},
        {"blocks of another key",
         {key6153,
          encrypt,
          {"61", "53", "7", "", commands::computeKey},
          {"61", "53", "7", "", commands::decryptCard}},
         "refused cipherBlocksOfOtherKey:"},
        {"n beyond 32 bits",
         {{"2147483647", "2", "5", "", commands::computeKey},
          {"2147483647", "2", "5", "1234", commands::encryptCard}},
         "stopped : Hata 6: Overflow"},
        {"divisors listed", {{"2.15", "5", "", "", commands::listPhiDivisors}}, "completed : 1"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        WindowVariables vars;
        testing::RecordingWindow window;
        CommandRecord record;
        for (const Step& step : test.steps) {
            window.typeKey(step.p, step.q, step.e);
            window.typeCard(step.group, step.group, step.group, step.group);
            record = runCommand(step.command, vars, window);
            EXPECT_EQ(record.command, step.command.id);
        }
        EXPECT_EQ(describe(record), test.last);
    }
}

} // namespace
} // namespace rsa
