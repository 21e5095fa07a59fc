// Makes the README's pictures: the worked example carried out through the
// window's own buttons, then the window as the screen shows it. The program's
// options may follow the file name: --lang en for the English window,
// --adim-adim for both windows side by side, --mesajlasma for the exchange
// window beside the main one after a card was sent, received, signed and
// verified with the worked example's key and the word "MERHABA" sent,
// --gercek-boyut for the real-size window after a 2048-bit key, the contrast
// for the README's sentence and the race past 200 bits, --alistirma KOD for
// the exercise window alone, part-way through its task (one answer right, one
// wrong, one hint), --saldirilar for the attacks window beside the main one
// after Wiener's attack on its example.

#include "attackswindow/AttacksWindow.h"
#include "companions/Companions.h"
#include "exchangewindow/ExchangeWindow.h"
#include "exchangewindow/TextPart.h"
#include "exercise/Exercise.h"
#include "exercisewindow/ExerciseWindow.h"
#include "realsizewindow/KeyPanel.h"
#include "realsizewindow/RacePanel.h"
#include "realsizewindow/RealSizeWindow.h"
#include "realsizewindow/TextPanel.h"
#include "stepwindow/StepWindow.h"
#include "window/LaunchOptions.h"
#include "window/MainWindow.h"
#include "window/Translations.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>

#include <cstdio>
#include <variant>

namespace {

// The race's last point is the one that ran past its limit, or this size.
constexpr int raceBits = 232;

template <typename Part> bool waitUntilFinished(Part& part, int seconds) {
    QSignalSpy finished(&part, &Part::finished);
    return finished.count() > 0 || finished.wait(seconds * 1000);
}

int realSizePicture(rsa::Companions& beside, const QString& output) {
    const std::variant<QWidget*, QString> loaded = beside.realSize();
    if (const QString* reason = std::get_if<QString>(&loaded)) {
        std::fprintf(stderr, "%s\n", qPrintable(*reason));
        return 1;
    }
    // The module's window; this tool links the same code. The README shows
    // it alone, at the size it would like rather than beside the main window.
    auto& window = *static_cast<rsa::RealSizeWindow*>(std::get<QWidget*>(loaded));
    window.setGeometry(QRect(QPoint(0, 0), window.sizeHint()));
    if (!QTest::qWaitForWindowExposed(&window)) {
        return 1;
    }
    window.keys().generate(2048);
    if (!waitUntilFinished(window.keys(), 60)) {
        return 1;
    }
    window.text().encrypt(QStringLiteral("Merhaba dünya, şifreli selamlar!"));
    if (!waitUntilFinished(window.text(), 60)) {
        return 1;
    }
    window.race().start(raceBits);
    if (!waitUntilFinished(window.race(), 600)) {
        return 1;
    }
    QTest::qWait(300);
    const QPixmap picture = window.screen()->grabWindow(0).copy(window.frameGeometry());
    return picture.save(output) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png [OPTIONS]\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeAt(1);
    const rsa::LaunchOptions options = rsa::readLaunchOptions(arguments);
    rsa::useLanguage(options.language);
    if (options.exitCode) {
        return rsa::printEnding(options, arguments);
    }
    rsa::MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return 1;
    }
    rsa::Companions beside(window);
    if (options.realSize) {
        return realSizePicture(beside, QString::fromLocal8Bit(argv[1]));
    }
    rsa::StepWindow* steps = options.stepByStep ? &beside.openSteps() : nullptr;
    if (steps != nullptr && !QTest::qWaitForWindowExposed(steps)) {
        return 1;
    }
    using rsa::TextBox;
    window.writeText(TextBox::txtP, "61");
    window.writeText(TextBox::txtQ, "53");
    window.writeText(TextBox::txtpublic, "17");
    window.writeText(TextBox::txt1, "1234");
    window.writeText(TextBox::txt2, "5678");
    window.writeText(TextBox::txt3, "9012");
    window.writeText(TextBox::txt4, "3456");
    // The clicks go through the window's buttons, so that the step window
    // hears of each command as it would from a learner; the focus stays where
    // it was, as in the picture of the window alone.
    QWidget* focused = QApplication::focusWidget();
    for (const char* button : {"cmdPrime", "Command2", "cmdHesapla", "cmdenc", "cmddec"}) {
        QTest::mouseClick(window.findChild<QWidget*>(QLatin1String(button)), Qt::LeftButton);
    }
    if (focused != nullptr) {
        focused->setFocus();
    }
    rsa::ExchangeWindow* exchange = nullptr;
    if (options.exchange) {
        exchange = &beside.exchange();
        if (!QTest::qWaitForWindowExposed(exchange)) {
            return 1;
        }
        const auto type = [&exchange](const char* box, const char* text) {
            exchange->findChild<QLineEdit*>(QLatin1String(box))->setText(QString::fromUtf8(text));
        };
        const auto click = [&exchange](const char* button) {
            QTest::mouseClick(exchange->findChild<QWidget*>(QLatin1String(button)), Qt::LeftButton);
        };
        // A classmate's public key and card, then what came back to this
        // learner, and a signature checked with this learner's public key.
        type("exchangeSendE", "17");
        type("exchangeSendN", "3233");
        type("exchangeSendCard", "0042 1000 2024 0007");
        click("exchangeSend");
        exchange->findChild<QPlainTextEdit*>(QStringLiteral("exchangeReceived"))
            ->setPlainText(QStringLiteral("1730 180 1794 3165 1668 1730 180 1794"));
        click("exchangeReceive");
        type("exchangeSignCard", "1234 5678 9012 3456");
        click("exchangeSign");
        type("exchangeVerifyE", "17");
        type("exchangeVerifyN", "3233");
        type("exchangeVerifyCard", "1234 5678 9012 3456");
        exchange->findChild<QPlainTextEdit*>(QStringLiteral("exchangeVerifySignature"))
            ->setPlainText(QStringLiteral("2761 3192 2970 2316 2339 2761 3192 2970"));
        click("exchangeVerify");
        // A word sent to a classmate's key of one letter a block, scrolled
        // down to the sentence on equal letters once the layout has settled.
        type("exchangeTextE", "7");
        type("exchangeTextN", "143");
        type("exchangeTextMessage", "MERHABA");
        click("exchangeTextSend");
        QTest::qWait(200);
        auto* scroll = exchange->findChild<QScrollArea*>();
        const auto* sentence =
            exchange->findChild<QWidget*>(QStringLiteral("exchangeTextSentence"));
        scroll->ensureVisible(
            0, sentence->mapTo(scroll->widget(), QPoint(0, sentence->height())).y(), 0, 8);
    }
    rsa::AttacksWindow* attacks = nullptr;
    if (options.attacks) {
        attacks = &beside.attacks();
        if (!QTest::qWaitForWindowExposed(attacks)) {
            return 1;
        }
        // Wiener's attack on the lesson's key: the convergents and the bound.
        auto* list = attacks->findChild<QComboBox*>(QStringLiteral("attackList"));
        list->setCurrentIndex(list->findData(QStringLiteral("wiener")));
        QTest::mouseClick(attacks->findChild<QWidget*>(QStringLiteral("attackRun")),
                          Qt::LeftButton);
    }
    if (steps) {
        // The key: the Euclid table for 17 and 3120, ending in d = 2753.
        steps->scrollToSection(2);
    }
    if (options.exercise.open) {
        rsa::ExerciseWindow* exercise = &beside.openExercise(options.exercise);
        if (!QTest::qWaitForWindowExposed(exercise)) {
            return 1;
        }
        const rsa::exercise::Task& task = exercise->current()->task();
        const auto answer = [&](const char* name, std::int64_t value, const char* button) {
            exercise->findChild<QLineEdit*>(QLatin1String("answer_") + QLatin1String(name))
                ->setText(QString::number(value));
            QTest::mouseClick(
                exercise->findChild<QPushButton*>(QLatin1String(button) + QLatin1String(name)),
                Qt::LeftButton);
        };
        answer("n", task.n(), "check_");
        answer("phi", task.n() - 1, "check_");
        QTest::mouseClick(exercise->findChild<QPushButton*>(QStringLiteral("hint_d")),
                          Qt::LeftButton);
        QTest::qWait(300);
        const QPixmap picture = exercise->screen()->grabWindow(0).copy(exercise->frameGeometry());
        return picture.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
    }
    QTest::qWait(300);
    QRect area = window.frameGeometry();
    if (steps) {
        area = area.united(steps->frameGeometry());
    }
    if (exchange != nullptr) {
        area = area.united(exchange->frameGeometry());
    }
    if (attacks != nullptr) {
        area = area.united(attacks->frameGeometry());
    }
    const QPixmap picture = window.screen()->grabWindow(0).copy(area);
    return picture.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
