// The exchange window's steps for a message of letters: send-text,
// receive-text, sign-text, verify-text, letters, frequencies, save-text and
// open-text. Like the card's steps they type into the window's own boxes,
// click its own buttons and print what it shows.

#include "ExchangeReach.h"
#include "ScriptRunner.h"

#include "exchange/Letters.h"
#include "exchangewindow/ExchangeWindow.h"
#include "exchangewindow/TextPart.h"
#include "texts/ExchangeTexts.h"
#include "window/QtText.h"
#include "window/Translations.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <sstream>

namespace rsa::script {

namespace {

class TextSteps : public ExchangeReach {
public:
    using ExchangeReach::ExchangeReach;

    // The part's sentence: a refusal prints "VERB refused: SENTENCE", any
    // other sentence "VERB note: SENTENCE"; true for a refusal.
    bool printSentence(const char* verb) {
        const auto& sentence = child<QLabel>("exchangeTextSentence");
        if (sentence.property("refused").toBool()) {
            m_runner.out() << verb << " refused: " << fromQt(sentence.text()) << '\n';
            return true;
        }
        if (!sentence.text().isEmpty()) {
            m_runner.out() << verb << " note: " << fromQt(sentence.text()) << '\n';
        }
        return false;
    }

    std::string blocks() {
        return fromQt(child<QPlainTextEdit>("exchangeTextBlocks").toPlainText().trimmed());
    }

    // E N and the rest of the line as one text.
    void typeKey(const std::string& rest, const char* verb, std::string& tail) {
        std::istringstream in(rest);
        std::string e, n;
        if (!(in >> e >> n)) {
            throw StepError{std::string(verb) + " takes E N and a message"};
        }
        std::getline(in >> std::ws, tail);
        child<QLineEdit>("exchangeTextE").setText(toQt(e));
        child<QLineEdit>("exchangeTextN").setText(toQt(n));
    }

    void send(const std::string& rest) {
        std::string message;
        typeKey(rest, "send-text", message);
        child<QLineEdit>("exchangeTextMessage").setText(toQt(message));
        click("exchangeTextSend");
        if (!printSentence("send-text")) {
            m_runner.out() << "send-text: " << blocks() << '\n';
        }
    }

    void printReceived() {
        if (!printSentence("receive-text")) {
            m_runner.out() << "receive-text: "
                           << fromQt(child<QLineEdit>("exchangeTextReceived").text()) << '\n';
        }
    }

    void receive(const std::string& rest) {
        child<QPlainTextEdit>("exchangeTextBlocks").setPlainText(toQt(rest));
        click("exchangeTextReceive");
        printReceived();
    }

    void sign(const std::string& rest) {
        child<QLineEdit>("exchangeTextMessage").setText(toQt(rest));
        click("exchangeTextSign");
        if (!printSentence("sign-text")) {
            m_runner.out() << "sign-text: " << blocks() << '\n';
        }
    }

    // E N MESSAGE | S1 S2 …
    void verify(const std::string& rest) {
        const std::size_t bar = rest.find('|');
        if (bar == std::string::npos) {
            throw StepError{"verify-text takes E N MESSAGE | S1 S2 …"};
        }
        std::string message;
        typeKey(rest.substr(0, bar), "verify-text", message);
        while (!message.empty() && message.back() == ' ') {
            message.pop_back();
        }
        child<QLineEdit>("exchangeTextMessage").setText(toQt(message));
        child<QPlainTextEdit>("exchangeTextBlocks").setPlainText(toQt(rest.substr(bar + 1)));
        click("exchangeTextVerify");
        printVerification();
    }

    void printVerification() {
        const auto& sentence = child<QLabel>("exchangeTextSentence");
        const std::string shown = fromQt(sentence.text());
        if (sentence.property("refused").toBool()) {
            m_runner.out() << "verify-text refused: " << shown << '\n';
        } else if (sentence.text() == translated(texts::exchange::signatureValid)) {
            m_runner.out() << "verify-text: valid\n";
        } else {
            m_runner.out() << "verify-text: invalid: " << shown << '\n';
        }
    }

    void letters() {
        window();
        m_runner.out() << "letters:";
        for (std::size_t code = 0; code < exchange::letterCount; ++code) {
            const std::string letter =
                code == exchange::blankCode ? "blank" : exchange::letters()[code].utf8;
            m_runner.out() << ' ' << letter << '=' << (code < 10 ? "0" : "") << code;
        }
        m_runner.out() << '\n';
    }

    void frequencies() {
        const auto& counts = window().textPart().lastCounts();
        if (counts.empty()) {
            throw StepError{"frequencies needs a received message first"};
        }
        m_runner.out() << "frequencies:";
        for (const auto& [block, count] : counts) {
            m_runner.out() << ' ' << block << '=' << count;
        }
        m_runner.out() << '\n';
        const QString view = child<QLabel>("exchangeTextFrequencies").text();
        for (const QString& line : view.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            m_runner.out() << "frequencies view: " << fromQt(line) << '\n';
        }
    }

    // Saves the last cipher or signature of the part, as its "Kaydet…" does.
    void save(const std::string& rest) {
        auto& answers = m_runner.interaction().files;
        answers.push_back(rest);
        click("exchangeTextSave");
        if (!answers.empty() && answers.back() == rest) {
            answers.pop_back();
        }
        if (!printSentence("save-text") && !window().lastSaved().isEmpty()) {
            m_runner.out() << "saved " << fromQt(window().lastSaved()) << '\n';
        }
    }

    // A .SIG is verified with the key in the part's e and n, any other file
    // received.
    void open(const std::string& rest) {
        const bool signature = rest.size() >= 4 && rest.compare(rest.size() - 4, 4, ".SIG") == 0;
        window().textPart().openFile(toQt(rest));
        ScriptRunner::settle();
        if (signature) {
            printVerification();
        } else {
            printReceived();
        }
    }
};

} // namespace

void addTextSteps(ScriptRunner& runner) {
    auto steps = std::make_shared<TextSteps>(runner);
    const auto add = [&runner, steps](const char* verb,
                                      void (TextSteps::*handler)(const std::string&)) {
        runner.addStep(verb,
                       {[steps, handler](const std::string& rest) { ((*steps).*handler)(rest); }});
    };
    add("send-text", &TextSteps::send);
    add("receive-text", &TextSteps::receive);
    add("sign-text", &TextSteps::sign);
    add("verify-text", &TextSteps::verify);
    add("save-text", &TextSteps::save);
    add("open-text", &TextSteps::open);
    runner.addStep("letters", {[steps](const std::string&) { steps->letters(); }, true});
    runner.addStep("frequencies", {[steps](const std::string&) { steps->frequencies(); }, true});
}

} // namespace rsa::script
