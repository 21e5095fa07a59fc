#include "exchangewindow/ExchangeWindow.h"

#include "exchange/ExchangeFiles.h"
#include "exchange/Messages.h"
#include "exchangewindow/TextPart.h"
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
QPlainTextEdit* blockBox(const char* name, QWidget* parent, bool readOnly = false) {
    auto* made = new PlainTextBox(parent);
    made->setObjectName(QString::fromLatin1(name));
    made->setReadOnly(readOnly);
    made->setTabChangesFocus(true);
    made->setFixedHeight(made->fontMetrics().lineSpacing() * 3 + 12);
    return made;
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

QString publicKeyText(const PublicKey& key) {
    return toQt(publicKeyLine(key));
}

// A classmate's key line as "Kopyala" copies it, pasted into either box of a
// key, fills both.
void acceptKeyLine(QLineEdit* e, QLineEdit* n) {
    for (QLineEdit* box : {e, n}) {
        QObject::connect(box, &QLineEdit::textChanged, box, [e, n](const QString& text) {
            if (const std::optional<PublicKeyTexts> key = splitPublicKeyLine(fromQt(text))) {
                e->setText(toQt(key->e));
                n->setText(toQt(key->n));
            }
        });
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
    auto* layout = new QGridLayout(m_content);
    buildKeyPart(layout);
    layout->addWidget(buildSendPart(), 1, 0);
    layout->addWidget(buildReceivePart(), 1, 1);
    layout->addWidget(buildSignPart(), 2, 0);
    layout->addWidget(buildVerifyPart(), 2, 1);
    layout->addWidget(buildTextPart(), 3, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(3, 1);
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

void ExchangeWindow::buildKeyPart(QGridLayout* layout) {
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
    drawRow->addWidget(m_range);
    auto* exponentLabel = new QLabel(translated(text::exponentLabel), box);
    drawRow->addWidget(exponentLabel);
    m_exponent = edit("exchangeExponent", box);
    exponentLabel->setBuddy(m_exponent);
    m_exponent->setMaximumWidth(m_exponent->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 14);
    drawRow->addWidget(m_exponent);
    QPushButton* draw = button(text::newKey, "exchangeNewKey", box);
    draw->setToolTip(translated(text::newKeyTip));
    drawRow->addWidget(draw);
    m_useKey = button(text::useKey, "exchangeUseKey", box);
    m_useKey->setToolTip(translated(text::useKeyTip));
    m_useKey->setEnabled(false);
    drawRow->addWidget(m_useKey);
    drawRow->addStretch();
    grid->addLayout(drawRow, 4, 0, 1, 3);
    m_keyMessage = message("exchangeKeyMessage", box);
    grid->addWidget(m_keyMessage, 5, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    layout->addWidget(box, 0, 0, 1, 2);

    connect(copy, &QPushButton::clicked, this, &ExchangeWindow::copyPublicKey);
    connect(draw, &QPushButton::clicked, this, &ExchangeWindow::drawKey);
    connect(m_useKey, &QPushButton::clicked, this, &ExchangeWindow::useKeyInMainWindow);
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
    form->addRow(m_verifyMessage);
    m_verifyWhy = message("exchangeVerifyWhy", box);
    form->addRow(m_verifyWhy);
    connect(verifyButton, &QPushButton::clicked, this, &ExchangeWindow::verify);
    connect(open, &QPushButton::clicked, this, &ExchangeWindow::openSignatureDialog);
    return box;
}

QWidget* ExchangeWindow::buildTextPart() {
    m_textPart = new TextPart(
        {[this] { return m_myKey; },
         [this](QLabel* where, const Refusal& refusal, const char* act) {
             refuse(where, refusal, act);
         },
         [this](explain::Section section) { explain(std::move(section)); },
         [this](const char* filter, const std::string& bytes) { return save(filter, bytes); },
         [this](const std::string& filter) {
             return m_main.interaction().chooseFileToRead(filter);
         }},
        this);
    return m_textPart;
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
        refuse(m_receiveMessage, blocks.refusal(), text::decrypt);
        return;
    }
    m_received->setPlainText(toQt(blocksText(blocks->blocks)));
    receiveBlocks(blocks);
}

void ExchangeWindow::sign() {
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
        m_main.interaction().chooseFileToWrite(translatedMessage(filter), {});
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
            m_main.interaction().chooseFileToRead(translatedMessage(texts::saveFilter))) {
        receiveFile(toQt(*path));
    }
}

void ExchangeWindow::openSignatureDialog() {
    if (const std::optional<std::string> path =
            m_main.interaction().chooseFileToRead(translatedMessage(text::sigFilter))) {
        openSignatureFile(toQt(*path));
    }
}

QSize ExchangeWindow::sizeHint() const {
    return m_content->sizeHint() +
           QSize(style()->pixelMetric(QStyle::PM_ScrollBarExtent), 8 * fontMetrics().lineSpacing());
}

} // namespace rsa
