#pragma once

// The exchange window ("Mesajlaşma"), opened beside the main window with
// --mesajlasma: one learner publishes a public key (e, n), a classmate
// encrypts a card number for it, the first decrypts it; the first signs, the
// classmate verifies. Its key is the one the main window last accepted, or a
// fresh pair from the system's random source. It only renders what the
// exchange library computes and wires the clicks; a refusal is one sentence
// inside the window, never a message box. The save dialog and failed saves go
// through the main window's UserInteraction, so the driver answers them.
// Each act is explained through the sink it is given (the step window's,
// under --adim-adim): the square-and-multiply table of every block, or the
// refusal.

#include "exchange/Blocks.h"
#include "exchange/ExchangeKey.h"
#include "exchange/Refusal.h"
#include "explain/Section.h"
#include "window/MainWindow.h"

#include <QString>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <string>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace rsa {

class ExchangeWindow : public QWidget {
    Q_OBJECT

public:
    explicit ExchangeWindow(MainWindow& main, explain::SectionSink explain = {});

    // Wide enough for every part without a horizontal scroll bar, and tall
    // enough for the sentences the parts add.
    QSize sizeHint() const override;

    const std::optional<exchange::KeyPair>& myKey() const { return m_myKey; }

    // What the open buttons do once their dialog has a file: the blocks of a
    // .ENC are received, a .SIG fills the verification. A refused file
    // changes nothing but the sentence.
    void receiveFile(const QString& path);
    void openSignatureFile(const QString& path);

    // The path last written by a save, empty when the last save failed or
    // was cancelled.
    const QString& lastSaved() const { return m_lastSaved; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The key part across the top, the four acts below it in two columns, or
    // all in one column when the window is narrower than two.
    void arrange(bool oneColumn);
    QWidget* buildKeyPart();
    QWidget* buildSendPart();
    QWidget* buildReceivePart();
    QWidget* buildSignPart();
    QWidget* buildVerifyPart();

    void followMainWindow(const CommandRecord& record);
    void showKey(const QString& origin);
    void drawKey();
    void useKeyInMainWindow();
    void copyPublicKey();
    void send();
    void receive();
    void receiveBlocks(const exchange::Result<exchange::ReceivedBlocks>& blocks);
    void sign();
    void verify();
    void saveCipher();
    void saveSignature();
    void openReceiveDialog();
    void openSignatureDialog();
    bool save(const char* filter, const std::string& bytes);
    void refuse(QLabel* where, const exchange::Refusal& refusal, const char* act);
    void explain(explain::Section section);

    MainWindow& m_main;
    explain::SectionSink m_explain;
    QWidget* m_content;
    QGridLayout* m_grid;
    std::array<QWidget*, 5> m_parts{};
    bool m_oneColumn = false;
    int m_twoColumnWidth = 0;
    std::optional<exchange::KeyPair> m_myKey;
    std::optional<exchange::KeyPair> m_drawnKey;
    exchange::RandomSource m_random;
    std::optional<std::string> m_cipherBytes;    // of the last encryption
    std::optional<std::string> m_signatureBytes; // of the last signature
    QString m_lastSaved;

    QLabel* m_keyOrigin;
    QLabel* m_keyNumbers;
    QLabel* m_publicKey;
    QComboBox* m_range;
    QLineEdit* m_exponent;
    QPushButton* m_useKey;
    QLabel* m_keyMessage;
    QLineEdit* m_sendE;
    QLineEdit* m_sendN;
    QLineEdit* m_sendCard;
    QPlainTextEdit* m_cipher;
    QLabel* m_sendMessage;
    QPlainTextEdit* m_received;
    QLineEdit* m_receivedCard;
    QLabel* m_receiveMessage;
    QLineEdit* m_signCard;
    QPlainTextEdit* m_signature;
    QLabel* m_signMessage;
    QLineEdit* m_verifyE;
    QLineEdit* m_verifyN;
    QLineEdit* m_verifyCard;
    QPlainTextEdit* m_verifySignature;
    QLabel* m_verifyMessage;
    QLabel* m_verifyWhy;
};

} // namespace rsa
