// The exchange window's steps (--mesajlasma): exchange, mykey, newkey,
// usekey, send, receive, receive-file, sign, verify, save-blocks and
// exchange-type. Each
// types into the window's own boxes and clicks its own buttons, then prints
// what the window shows. The window opens with the main window when the
// launch asks for it, or at the first of these steps.

#include "ExchangeReach.h"
#include "ScriptRunner.h"

#include "exchangewindow/ExchangeWindow.h"
#include "texts/ExchangeTexts.h"
#include "window/QtText.h"
#include "window/Translations.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <sstream>
#include <vector>

namespace rsa::script {

namespace {

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> found;
    for (std::string word; in >> word;) {
        found.push_back(word);
    }
    return found;
}

class ExchangeSteps : public ExchangeReach {
public:
    using ExchangeReach::ExchangeReach;

    void type(const char* box, const std::string& text) {
        child<QLineEdit>(box).setText(toQt(text));
    }

    void typeBlocks(const char* box, const std::string& text) {
        child<QPlainTextEdit>(box).setPlainText(toQt(text));
    }

    // Prints "VERB: RESULT" or "VERB refused: SENTENCE", as the part's
    // sentence tells.
    bool printRefusal(const char* verb, const char* messageName) {
        const auto& message = child<QLabel>(messageName);
        if (!message.property("refused").toBool()) {
            return false;
        }
        m_runner.out() << verb << " refused: " << fromQt(message.text()) << '\n';
        return true;
    }

    std::string shown(const char* box) { return fromQt(child<QLineEdit>(box).text().trimmed()); }

    std::string shownBlocks(const char* box) {
        return fromQt(child<QPlainTextEdit>(box).toPlainText().trimmed());
    }

    void open(const std::string& rest) {
        if (!rest.empty()) {
            throw StepError{
                "exchange takes no options; launch --mesajlasma OPTIONS opens it with them"};
        }
        window();
        m_runner.out() << "exchange: open\n";
    }

    void myKey() {
        const std::optional<exchange::KeyPair>& key = window().myKey();
        if (!key) {
            m_runner.out() << "mykey: none\n";
            return;
        }
        m_runner.out() << "mykey: p=" << key->p << " q=" << key->q << " e=" << key->e
                       << " d=" << key->d << " n=" << key->n << '\n';
    }

    void newKey(const std::string& rest) {
        std::vector<std::string> given = words(rest);
        // Without a range, the window's default one.
        if (given.empty()) {
            given.push_back(std::to_string(exchange::keyRanges[exchange::defaultKeyRange]));
        }
        std::size_t range = exchange::keyRanges.size();
        for (std::size_t k = 0; k < exchange::keyRanges.size(); ++k) {
            if (given[0] == std::to_string(exchange::keyRanges[k])) {
                range = k;
            }
        }
        if (given.size() > 2 || range == exchange::keyRanges.size()) {
            throw StepError{"newkey takes a range (100, 1000 or 46340) and an optional e"};
        }
        child<QComboBox>("exchangeRange").setCurrentIndex(static_cast<int>(range));
        type("exchangeExponent", given.size() == 2 ? given[1] : "");
        click("exchangeNewKey");
        if (!printRefusal("newkey", "exchangeKeyMessage")) {
            myKey();
        }
    }

    void useKey() { click("exchangeUseKey"); }

    void send(const std::string& rest) {
        const std::vector<std::string> given = words(rest);
        if (given.size() < 3) {
            throw StepError{"send takes E N CARD"};
        }
        type("exchangeSendE", given[0]);
        type("exchangeSendN", given[1]);
        std::string card = given[2];
        for (std::size_t k = 3; k < given.size(); ++k) {
            card += ' ' + given[k];
        }
        type("exchangeSendCard", card);
        click("exchangeSend");
        if (!printRefusal("send", "exchangeSendMessage")) {
            m_runner.out() << "send: " << shownBlocks("exchangeCipher") << '\n';
        }
    }

    void printReceived() {
        if (printRefusal("receive", "exchangeReceiveMessage")) {
            return;
        }
        const QString note = child<QLabel>("exchangeReceiveMessage").text();
        if (!note.isEmpty()) {
            m_runner.out() << "receive note: " << fromQt(note) << '\n';
        }
        m_runner.out() << "receive: " << shown("exchangeReceivedCard") << '\n';
    }

    void receive(const std::string& rest) {
        typeBlocks("exchangeReceived", rest);
        click("exchangeReceive");
        printReceived();
    }

    void receiveFile(const std::string& rest) {
        window().receiveFile(toQt(rest));
        ScriptRunner::settle();
        printReceived();
    }

    void sign(const std::string& rest) {
        type("exchangeSignCard", rest);
        click("exchangeSign");
        if (!printRefusal("sign", "exchangeSignMessage")) {
            m_runner.out() << "sign: " << shownBlocks("exchangeSignature") << '\n';
        }
    }

    // E N CARD S1 ... S8, the card as sixteen digits or four groups.
    void verify(const std::string& rest) {
        const std::vector<std::string> given = words(rest);
        if (given.size() < 3) {
            throw StepError{"verify takes E N CARD S1 ... S8"};
        }
        const std::size_t cardWords = given[2].size() == 16 || given.size() < 6 ? 1 : 4;
        std::string card;
        std::string signature;
        for (std::size_t k = 2; k < given.size(); ++k) {
            std::string& into = k < 2 + cardWords ? card : signature;
            into += (into.empty() ? "" : " ") + given[k];
        }
        type("exchangeVerifyE", given[0]);
        type("exchangeVerifyN", given[1]);
        type("exchangeVerifyCard", card);
        typeBlocks("exchangeVerifySignature", signature);
        click("exchangeVerify");
        if (printRefusal("verify", "exchangeVerifyMessage")) {
            return;
        }
        const QString answer = child<QLabel>("exchangeVerifyMessage").text();
        if (answer == translated(texts::exchange::signatureValid)) {
            m_runner.out() << "verify: valid\n";
        } else {
            m_runner.out() << "verify: invalid: " << fromQt(answer) << '\n';
        }
    }

    // BOX TEXT: TEXT typed key by key, as at the keyboard; "\n" in it is the
    // Enter key. Prints what the part's boxes then hold.
    void typeKeys(const std::string& rest) {
        const std::size_t blank = rest.find(' ');
        const std::string box = rest.substr(0, blank);
        std::string typed = blank == std::string::npos ? "" : rest.substr(blank + 1);
        static const std::vector<std::pair<std::string, const char*>> boxes = {
            {"send-e", "exchangeSendE"},
            {"send-n", "exchangeSendN"},
            {"verify-e", "exchangeVerifyE"},
            {"verify-n", "exchangeVerifyN"},
            {"blocks", "exchangeReceived"}};
        const auto found = std::find_if(boxes.begin(), boxes.end(),
                                        [&box](const auto& entry) { return entry.first == box; });
        if (found == boxes.end() || typed.empty()) {
            throw StepError{"exchange-type takes a box (send-e, send-n, verify-e, verify-n or "
                            "blocks) and a text"};
        }
        QWidget* target = window().findChild<QWidget*>(QString::fromLatin1(found->second));
        target->setFocus();
        for (std::size_t at = 0; at < typed.size();) {
            const std::size_t enter = typed.find("\\n", at);
            QTest::keyClicks(target, toQt(typed.substr(at, enter - at)));
            if (enter == std::string::npos) {
                break;
            }
            QTest::keyClick(target, Qt::Key_Return);
            at = enter + 2;
        }
        ScriptRunner::settle();
        if (box == "blocks") {
            m_runner.out() << "exchange-type: blocks=" << shownBlocks("exchangeReceived") << '\n';
            return;
        }
        const bool send = box.rfind("send", 0) == 0;
        m_runner.out() << "exchange-type: e=" << shown(send ? "exchangeSendE" : "exchangeVerifyE")
                       << " n=" << shown(send ? "exchangeSendN" : "exchangeVerifyN") << '\n';
    }

    // A name ending in .SIG saves the signature, as the signing part's
    // "Kaydet…" does; any other the cipher blocks.
    void saveBlocks(const std::string& rest) {
        const bool signature = rest.size() >= 4 && rest.compare(rest.size() - 4, 4, ".SIG") == 0;
        auto& answers = m_runner.interaction().files;
        answers.push_back(rest);
        click(signature ? "exchangeSaveSignature" : "exchangeSaveCipher");
        // With nothing to save the dialog never opened; its answer must not
        // wait for a later one.
        if (!answers.empty() && answers.back() == rest) {
            answers.pop_back();
        }
        if (!printRefusal("save-blocks",
                          signature ? "exchangeSignMessage" : "exchangeSendMessage") &&
            !window().lastSaved().isEmpty()) {
            m_runner.out() << "saved " << fromQt(window().lastSaved()) << '\n';
        }
    }
};

} // namespace

void addExchangeSteps(ScriptRunner& runner) {
    auto exchange = std::make_shared<ExchangeSteps>(runner);
    const auto add = [&runner, exchange](const char* verb,
                                         void (ExchangeSteps::*handler)(const std::string&)) {
        runner.addStep(
            verb, {[exchange, handler](const std::string& rest) { ((*exchange).*handler)(rest); }});
    };
    add("exchange", &ExchangeSteps::open);
    add("newkey", &ExchangeSteps::newKey);
    add("send", &ExchangeSteps::send);
    add("receive", &ExchangeSteps::receive);
    add("receive-file", &ExchangeSteps::receiveFile);
    add("sign", &ExchangeSteps::sign);
    add("verify", &ExchangeSteps::verify);
    add("save-blocks", &ExchangeSteps::saveBlocks);
    add("exchange-type", &ExchangeSteps::typeKeys);
    runner.addStep("mykey", {[exchange](const std::string&) { exchange->myKey(); }, true});
    runner.addStep("usekey", {[exchange](const std::string&) { exchange->useKey(); }, true});
}

} // namespace rsa::script
