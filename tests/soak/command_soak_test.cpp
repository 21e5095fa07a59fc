// A long random walk through the window, taken in step by the real Qt window
// (offscreen) and by the recording window: random texts typed into random
// boxes, clicks on the nine controls, random answers of the save dialog and
// the browser. After every click both hold the same texts and messages (so
// nothing but a run-time failure escaped a command, or the recording window's
// command would have thrown where the real window shows "Beklenmeyen hata"),
// the page address is kept once a page was opened, a random pair is two
// different primes up to 100 with a product of 100 or more, and a key made
// decrypts the blocks it encrypted. A fifth of the steps are whole lessons
// (a key, an encryption, its decryption), so the round trip is checked about
// two thousand times. The walk is the same at every run;
// RSA_SOAK_STEPS and RSA_SOAK_SEED change it.

#include "cipher/CipherCommands.h"
#include "controls/ControlTable.h"
#include "explain/Explanation.h"
#include "keys/KeyCommands.h"
#include "menu/MenuCommands.h"
#include "numbers/NumberRoutines.h"
#include "operations/CommandRunner.h"
#include "testing/QtApplication.h"
#include "testing/RecordingWindow.h"
#include "texts/Texts.h"
#include "window/MainWindow.h"

#include <QAbstractButton>
#include <QAction>

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <random>

namespace rsa {
namespace {

namespace fs = std::filesystem;

long fromEnvironment(const char* name, long fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtol(text, nullptr, 10) : fallback;
}

TEST(CommandSoak, TheQtWindowKeepsThePromisesOfTheCommandsUnderRandomUse) {
    std::mt19937_64 random(static_cast<std::uint64_t>(fromEnvironment("RSA_SOAK_SEED", 20240611)));
    const auto below = [&](std::size_t n) { return std::size_t(random() % n); };
    const auto pick = [&](const auto& items) {
        return std::string(items[below(std::size(items))]);
    };
    static const char* const primes[] = {"2", "3", "17", "53", "61", "89", "97", "46327", "46337"};
    static const char* const pieces[] = {"-",  "+", ".", "E", "e-", "&H", "&o", " ",     "\t",
                                         "\n", "x", "ğ", "€", "中", "😀",  "0",  "1e400", "32768"};
    const fs::path folder = fs::temp_directory_path() / ("rsa-soak-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const std::shared_ptr<void> removeFolder(nullptr, [&](void*) { fs::remove_all(folder); });
    const std::string in = folder.string() + "/";
    const std::optional<std::string> fileAnswers[] = {std::nullopt, "", in + "şifre metni.ENC",
                                                      in + "yok/kart.ENC", in};
    // What each of the nine controls runs, written out so that the window's wiring is checked too.
    const std::pair<std::string_view, Command> controls[] = {
        {"cmdPrime", commands::listPrimes},        {"Command1", commands::drawPrimePair},
        {"Command2", commands::listPhiDivisors},   {"cmdHesapla", commands::computeKey},
        {"cmdenc", commands::encryptCard},         {"cmddec", commands::decryptCard},
        {"mnuItemSave", commands::saveCipherText}, {"mnuExitItem", commands::exitProgram},
        {"mnuRsaItem", commands::openAboutPage}};

    WindowVariables vars;
    testing::RecordingWindow fake;
    // The real window, with what waits for the user answered as the recording window answers.
    testing::RecordingWindow answers;
    MainWindow real(answers);
    const auto type = [&](TextBox box, const std::string& text) {
        fake.writeText(box, text);
        real.writeText(box, text);
    };
    // p, q, eAccepted and d of the last key made, and the blocks a key so made encrypted.
    using Key = std::array<Variant, 4>;
    std::optional<Key> made;
    std::optional<std::pair<Key, std::array<Variant, 8>>> encrypted;
    long roundTrips = 0;
    // Clicks a control in both windows and checks that they agree and that
    // the command kept its promises.
    const auto click = [&](std::string_view control, Command command) {
        SCOPED_TRACE(std::string(control));
        answers.fileAnswers = fake.fileAnswers = {fileAnswers[below(std::size(fileAnswers))]};
        answers.browserAnswers =
            fake.browserAnswers = {below(2) ? std::optional("yok") : std::nullopt};
        answers.messages = fake.messages = {};
        const CommandRecord record = runCommand(command, vars, fake);
        // The step window explains whatever the command left behind.
        ASSERT_NO_THROW(explain::explainCommand(record, vars));
        const QString objectName = QString::fromLatin1(control.data(), qsizetype(control.size()));
        if (auto* button = real.findChild<QAbstractButton*>(objectName)) {
            button->click();
        } else {
            real.findChild<QAction*>(objectName)->trigger();
        }

        for (int box = 0; box < textBoxCount; ++box) {
            ASSERT_EQ(real.readText(TextBox(box)), fake.readText(TextBox(box))) << box;
        }
        // The real window always names the caption; the commands leave it to the window.
        for (auto& message : fake.messages) {
            message.title = message.title.value_or(texts::applicationTitle);
        }
        ASSERT_EQ(answers.messages, fake.messages);
        const bool refused = !fake.messages.empty();
        ASSERT_EQ(vars.Explorer.empty(), fake.openedPages.empty());
        const Key current = {vars.p, vars.q, vars.eAccepted(), vars.d};
        if (control == "Command1") {
            const float p = vars.p.asSingle(), q = vars.q.asSingle();
            ASSERT_TRUE(p < q && q <= 100 && p * q >= 100 && isPrime(vars.p).asBoolean() &&
                        isPrime(vars.q).asBoolean());
        } else if (control == "cmdHesapla" && !refused) {
            made = current;
        } else if (control == "cmdenc" && !refused) {
            encrypted.reset();
            if (made == current) {
                encrypted.emplace(current, vars.m);
            }
        } else if (control == "cmddec" && !refused && encrypted && encrypted->first == current) {
            for (std::size_t k = 0; k < 8; ++k) {
                ASSERT_EQ(vars.r[k].toNumber(), encrypted->second[k].toLongRounded()) << k;
            }
            ++roundTrips;
        }
    };
    const auto typeLesson = [&] {
        type(TextBox::txtP, pick(primes));
        type(TextBox::txtQ, pick(primes));
        type(TextBox::txtpublic, below(2) ? pick(primes) : std::to_string(random() % 2147483647));
        for (TextBox box : {TextBox::txt1, TextBox::txt2, TextBox::txt3, TextBox::txt4}) {
            type(box, std::to_string(10000 + below(10000)).substr(1));
        }
    };
    const long steps = fromEnvironment("RSA_SOAK_STEPS", 20000);
    for (long step = steps; step > 0; --step) {
        SCOPED_TRACE(std::to_string(step) + " steps before the end");
        const std::size_t action = below(10);
        if (action < 3) {
            std::string text;
            for (std::size_t n = below(5); n > 0; --n) {
                text += below(3) == 0 ? std::to_string(random() >> below(64))
                        : below(2)    ? pick(primes)
                                      : pick(pieces);
            }
            type(TextBox(below(textBoxCount)), below(100) ? text : text + std::string(5000, '9'));
        } else if (action < 4) {
            typeLesson();
        } else if (action < 6) {
            // A whole lesson: a key, an encryption and its decryption, so
            // that the round trip is checked hundreds of times.
            typeLesson();
            for (std::size_t control : {3, 4, 5}) {
                click(controls[control].first, controls[control].second);
            }
        } else {
            const auto [control, command] = controls[below(std::size(controls))];
            click(control, command);
        }
        if (HasFatalFailure()) {
            return;
        }
    }
    // Most lessons draw a key that works; the walk must really go round.
    EXPECT_GE(roundTrips, steps / 20);
}

} // namespace
} // namespace rsa
