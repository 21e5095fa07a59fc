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

struct Case {
    const char* name;
    std::vector<Step> steps;
    const char* last; // the record of the last step
};

TEST(CommandRecords, ARefusalNamesItsRuleAndTheNumbersItChecked) {
    // The golden scenarios of the step window show the rest of each record;
    // these are the numbers and choices no sentence of it prints.
    const Case cases[] = {
        {"p not prime after a key",
         {key6153, {"4", "53", "17", "", commands::computeKey}},
         "refused notPrime: 4 53 kept other"},
        {"e above phi shares its factor through e mod phi",
         {{"7", "11", "63", "", commands::computeKey}},
         "refused exponentSharesFactor: 63 60 3 kept none"},
        {"a fraction is no exponent, whatever it rounds to",
         {{"61", "53", "7.5", "", commands::computeKey}},
         "refused exponentNotAboveOne: 7.5 kept none"},
        {"a failure is recorded with its number and name",
         {{"2147483647", "2", "5", "", commands::computeKey},
          {"2147483647", "2", "5", "1234", commands::encryptCard}},
         "stopped : Hata 6: Overflow"},
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
