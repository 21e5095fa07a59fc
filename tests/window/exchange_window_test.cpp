// What the golden scenarios cannot see of the exchange window: the key it
// follows and the one it hands the main window (with the main window's fixed
// random sequence untouched), the large public key and its copy, a cancelled
// save and a .SIG file opened for verification, results a refusal clears, a
// key line pasted, a huge paste, and the real file dialogs.

#include "companions/Companions.h"
#include "exchange/ExchangeFiles.h"
#include "exchangewindow/ExchangeWindow.h"
#include "stepwindow/StepWindow.h"
#include "testing/AnswerQueue.h"
#include "testing/QtApplication.h"
#include "texts/ExchangeTexts.h"
#include "window/QtInteraction.h"
#include "window/Translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace rsa {
namespace {

class AnsweringInteraction final : public UserInteraction {
public:
    std::deque<std::optional<std::string>> files;
    std::vector<std::string> messages;

    void showMessage(const std::string& text, const std::optional<std::string>&) override {
        messages.push_back(text);
    }
    std::optional<std::string> chooseFileToRead(const std::string&) override {
        return testing::takeFirst(files);
    }
    std::optional<std::string> chooseFileToWrite(const std::string&, const std::string&) override {
        return testing::takeFirst(files);
    }
    std::optional<std::string> openWebPage(const std::string&) override { return std::nullopt; }
    void endProgram() override {}
};

struct Windows {
    AnsweringInteraction interaction;
    MainWindow main{interaction};
    ExchangeWindow exchange{main};

    Windows() {
        main.show();
        exchange.show();
    }
    template <typename T> T* find(const char* name) {
        T* found = exchange.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(const char* name) { QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton); }
    void clickMain(const char* name) {
        QTest::mouseClick(main.findChild<QAbstractButton*>(QString::fromLatin1(name)),
                          Qt::LeftButton);
    }
    void computeMainKey(const char* p, const char* q, const char* e) {
        main.writeText(TextBox::txtP, p);
        main.writeText(TextBox::txtQ, q);
        main.writeText(TextBox::txtpublic, e);
        clickMain("cmdHesapla");
    }
    QString label(const char* name) { return find<QLabel>(name)->text(); }
};

bool sameKey(const exchange::KeyPair& a, const exchange::KeyPair& b) {
    return a.p == b.p && a.q == b.q && a.e == b.e && a.d == b.d && a.n == b.n;
}

// The key computed in the main window is shown large and copied; a cancelled
// save writes nothing; its signature file, opened, fills the verification.
TEST(ExchangeWindow, FollowsTheMainWindowsKeyAndReadsBackItsSignatureFile) {
    Windows windows;
    EXPECT_EQ(windows.label("exchangeKeyOrigin"), translated(texts::exchange::noKeyYet));
    EXPECT_TRUE(windows.label("exchangePublicKey").isEmpty());
    windows.computeMainKey("61", "53", "17");
    EXPECT_EQ(windows.label("exchangePublicKey"), QStringLiteral("e = 17   n = 3233"));
    EXPECT_GE(windows.find<QLabel>("exchangePublicKey")->font().pointSizeF(),
              2 * windows.exchange.font().pointSizeF());
    windows.click("exchangeCopyKey");
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("e = 17   n = 3233"));

    // A refused exponent leaves the main window's key, and so this one.
    windows.computeMainKey("61", "53", "6");
    ASSERT_TRUE(windows.exchange.myKey());
    EXPECT_TRUE(sameKey(*windows.exchange.myKey(), {61, 53, 17, 2753, 3233}));
    EXPECT_EQ(windows.interaction.messages, std::vector<std::string>{"hatalı giriş"});

    windows.find<QLineEdit>("exchangeSignCard")->setText(QStringLiteral("0012 3400 0000 0099"));
    windows.click("exchangeSign");
    windows.interaction.files.push_back(std::nullopt);
    windows.click("exchangeSaveSignature");
    EXPECT_TRUE(windows.exchange.lastSaved().isEmpty());
    EXPECT_EQ(windows.interaction.messages.size(), 1u);
    const std::string path = ::testing::TempDir() + "exchange-window.SIG";
    windows.interaction.files.push_back(path);
    windows.click("exchangeSaveSignature");
    ASSERT_EQ(windows.exchange.lastSaved().toStdString(), path);

    windows.exchange.openSignatureFile(QString::fromStdString(path));
    EXPECT_EQ(windows.find<QLineEdit>("exchangeVerifyCard")->text(),
              QStringLiteral("0012 3400 0000 0099"));
    EXPECT_EQ(windows.find<QPlainTextEdit>("exchangeVerifySignature")->toPlainText(),
              windows.find<QPlainTextEdit>("exchangeSignature")->toPlainText());
    // The signer's public key is typed, not part of the file.
    EXPECT_TRUE(windows.find<QLabel>("exchangeVerifyMessage")->property("refused").toBool());
    windows.find<QLineEdit>("exchangeVerifyE")->setText(QStringLiteral("17"));
    windows.find<QLineEdit>("exchangeVerifyN")->setText(QStringLiteral("3233"));
    windows.click("exchangeVerify");
    EXPECT_EQ(windows.label("exchangeVerifyMessage"), translated(texts::exchange::signatureValid));
    EXPECT_EQ(windows.label("exchangeVerifyWhy"), translated(texts::exchange::whySignatureProves));

    // A file that is not a signature changes nothing but the sentence.
    std::ofstream(path, std::ios::binary) << " 1 2 3 4 5 6 7 8\r\n";
    windows.exchange.openSignatureFile(QString::fromStdString(path));
    EXPECT_EQ(windows.find<QLineEdit>("exchangeVerifyCard")->text(),
              QStringLiteral("0012 3400 0000 0099"));
    EXPECT_TRUE(windows.find<QLabel>("exchangeVerifyMessage")->property("refused").toBool());
    std::filesystem::remove(path);
}

TEST(ExchangeWindow, DrawnKeyGoesIntoTheMainWindowWithoutTouchingItsRandomSequence) {
    Windows windows;
    windows.computeMainKey("61", "53", "17");
    RandomSequence untouched = windows.main.variables().random;
    windows.find<QComboBox>("exchangeRange")->setCurrentIndex(1);
    windows.find<QLineEdit>("exchangeExponent")->setText(QStringLiteral("65537"));
    windows.click("exchangeNewKey");
    ASSERT_TRUE(windows.exchange.myKey());
    const exchange::KeyPair drawn = *windows.exchange.myKey();
    EXPECT_LE(drawn.q, 1000u);
    EXPECT_EQ(drawn.e, 65537u);

    // Another command of the main window, which holds a key of its own,
    // keeps the drawn key.
    windows.clickMain("cmdPrime");
    EXPECT_TRUE(sameKey(*windows.exchange.myKey(), drawn));

    windows.click("exchangeUseKey");
    // The main window computes its key from the boxes the button fills.
    EXPECT_EQ(windows.main.readText(TextBox::txtPrivate), " " + std::to_string(drawn.d));
    const std::optional<exchange::KeyPair> mainKey =
        exchange::keyFromWindow(windows.main.variables());
    ASSERT_TRUE(mainKey);
    EXPECT_TRUE(sameKey(*mainKey, drawn));
    EXPECT_TRUE(sameKey(*windows.exchange.myKey(), drawn));

    RandomSequence& sequence = windows.main.variables().random;
    for (int draw = 0; draw < 10; ++draw) {
        EXPECT_EQ(sequence.Rnd(), untouched.Rnd());
    }
}

// A fresh pair is explained with its Euclid table, which ends in the d the
// window shows; the golden scenarios never print a drawn pair.
TEST(ExchangeWindow, FreshKeyIsExplainedInTheStepWindow) {
    AnsweringInteraction interaction;
    MainWindow main(interaction);
    Companions beside(main);
    const StepWindow& steps = beside.openSteps();
    ExchangeWindow& exchange = beside.exchange();
    QTest::mouseClick(exchange.findChild<QAbstractButton*>(QStringLiteral("exchangeNewKey")),
                      Qt::LeftButton);
    ASSERT_TRUE(exchange.myKey());
    const exchange::KeyPair key = *exchange.myKey();
    const std::vector<std::string> lines = steps.plainTextLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "=== Mesajlaşma – bana özel anahtar ===");
    const std::string drawn = "p = " + std::to_string(key.p) + " ve q = " + std::to_string(key.q);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.rfind(drawn, 0) == 0;
    })) << drawn;
    EXPECT_NE(std::find(lines.begin(), lines.end(), "d |  |  |  | " + std::to_string(key.d)),
              lines.end());
}

// A refusal clears the result it replaces, so that neither the screen nor
// "Kaydet…" offers the old one as this action's.
TEST(ExchangeWindow, RefusalClearsTheResultItReplaces) {
    Windows windows;
    windows.computeMainKey("61", "53", "17");
    auto* card = windows.find<QLineEdit>("exchangeSignCard");
    card->setText(QStringLiteral("1234 5678 9012 3456"));
    windows.click("exchangeSign");
    EXPECT_FALSE(windows.find<QPlainTextEdit>("exchangeSignature")->toPlainText().isEmpty());
    card->setText(QStringLiteral("1234"));
    windows.click("exchangeSign");
    EXPECT_TRUE(windows.find<QPlainTextEdit>("exchangeSignature")->toPlainText().isEmpty());
    windows.click("exchangeSaveSignature");
    EXPECT_EQ(windows.label("exchangeSignMessage"), translated(texts::exchange::nothingToSave));

    auto* received = windows.find<QPlainTextEdit>("exchangeReceived");
    received->setPlainText(QStringLiteral("1730 180 1794 3165 1668 1730 180 1794"));
    windows.click("exchangeReceive");
    EXPECT_EQ(windows.find<QLineEdit>("exchangeReceivedCard")->text(),
              QStringLiteral("1234 5678 9012 3456"));
    received->setPlainText(QStringLiteral("1730 180 1773 3165 1668 1730 180 1794"));
    windows.click("exchangeReceive");
    EXPECT_TRUE(windows.find<QLineEdit>("exchangeReceivedCard")->text().isEmpty());
}

// A key line pasted into the e box fills both boxes at once. Typed key by key
// it waits for Enter: the golden scenario exchange_lesson and the desktop test
// exchange_type_key_line type it.
TEST(ExchangeWindow, KeyLineIsReadWhenPasted) {
    Windows windows;
    auto* e = windows.find<QLineEdit>("exchangeSendE");
    auto* n = windows.find<QLineEdit>("exchangeSendN");
    QApplication::clipboard()->setText(QStringLiteral("n = 3233, e = 17"));
    e->paste();
    EXPECT_EQ(e->text() + ' ' + n->text(), QStringLiteral("17 3233"));
}

// 200 KB pasted into the block box, or one piece of a million characters,
// is left out at once and told; a long row of blocks is taken and read.
TEST(ExchangeWindow, HugePasteIsHandledAtOnce) {
    Windows windows;
    auto* received = windows.find<QPlainTextEdit>("exchangeReceived");
    const QString row = QString(QStringLiteral("1234 ")).repeated(3900);
    for (const QString& pasted : {QString(QStringLiteral("1234 ")).repeated(40000),
                                  QString(1000000, QLatin1Char('x')), row}) {
        QElapsedTimer clock;
        clock.start();
        QApplication::clipboard()->setText(pasted);
        received->clear();
        received->paste();
        windows.click("exchangeReceive");
        QApplication::processEvents();
        EXPECT_LT(clock.elapsed(), 100) << pasted.size();
        EXPECT_LT(windows.label("exchangeReceiveMessage").size(), 200);
        EXPECT_EQ(received->toPlainText().isEmpty(), pasted != row);
    }
}

// Through Qt's own dialogs: a name typed without extension is saved with
// .ENC, and the open dialog that follows starts in the same folder and
// offers every file too.
TEST(ExchangeWindow, SaveAddsTheExtensionAndDialogsKeepTheFolder) {
    QWidget parent;
    QtInteraction dialogs(parent);
    MainWindow main(dialogs);
    ExchangeWindow exchange(main);
    exchange.show();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    exchange.findChild<QLineEdit*>(QStringLiteral("exchangeSendE"))->setText(QStringLiteral("17"));
    exchange.findChild<QLineEdit*>(QStringLiteral("exchangeSendN"))
        ->setText(QStringLiteral("3233"));
    exchange.findChild<QLineEdit*>(QStringLiteral("exchangeSendCard"))
        ->setText(QStringLiteral("1234 5678 9012 3456"));
    QTest::mouseClick(exchange.findChild<QAbstractButton*>(QStringLiteral("exchangeSend")),
                      Qt::LeftButton);
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->setDirectory(folder.path());
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(QStringLiteral("kart"));
        QTest::keyClick(name, Qt::Key_Return);
    });
    QTest::mouseClick(exchange.findChild<QAbstractButton*>(QStringLiteral("exchangeSaveCipher")),
                      Qt::LeftButton);
    EXPECT_EQ(exchange.lastSaved(), folder.filePath(QStringLiteral("kart.ENC")));
    EXPECT_TRUE(QFileInfo::exists(folder.filePath(QStringLiteral("kart.ENC"))));

    QString openedIn;
    QStringList offered;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            openedIn = dialog->directory().absolutePath();
            offered = dialog->nameFilters();
            dialog->reject();
        }
    });
    QTest::mouseClick(exchange.findChild<QAbstractButton*>(QStringLiteral("exchangeOpenCipher")),
                      Qt::LeftButton);
    EXPECT_EQ(openedIn, QDir(folder.path()).absolutePath());
    ASSERT_EQ(offered.size(), 2);
    EXPECT_TRUE(offered[1].endsWith(QStringLiteral("(*)"))) << offered[1].toStdString();
}

} // namespace
} // namespace rsa
