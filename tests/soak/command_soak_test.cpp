// A long random walk through the window: random texts typed into random
// boxes, random clicks on the nine controls, random answers of the save dialog
// and the browser, with what the user relies on checked after every step.
// The walk is the same at every run (a fixed seed); RSA_SOAK_STEPS and
// RSA_SOAK_SEED change its length and its course.

#include "CommandChecker.h"
#include "controls/ControlTable.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <deque>
#include <iostream>
#include <random>

namespace rsa::soak {
namespace {

long fromEnvironment(const char* name, long fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtol(text, nullptr, 10) : fallback;
}

class RandomInput {
public:
    explicit RandomInput(std::uint64_t seed) : m_random(seed) {}

    std::size_t below(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(m_random);
    }
    bool chance(std::size_t percent) { return below(100) < percent; }
    template <typename T, std::size_t N> const T& pick(const T (&items)[N]) {
        return items[below(N)];
    }

    // Anything a user might type or paste: a text at Val's edges, a mix of
    // number pieces, a very long text or random bytes.
    std::string text() {
        static const char* const pieces[] = {"-", "+", ".", "E", "e-", "&H", "&O", " ", "\t",
                                             "0", "9", "x", "ğ", "ş",  "İ",  "€",  ",", "\n"};
        const std::size_t kind = below(10);
        if (kind < 4) {
            return edgeTexts()[below(edgeTexts().size())];
        }
        std::string text;
        if (kind < 8) {
            for (std::size_t n = 1 + below(4); n > 0; --n) {
                text += chance(50) ? std::to_string(m_random() >> below(64)) : pick(pieces);
            }
        } else if (kind == 8) {
            const std::string piece = chance(50) ? pick(pieces) : std::to_string(below(1000));
            for (std::size_t n = 1000 + below(10000); text.size() < n;) {
                text += piece;
            }
        } else {
            for (std::size_t n = below(20); n > 0; --n) {
                text += static_cast<char>(1 + below(255));
            }
        }
        return text;
    }

    // Mostly primes that make a working key, now and then a near miss.
    std::string primeText() {
        static const char* const numbers[] = {
            "2",  "3",  "5",  "7",  "11", "13", "17",  "19",   "23",    "29",    "31",    "37",
            "41", "43", "47", "53", "59", "61", "67",  "71",   "73",    "79",    "83",    "89",
            "97", "1",  "0",  "4",  "9",  "91", "101", "8191", "65521", "46327", "46337", "46349"};
        static const char* const forms[] = {"", " ", "+", "0"};
        const std::string form = pick(forms); // drawn first, whatever the compiler's order
        std::string text = form + pick(numbers);
        return chance(10) ? text + ".0" : text;
    }

    std::string exponentText() {
        static const char* const special[] = {"65537", "2147483647", "-7", "7.5", "1", "0", ""};
        return chance(15) ? pick(special) : std::to_string(below(300));
    }

    std::string groupText() {
        if (chance(80)) {
            return std::to_string(10000 + below(10000)).substr(1); // four digits, zeros kept
        }
        return chance(50) ? text() : std::to_string(static_cast<long>(below(2000000)) - 1000000);
    }

    std::uint64_t operator()() { return m_random(); }

private:
    std::mt19937_64 m_random;
};

// A typed text as the failure report lists it: long texts cut short.
std::string shortly(const std::string& text) {
    return "\"" + text.substr(0, 40) + (text.size() > 40 ? "\"..." : "\"");
}

struct Click {
    const char* control;
    std::size_t weight;
};
constexpr Click clicks[] = {
    {"cmdPrime", 3}, {"Command1", 8},    {"Command2", 6},    {"cmdHesapla", 12}, {"cmdenc", 12},
    {"cmddec", 10},  {"mnuItemSave", 5}, {"mnuExitItem", 1}, {"mnuRsaItem", 2},
};

TEST(CommandSoak, RandomUseKeepsEveryPromiseOfTheWindow) {
    const long steps = fromEnvironment("RSA_SOAK_STEPS", 100000);
    RandomInput random(static_cast<std::uint64_t>(fromEnvironment("RSA_SOAK_SEED", 20240611)));
    WindowVariables vars;
    testing::RecordingWindow window;
    ScratchFolder scratch(std::filesystem::temp_directory_path() /
                          ("rsa-soak-" + std::to_string(::getpid())));
    CommandChecker checker(vars, window, scratch);
    std::size_t totalWeight = 0;
    for (const Click& click : clicks) {
        totalWeight += click.weight;
    }

    std::deque<std::string> trail;
    for (long step = 0; step < steps; ++step) {
        std::string problem;
        const std::size_t action = random.below(100);
        if (action < 30) {
            const auto box = static_cast<TextBox>(random.below(textBoxCount));
            window.boxes[box] = random.text();
            trail.push_back(std::string("type ") + std::string(controlOf(box).name) + " " +
                            shortly(window.boxes[box]));
        } else if (action < 38) {
            window.boxes[TextBox::txtP] = random.primeText();
            window.boxes[TextBox::txtQ] = random.primeText();
            window.boxes[TextBox::txtpublic] = random.exponentText();
            trail.push_back("type key " + shortly(window.boxes[TextBox::txtP]) + " " +
                            shortly(window.boxes[TextBox::txtQ]) + " " +
                            shortly(window.boxes[TextBox::txtpublic]));
        } else if (action < 46) {
            std::string typed = "type card";
            for (TextBox box : {TextBox::txt1, TextBox::txt2, TextBox::txt3, TextBox::txt4}) {
                window.boxes[box] = random.groupText();
                typed += " " + shortly(window.boxes[box]);
            }
            trail.push_back(typed);
        } else {
            std::size_t choice = random.below(totalWeight);
            const Click* click = clicks;
            for (; choice >= click->weight; ++click) {
                choice -= click->weight;
            }
            std::string answer;
            if (click->control == std::string_view("mnuItemSave") && random.chance(90)) {
                const auto kind = static_cast<DialogAnswer>(random.below(dialogAnswerKinds));
                window.fileAnswers.push_back(scratch.answer(kind, unsigned(random())));
                answer =
                    " answering " + (window.fileAnswers.back() ? shortly(*window.fileAnswers.back())
                                                               : std::string("cancel"));
            }
            if (click->control == std::string_view("mnuRsaItem") && random.chance(75)) {
                window.browserAnswers.push_back(random.chance(60) ? std::optional(random.text())
                                                                  : std::nullopt);
                answer = window.browserAnswers.back() ? " failing" : " opening";
            }
            trail.push_back(std::string("click ") + click->control + answer);
            problem = checker.click(click->control);
        }
        if (trail.size() > 12) {
            trail.pop_front();
        }
        if (!problem.empty()) {
            std::string steps;
            for (const std::string& line : trail) {
                steps += "\n  " + line;
            }
            FAIL() << "step " << step << ": " << problem << "\nlast steps:" << steps;
        }
    }

    const CommandChecker::Tally& seen = checker.tally();
    std::cout << steps << " steps: " << seen.primeListings << " prime listings, "
              << seen.randomPairs << " random pairs, " << seen.keysMade << " keys, "
              << seen.roundTrips << " round trips, " << seen.refusals << " refusals, "
              << seen.runtimeErrors << " run-time failures, " << seen.savesWritten << "/"
              << seen.savesRefused << "/" << seen.savesCancelled
              << " saves written/refused/cancelled\n";
    if (steps >= 20000) {
        // Otherwise the walk would have checked little of what it claims to.
        for (long count :
             {seen.primeListings, seen.randomPairs, seen.keysMade, seen.roundTrips, seen.refusals,
              seen.runtimeErrors, seen.savesWritten, seen.savesRefused, seen.savesCancelled}) {
            EXPECT_GT(count, steps / 2000);
        }
    }
}

} // namespace
} // namespace rsa::soak
