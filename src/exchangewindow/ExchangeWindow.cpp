#include "exchangewindow/ExchangeWindow.h"

#include "exchange/ExchangeFiles.h"
#include "exchange/Messages.h"
#include "explain/ExchangeExplanation.h"
#include "texts/ExchangeTexts.h"
#include "window/PlainTextBox.h"
#include "window/QtText.h"
#include "window/Translations.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace rsa {

namespace {

namespace text = texts::exchange;
using namespace exchange;

QPushButton* button(const char* caption, const char* name, QWidget* parent) {
    auto* made = new QPushButton(translated(caption), parent);
    made->setObjectName(QString::fromLatin1(name));
    return made;
}

QLineEdit* edit(const char* name, QWidget* parent, bool readOnly = false) {
    auto* made = new QLineEdit(parent);
    made->setObjectName(QString::fromLatin1(name));
    made->setReadOnly(readOnly);
    return made;
}

// Eight blocks of up to ten digits do not fit a line of a half-window part;
// they wrap over three lines, so that a learner can read all of them out.
// They wrap between words only: Qt's fallback of breaking anywhere inside a
// long word lays out a long paste in seconds.
QPlainTextEdit* blockBox(const char* name, QWidget* parent, bool readOnly = false) {
    auto* made = new PlainTextBox(parent);
    made->setObjectName(QString::fromLatin1(name));
    made->setReadOnly(readOnly);
    made->setTabChangesFocus(true);
    made->setWordWrapMode(QTextOption::WordWrap);
    made->setFixedHeight(made->fontMetrics().lineSpacing() * 3 + 12);
    return made;
}

// A pasted text longer than any row of blocks a learner hands on is left
// out of a block box and told under its part, so the window never spends
// seconds laying out a pasted page.
constexpr qsizetype mostPasted = 20000;

void limitPastes(QPlainTextEdit* box, QLabel* message) {
    static_cast<PlainTextBox*>(box)->limitPastes(mostPasted, [message](qsizetype length) {
        message->setText(
            filled(text::pasteTooLong, {QString::number(length), QString::number(mostPasted)}));
        message->setProperty("refused", true);
    });
}

// A sentence under each part: a refusal or what the last action found. The
// property "refused" tells the driver which of the two it shows.
QLabel* message(const char* name, QWidget* parent) {
    auto* made = new QLabel(parent);
    made->setObjectName(QString::fromLatin1(name));
    made->setWordWrap(true);
    made->setTextInteractionFlags(Qt::TextSelectableByMouse);
    made->setProperty("refused", false);
    return made;
}

void say(QLabel* where, const QString& sentence) {
    where->setText(sentence);
    where->setProperty("refused", false);
}

QGroupBox* part(const char* title, const char* name, QWidget* parent) {
    auto* made = new QGroupBox(translated(title), parent);
    made->setObjectName(QString::fromLatin1(name));
    return made;
}

std::string utf8(const QLineEdit* box) {
    return fromQt(box->text());
}

QString keyNumbers(const KeyPair& key) {
    return QStringLiteral("p = %1   q = %2   e = %3   d = %4   n = %5")
        .arg(key.p)
        .arg(key.q)
        .arg(key.e)
        .arg(key.d)
        .arg(key.n);
}

// An open dialog's filter: the exchange's own files first, and every file,
// so that one saved under another name can still be chosen.
std::string orAnyFile(const char* filter) {
    return translatedMessage(filter) + '|' + translatedMessage(text::allFilesFilter);
}

QString publicKeyText(const PublicKey& key) {
    return toQt(publicKeyLine(key));
}

// A classmate's key line ("e = 17   n = 3233", "(17, 3233)", ...) in either
// box of a key fills both. It is read when it arrives whole (pasted, dropped)
// or is confirmed with Enter or the part's button, never while typed: a line
// typed key by key reads as a key already at "e = 17 n = 3", and would be
// split wrong.
bool applyKeyLine(QLineEdit* e, QLineEdit* n) {
    for (QLineEdit* box : {e, n}) {
        if (const std::optional<PublicKeyTexts> key = splitPublicKeyLine(fromQt(box->text()))) {
            e->setText(toQt(key->e));
            n->setText(toQt(key->n));
            return true;
        }
    }
    return false;
}

void acceptKeyLine(QLineEdit* e, QLineEdit* n) {
    for (QLineEdit* box : {e, n}) {
        // A key press adds one character; more at once came whole.
        auto length = std::make_shared<qsizetype>(0);
        QObject::connect(box, &QLineEdit::textChanged, box, [e, n, length](const QString& text) {
            const bool cameWhole = text.size() > *length + 1;
            *length = text.size();
            if (cameWhole) {
                applyKeyLine(e, n);
            }
        });
        QObject::connect(box, &QLineEdit::returnPressed, box, [e, n] { applyKeyLine(e, n); });
    }
}

} // namespace

ExchangeWindow::ExchangeWindow(MainWindow& main, explain::SectionSink explain)
    : m_main(main), m_explain(std::move(explain)), m_content(new QWidget),
      m_random(systemRandom()) {
    setObjectName(QStringLiteral("exchangeWindow"));
    setWindowTitle(translated(text::windowTitle));
    // Sentences appear and wrap below the parts as the learner works; the
    // window scrolls rather than cut them off.
    m_grid = new QGridLayout(m_content);
    m_parts = {buildKeyPart(), buildSendPart(), buildReceivePart(), buildSignPart(),
               buildVerifyPart()};
    arrange(false);
    m_twoColumnWidth = m_content->sizeHint().width();
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(m_content);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);

    m_myKey = keyFromWindow(m_main.variables());
    showKey(translated(text::keyFromMainWindow));
    connect(&m_main, &MainWindow::commandRan, this, &ExchangeWindow::followMainWindow);
}

void ExchangeWindow::arrange(bool oneColumn) {
    m_oneColumn = oneColumn;
    for (QWidget* part : m_parts) {
        m_grid->removeWidget(part);
    }
    for (int row = 0; row < 6; ++row) {
        m_grid->setRowStretch(row, 0);
    }
    m_grid->addWidget(m_parts[0], 0, 0, 1, oneColumn ? 1 : 2);
    for (std::size_t k = 1; k < m_parts.size(); ++k) {
        const int place = static_cast<int>(k) - 1;
        if (oneColumn) {
            m_grid->addWidget(m_parts[k], 1 + place, 0);
        } else {
            m_grid->addWidget(m_parts[k], 1 + place / 2, place % 2);
        }
    }
    m_grid->setColumnStretch(0, 1);
    m_grid->setColumnStretch(1, oneColumn ? 0 : 1);
    m_grid->setRowStretch(oneColumn ? 5 : 3, 1);
}

void ExchangeWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // On a small screen the window beside the main one is narrower than two
    // parts side by side: the parts then stand one below the other, and the
    // window scrolls down rather than sideways.
    const bool oneColumn = width() < m_twoColumnWidth;
    if (oneColumn != m_oneColumn) {
        arrange(oneColumn);
    }
}

QWidget* ExchangeWindow::buildKeyPart() {
    QGroupBox* box = part(text::myKeyTitle, "exchangeKeyPart", this);
    auto* grid = new QGridLayout(box);
    m_keyOrigin = message("exchangeKeyOrigin", box);
    m_keyNumbers = new QLabel(box);
    m_keyNumbers->setObjectName(QStringLiteral("exchangeKeyNumbers"));
    m_keyNumbers->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(m_keyOrigin, 0, 0, 1, 3);
    grid->addWidget(m_keyNumbers, 1, 0, 1, 3);

    auto* publicTitle = new QLabel(translated(text::publicKeyTitle), box);
    m_publicKey = new QLabel(box);
    m_publicKey->setObjectName(QStringLiteral("exchangePublicKey"));
    m_publicKey->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Read from the back of a classroom.
    QFont large = m_publicKey->font();
    large.setPointSizeF(large.pointSizeF() * 2.5);
    large.setBold(true);
    m_publicKey->setFont(large);
    m_publicKey->setWordWrap(true);
    QPushButton* copy = button(text::copyPublicKey, "exchangeCopyKey", box);
    copy->setToolTip(translated(text::copyPublicKeyTip));
    grid->addWidget(publicTitle, 2, 0);
    grid->addWidget(m_publicKey, 3, 0, 1, 2);
    grid->addWidget(copy, 3, 2);

    // Each label names its box, for the keyboard and for screen readers.
    auto* drawRow = new QHBoxLayout;
    auto* rangeLabel = new QLabel(translated(text::rangeLabel), box);
    drawRow->addWidget(rangeLabel);
    m_range = new QComboBox(box);
    rangeLabel->setBuddy(m_range);
    m_range->setObjectName(QStringLiteral("exchangeRange"));
    for (const char* range : {text::range100, text::range1000, text::range46340}) {
        m_range->addItem(translated(range));
    }
    // The widest range by default: among its millions of pairs, a class of
    // thirty almost never draws the same key twice (exchange tests count it).
    m_range->setCurrentIndex(static_cast<int>(defaultKeyRange));
    drawRow->addWidget(m_range);
    auto* exponentLabel = new QLabel(translated(text::exponentLabel), box);
    drawRow->addWidget(exponentLabel);
    m_exponent = edit("exchangeExponent", box);
    exponentLabel->setBuddy(m_exponent);
    m_exponent->setMaximumWidth(m_exponent->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 14);
    drawRow->addWidget(m_exponent);
    drawRow->addStretch();
    // The buttons on a row of their own, so that the part fits a narrow window.
    auto* buttonRow = new QHBoxLayout;
    QPushButton* draw = button(text::newKey, "exchangeNewKey", box);
    draw->setToolTip(translated(text::newKeyTip));
    buttonRow->addWidget(draw);
    m_useKey = button(text::useKey, "exchangeUseKey", box);
    m_useKey->setToolTip(translated(text::useKeyTip));
    m_useKey->setEnabled(false);
    buttonRow->addWidget(m_useKey);
    buttonRow->addStretch();
    grid->addLayout(drawRow, 4, 0, 1, 3);
    grid->addLayout(buttonRow, 5, 0, 1, 3);
    m_keyMessage = message("exchangeKeyMessage", box);
    grid->addWidget(m_keyMessage, 6, 0, 1, 3);
    grid->setColumnStretch(1, 1);

    connect(copy, &QPushButton::clicked, this, &ExchangeWindow::copyPublicKey);
    connect(draw, &QPushButton::clicked, this, &ExchangeWindow::drawKey);
    connect(m_useKey, &QPushButton::clicked, this, &ExchangeWindow::useKeyInMainWindow);
    return box;
}

QWidget* ExchangeWindow::buildSendPart() {
    QGroupBox* box = part(text::sendTitle, "exchangeSendPart", this);
    auto* form = new QFormLayout(box);
    m_sendE = edit("exchangeSendE", box);
    m_sendN = edit("exchangeSendN", box);
    acceptKeyLine(m_sendE, m_sendN);
    m_sendCard = edit("exchangeSendCard", box);
    m_sendCard->setPlaceholderText(translated(text::cardPlaceholder));
    form->addRow(QStringLiteral("e:"), m_sendE);
    form->addRow(QStringLiteral("n:"), m_sendN);
    form->addRow(translated(text::cardLabel), m_sendCard);
    QPushButton* encrypt = button(text::encrypt, "exchangeSend", box);
    form->addRow(encrypt);
    m_cipher = blockBox("exchangeCipher", box, true);
    form->addRow(translated(text::cipherLabel), m_cipher);
    QPushButton* saveButton = button(text::saveFile, "exchangeSaveCipher", box);
    form->addRow(saveButton);
    m_sendMessage = message("exchangeSendMessage", box);
    form->addRow(m_sendMessage);
    connect(encrypt, &QPushButton::clicked, this, &ExchangeWindow::send);
    connect(m_sendCard, &QLineEdit::returnPressed, this, &ExchangeWindow::send);
    connect(saveButton, &QPushButton::clicked, this, &ExchangeWindow::saveCipher);
    return box;
}

QWidget* ExchangeWindow::buildReceivePart() {
    QGroupBox* box = part(text::receiveTitle, "exchangeReceivePart", this);
    auto* form = new QFormLayout(box);
    m_received = blockBox("exchangeReceived", box);
    form->addRow(translated(text::cipherLabel), m_received);
    auto* buttons = new QHBoxLayout;
    QPushButton* decrypt = button(text::decrypt, "exchangeReceive", box);
    QPushButton* open = button(text::openFile, "exchangeOpenCipher", box);
    buttons->addWidget(decrypt);
    buttons->addWidget(open);
    form->addRow(buttons);
    m_receivedCard = edit("exchangeReceivedCard", box, true);
    form->addRow(translated(text::cardLabel), m_receivedCard);
    m_receiveMessage = message("exchangeReceiveMessage", box);
    limitPastes(m_received, m_receiveMessage);
    form->addRow(m_receiveMessage);
    connect(decrypt, &QPushButton::clicked, this, &ExchangeWindow::receive);
    connect(open, &QPushButton::clicked, this, &ExchangeWindow::openReceiveDialog);
    return box;
}

QWidget* ExchangeWindow::buildSignPart() {
    QGroupBox* box = part(text::signTitle, "exchangeSignPart", this);
    auto* form = new QFormLayout(box);
    m_signCard = edit("exchangeSignCard", box);
    m_signCard->setPlaceholderText(translated(text::cardPlaceholder));
    form->addRow(translated(text::cardLabel), m_signCard);
    QPushButton* signButton = button(text::sign, "exchangeSign", box);
    form->addRow(signButton);
    m_signature = blockBox("exchangeSignature", box, true);
    form->addRow(translated(text::signatureLabel), m_signature);
    QPushButton* saveButton = button(text::saveFile, "exchangeSaveSignature", box);
    form->addRow(saveButton);
    m_signMessage = message("exchangeSignMessage", box);
    form->addRow(m_signMessage);
    connect(signButton, &QPushButton::clicked, this, &ExchangeWindow::sign);
    connect(m_signCard, &QLineEdit::returnPressed, this, &ExchangeWindow::sign);
    connect(saveButton, &QPushButton::clicked, this, &ExchangeWindow::saveSignature);
    return box;
}

QWidget* ExchangeWindow::buildVerifyPart() {
    QGroupBox* box = part(text::verifyTitle, "exchangeVerifyPart", this);
    auto* form = new QFormLayout(box);
    m_verifyE = edit("exchangeVerifyE", box);
    m_verifyN = edit("exchangeVerifyN", box);
    acceptKeyLine(m_verifyE, m_verifyN);
    m_verifyCard = edit("exchangeVerifyCard", box);
    m_verifyCard->setPlaceholderText(translated(text::cardPlaceholder));
    m_verifySignature = blockBox("exchangeVerifySignature", box);
    form->addRow(QStringLiteral("e:"), m_verifyE);
    form->addRow(QStringLiteral("n:"), m_verifyN);
    form->addRow(translated(text::cardLabel), m_verifyCard);
    form->addRow(translated(text::signatureLabel), m_verifySignature);
    auto* buttons = new QHBoxLayout;
    QPushButton* verifyButton = button(text::verify, "exchangeVerify", box);
    QPushButton* open = button(text::openFile, "exchangeOpenSignature", box);
    buttons->addWidget(verifyButton);
    buttons->addWidget(open);
    form->addRow(buttons);
    m_verifyMessage = message("exchangeVerifyMessage", box);
    limitPastes(m_verifySignature, m_verifyMessage);
    form->addRow(m_verifyMessage);
    m_verifyWhy = message("exchangeVerifyWhy", box);
    form->addRow(m_verifyWhy);
    connect(verifyButton, &QPushButton::clicked, this, &ExchangeWindow::verify);
    connect(open, &QPushButton::clicked, this, &ExchangeWindow::openSignatureDialog);
    return box;
}

void ExchangeWindow::followMainWindow(const CommandRecord& record) {
    // "My key" is the one the main window last accepted, after each key
    // computation it accepts; other commands and refused exponents leave it,
    // and a pair drawn here, alone.
    if (record.command != CommandId::computeKey || record.outcome != Outcome::completed) {
        return;
    }
    if (std::optional<KeyPair> key = keyFromWindow(m_main.variables())) {
        m_myKey = key;
        showKey(translated(text::keyFromMainWindow));
    }
}

void ExchangeWindow::showKey(const QString& origin) {
    if (!m_myKey) {
        m_keyOrigin->setText(translated(text::noKeyYet));
        m_keyNumbers->clear();
        m_publicKey->clear();
        return;
    }
    m_keyOrigin->setText(origin);
    m_keyNumbers->setText(keyNumbers(*m_myKey));
    m_publicKey->setText(publicKeyText(m_myKey->publicKey()));
}

void ExchangeWindow::drawKey() {
    std::optional<std::uint32_t> exponent;
    if (!m_exponent->text().trimmed().isEmpty()) {
        const Result<std::uint32_t> typed = parseExponent(utf8(m_exponent));
        if (!typed) {
            refuse(m_keyMessage, typed.refusal(), text::newKey);
            return;
        }
        exponent = *typed;
    }
    const std::uint32_t range = keyRanges.at(static_cast<std::size_t>(m_range->currentIndex()));
    const Result<KeyPair> drawn = drawKeyPair(range, exponent, m_random);
    if (!drawn) {
        refuse(m_keyMessage, drawn.refusal(), text::newKey);
        return;
    }
    explain(
        explain::explainFreshKey(drawn->p, drawn->q, drawn->e, drawn->d, range, &inLanguageInUse));
    m_drawnKey = *drawn;
    m_myKey = *drawn;
    m_useKey->setEnabled(true);
    m_keyMessage->clear();
    m_keyMessage->setProperty("refused", false);
    showKey(translated(text::keyDrawnHere));
}

void ExchangeWindow::useKeyInMainWindow() {
    if (!m_drawnKey) {
        return;
    }
    // The main window's own command, so its messages and step window follow
    // as after a click there.
    m_main.computeKey(std::to_string(m_drawnKey->p), std::to_string(m_drawnKey->q),
                      std::to_string(m_drawnKey->e));
}

void ExchangeWindow::copyPublicKey() {
    if (m_myKey) {
        QApplication::clipboard()->setText(publicKeyText(m_myKey->publicKey()));
    }
}

void ExchangeWindow::refuse(QLabel* where, const Refusal& refusal, const char* act) {
    const std::string sentence = texts::word(refusal, &inLanguageInUse);
    where->setText(toQt(sentence));
    where->setProperty("refused", true);
    explain(explain::explainExchangeRefusal(inLanguageInUse(act), sentence, &inLanguageInUse));
}

void ExchangeWindow::explain(explain::Section section) {
    if (m_explain) {
        m_explain(std::move(section));
    }
}

void ExchangeWindow::send() {
    // A refusal leaves no earlier blocks to be read or saved as this card's.
    m_cipher->clear();
    m_cipherBytes.reset();
    applyKeyLine(m_sendE, m_sendN);
    const Result<PublicKey> key = parsePublicKey(utf8(m_sendE), utf8(m_sendN));
    if (!key) {
        refuse(m_sendMessage, key.refusal(), text::encrypt);
        return;
    }
    const Result<Blocks> card = parseCard(utf8(m_sendCard));
    if (!card) {
        refuse(m_sendMessage, card.refusal(), text::encrypt);
        return;
    }
    const Result<Blocks> cipher = encryptCard(*key, *card);
    if (!cipher) {
        refuse(m_sendMessage, cipher.refusal(), text::encrypt);
        return;
    }
    explain(explain::explainExchange(
        {explain::ExchangeAct::Send, key->e, key->n, *card, *cipher, {}, {}}, &inLanguageInUse));
    m_cipher->setPlainText(toQt(blocksText(*cipher)));
    m_cipherBytes = encFileBytes(*cipher);
    say(m_sendMessage, {});
}

void ExchangeWindow::receive() {
    receiveBlocks(parseBlocks(fromQt(m_received->toPlainText())));
}

void ExchangeWindow::receiveBlocks(const Result<ReceivedBlocks>& blocks) {
    m_receivedCard->clear();
    if (!blocks) {
        refuse(m_receiveMessage, blocks.refusal(), text::decrypt);
        return;
    }
    const Result<Blocks> card = decryptBlocks(m_myKey, blocks->blocks);
    if (!card) {
        refuse(m_receiveMessage, card.refusal(), text::decrypt);
        return;
    }
    explain(explain::explainExchange({explain::ExchangeAct::Receive,
                                      m_myKey->d,
                                      m_myKey->n,
                                      blocks->blocks,
                                      *card,
                                      {},
                                      cardText(*card)},
                                     &inLanguageInUse));
    m_receivedCard->setText(toQt(cardText(*card)));
    say(m_receiveMessage, blocks->tookLastEight()
                              ? filled(text::lastEightRead, {QString::number(blocks->found)})
                              : QString());
}

void ExchangeWindow::receiveFile(const QString& path) {
    const Result<ReceivedBlocks> blocks = readEncFile(fromQt(path));
    if (!blocks) {
        m_receivedCard->clear();
        refuse(m_receiveMessage, blocks.refusal(), text::decrypt);
        return;
    }
    m_received->setPlainText(toQt(blocksText(blocks->blocks)));
    receiveBlocks(blocks);
}

void ExchangeWindow::sign() {
    m_signature->clear();
    m_signatureBytes.reset();
    const Result<Blocks> card = parseCard(utf8(m_signCard));
    if (!card) {
        refuse(m_signMessage, card.refusal(), text::sign);
        return;
    }
    const Result<Blocks> signature = signCard(m_myKey, *card);
    if (!signature) {
        refuse(m_signMessage, signature.refusal(), text::sign);
        return;
    }
    explain(explain::explainExchange(
        {explain::ExchangeAct::Sign, m_myKey->d, m_myKey->n, *card, *signature, {}, {}},
        &inLanguageInUse));
    m_signature->setPlainText(toQt(blocksText(*signature)));
    m_signatureBytes = sigFileBytes(*card, *signature);
    say(m_signMessage, {});
}

void ExchangeWindow::verify() {
    m_verifyWhy->clear();
    applyKeyLine(m_verifyE, m_verifyN);
    const Result<PublicKey> key = parsePublicKey(utf8(m_verifyE), utf8(m_verifyN));
    if (!key) {
        refuse(m_verifyMessage, key.refusal(), text::verify);
        return;
    }
    const Result<Blocks> card = parseCard(utf8(m_verifyCard));
    if (!card) {
        refuse(m_verifyMessage, card.refusal(), text::verify);
        return;
    }
    const Result<ReceivedBlocks> signature = parseBlocks(fromQt(m_verifySignature->toPlainText()));
    if (!signature) {
        refuse(m_verifyMessage, signature.refusal(), text::verify);
        return;
    }
    const Result<Verification> verified = verifySignature(*key, *card, signature->blocks);
    if (!verified) {
        refuse(m_verifyMessage, verified.refusal(), text::verify);
        return;
    }
    explain(explain::explainExchange({explain::ExchangeAct::Verify,
                                      key->e,
                                      key->n,
                                      signature->blocks,
                                      verified->recovered,
                                      *card,
                                      {}},
                                     &inLanguageInUse));
    if (verified->valid()) {
        say(m_verifyMessage, translated(text::signatureValid));
    } else {
        QStringList blocks;
        for (std::size_t block : verified->mismatch) {
            blocks << QString::number(block);
        }
        say(m_verifyMessage, filled(text::signatureInvalid, {blocks.join(QStringLiteral(", "))}));
    }
    m_verifyWhy->setText(translated(text::whySignatureProves));
}

void ExchangeWindow::openSignatureFile(const QString& path) {
    const Result<SignedCard> read = readSigFile(fromQt(path));
    if (!read) {
        refuse(m_verifyMessage, read.refusal(), text::verify);
        return;
    }
    m_verifyCard->setText(toQt(cardText(read->card)));
    m_verifySignature->setPlainText(toQt(blocksText(read->signature.blocks)));
    verify();
}

bool ExchangeWindow::save(const char* filter, const std::string& bytes) {
    m_lastSaved.clear();
    const std::optional<std::string> path =
        m_main.interaction().chooseFileToExport(translatedMessage(filter), {});
    if (!path || path->empty()) {
        return false;
    }
    if (const std::optional<std::string> failure = writeExchangeFile(*path, bytes)) {
        // As the main window's Save reports it.
        m_main.interaction().showMessage(fromQt(filled(texts::saveFailed, {toQt(*failure)})),
                                         translatedMessage(texts::applicationTitle));
        return false;
    }
    m_lastSaved = toQt(*path);
    return true;
}

void ExchangeWindow::saveCipher() {
    if (!m_cipherBytes) {
        m_sendMessage->setText(translated(text::nothingToSave));
        m_sendMessage->setProperty("refused", true);
        return;
    }
    say(m_sendMessage, {});
    if (save(texts::saveFilter, *m_cipherBytes)) {
        say(m_sendMessage, filled(text::saved, {m_lastSaved}));
    }
}

void ExchangeWindow::saveSignature() {
    if (!m_signatureBytes) {
        m_signMessage->setText(translated(text::nothingToSave));
        m_signMessage->setProperty("refused", true);
        return;
    }
    say(m_signMessage, {});
    if (save(text::sigFilter, *m_signatureBytes)) {
        say(m_signMessage, filled(text::saved, {m_lastSaved}));
    }
}

void ExchangeWindow::openReceiveDialog() {
    if (const std::optional<std::string> path =
            m_main.interaction().chooseFileToRead(orAnyFile(texts::saveFilter))) {
        receiveFile(toQt(*path));
    }
}

void ExchangeWindow::openSignatureDialog() {
    if (const std::optional<std::string> path =
            m_main.interaction().chooseFileToRead(orAnyFile(text::sigFilter))) {
        openSignatureFile(toQt(*path));
    }
}

QSize ExchangeWindow::sizeHint() const {
    return m_content->sizeHint() +
           QSize(style()->pixelMetric(QStyle::PM_ScrollBarExtent), 8 * fontMetrics().lineSpacing());
}

} // namespace rsa
