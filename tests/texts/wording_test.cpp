// The one filler of the catalogue's slots, and a refusal worded through its
// rule's sentence in a translator's language.

#include "texts/Wording.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace rsa::texts {
namespace {

TEST(Wording, SlotsFilledOtherBracesKept) {
    struct Row {
        const char* name;
        const char* pattern;
        std::vector<std::string> arguments;
        const char* filled;
    };
    const Row rows[] = {
        {"reordered and repeated", "{1} ve {0}, yine {1}", {"a", "b"}, "b ve a, yine b"},
        {"an argument no slot uses", "n = {0}", {"3233", "17"}, "n = 3233"},
        {"two digits", "{10}.", {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "on"}, "on."},
        {"braces that are no slot", "{x} {} { {0} }", {"a"}, "{x} {} { a }"},
        {"a slot's text is not read again", "{0}{1}", {"{1}", "b"}, "{1}b"},
        {"no slot at all", "Kaydedildi", {}, "Kaydedildi"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(fill(row.pattern, row.arguments), row.filled) << row.name;
    }
}

TEST(Wording, ASlotWithoutAnArgumentThrows) {
    EXPECT_THROW(fill("{0} ve {1}", {"a"}), std::logic_error);
    EXPECT_THROW(fill("{0}", {}), std::logic_error);
    EXPECT_THROW(word(nullptr), std::logic_error);
}

enum class Rule { First, Second };

const char* ruleSentence(Rule rule) {
    return rule == Rule::First ? "Blok {0} büyük" : "Yok";
}

std::string english(const char* text) {
    return std::string(text) == "Blok {0} büyük" ? "Block {0} is too large" : text;
}

TEST(Wording, ARefusalIsItsRulesSentenceTranslatedThenFilled) {
    EXPECT_EQ(word(Refusal<Rule>{Rule::First, {"8"}}), "Blok 8 büyük");
    EXPECT_EQ(word(Refusal<Rule>{Rule::First, {"8"}}, &english), "Block 8 is too large");
    EXPECT_THROW(word(Refusal<Rule>{Rule::First, {}}), std::logic_error);
}

} // namespace
} // namespace rsa::texts
