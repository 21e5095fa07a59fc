#include "exchangewindow/TextPart.h"

#include "exchange/ExchangeFiles.h"
#include "explain/ExchangeExplanation.h"
#include "texts/ExchangeTexts.h"
#include "window/PlainTextBox.h"
#include "window/QtText.h"
#include "window/Translations.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace rsa {

namespace {

namespace text = texts::exchange;
using namespace exchange;

template <typename Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QPushButton* button(const char* caption, const char* name, QWidget* parent) {
    return named(new QPushButton(translated(caption), parent), name);
}

std::string utf8(const QLineEdit* box) {
    return fromQt(box->text());
}

// The letter table as one line to read and copy: "A 00  B 01 …  boşluk 29".
QString letterLine() {
    QStringList pairs;
    for (std::size_t code = 0; code < letterCount; ++code) {
        const QString letter =
            code == blankCode ? translated(text::blankName) : toQt(letters()[code].utf8);
        pairs << letter + QStringLiteral(" %1").arg(code, 2, 10, QLatin1Char('0'));
    }
    return pairs.join(QStringLiteral("   "));
}

// The message's letters in each block, a blank shown as "␣".
std::vector<std::string> lettersOfBlocks(const BlockList& blocks, std::size_t perBlock) {
    std::vector<std::string> shown;
    for (std::uint32_t block : blocks) {
        const Result<LetterCodes> codes = unpackLetters({block}, perBlock);
        std::string letters;
        for (std::size_t k = 0; k < perBlock; ++k) {
            const std::uint32_t code = k < codes->size() ? (*codes)[k] : blankCode;
            letters += code == blankCode ? "␣" : exchange::letters()[code].utf8;
        }
        shown.push_back(letters);
    }
    return shown;
}

} // namespace

TextPart::TextPart(TextPartHost host, QWidget* parent)
    : QGroupBox(translated(text::textTitle), parent), m_host(std::move(host)) {
    setObjectName(QStringLiteral("exchangeTextPart"));
    auto* form = new QFormLayout(this);
    m_e = named(new QLineEdit(this), "exchangeTextE");
    m_n = named(new QLineEdit(this), "exchangeTextN");
    auto* key = new QHBoxLayout;
    key->addWidget(m_e);
    key->addWidget(new QLabel(QStringLiteral("n:"), this));
    key->addWidget(m_n);
    form->addRow(QStringLiteral("e:"), key);
    m_message = named(new QLineEdit(this), "exchangeTextMessage");
    m_message->setMaxLength(static_cast<int>(2 * longestMessage));
    m_message->setPlaceholderText(translated(text::messagePlaceholder));
    form->addRow(translated(text::messageLabel), m_message);

    auto* acts = new QHBoxLayout;
    QPushButton* sendButton = button(text::sendText, "exchangeTextSend", this);
    QPushButton* signButton = button(text::signText, "exchangeTextSign", this);
    QPushButton* verifyButton = button(text::verifyText, "exchangeTextVerify", this);
    for (QPushButton* act : {sendButton, signButton, verifyButton}) {
        acts->addWidget(act);
    }
    acts->addStretch();
    form->addRow(acts);
    m_blocks = named(new PlainTextBox(this), "exchangeTextBlocks");
    m_blocks->setTabChangesFocus(true);
    m_blocks->setFixedHeight(m_blocks->fontMetrics().lineSpacing() * 3 + 12);
    form->addRow(translated(text::cipherLabel), m_blocks);
    auto* files = new QHBoxLayout;
    QPushButton* receiveButton = button(text::receiveText, "exchangeTextReceive", this);
    QPushButton* open = button(text::openFile, "exchangeTextOpen", this);
    QPushButton* saveButton = button(text::saveFile, "exchangeTextSave", this);
    for (QPushButton* act : {receiveButton, open, saveButton}) {
        files->addWidget(act);
    }
    files->addStretch();
    form->addRow(files);
    m_received = named(new QLineEdit(this), "exchangeTextReceived");
    m_received->setReadOnly(true);
    form->addRow(translated(text::receivedMessageLabel), m_received);
    m_sentence = named(new QLabel(this), "exchangeTextSentence");
    m_frequencies = named(new QLabel(this), "exchangeTextFrequencies");
    auto* table =
        named(new QLabel(letterLine() + QLatin1Char('\n') + translated(text::packingRule), this),
              "exchangeLetterTable");
    for (QLabel* label : {m_sentence, m_frequencies, table}) {
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    m_sentence->setProperty("refused", false);
    form->addRow(m_sentence);
    form->addRow(m_frequencies);
    form->addRow(translated(text::letterTableTitle), table);

    connect(sendButton, &QPushButton::clicked, this, &TextPart::send);
    connect(m_message, &QLineEdit::returnPressed, this, &TextPart::send);
    connect(signButton, &QPushButton::clicked, this, &TextPart::sign);
    connect(verifyButton, &QPushButton::clicked, this, &TextPart::verify);
    connect(receiveButton, &QPushButton::clicked, this, &TextPart::receive);
    connect(open, &QPushButton::clicked, this, &TextPart::openDialog);
    connect(saveButton, &QPushButton::clicked, this, &TextPart::saveBlocks);
}

bool TextPart::refused(const Refusal& refusal, const char* act) {
    m_host.refuse(m_sentence, refusal, act);
    return true;
}

void TextPart::explainPacking(std::uint32_t n, const TextBlocks& blocks) {
    std::vector<std::string> table;
    for (const Letter& letter : letters()) {
        table.push_back(letter.utf8);
    }
    m_host.explain(explain::explainLetterPacking(
        {n, blocks.perBlock, largestBlock(blocks.perBlock), largestBlock(blocks.perBlock + 1),
         table, blocks.plain, lettersOfBlocks(blocks.plain, blocks.perBlock)},
        &inLanguageInUse));
}

void TextPart::send() {
    m_frequencies->clear();
    const Result<PublicKey> key = parsePublicKey(utf8(m_e), utf8(m_n));
    if (!key) {
        refused(key.refusal(), text::sendText);
        return;
    }
    const Result<LetterCodes> message = parseMessage(utf8(m_message));
    if (!message) {
        refused(message.refusal(), text::sendText);
        return;
    }
    const Result<TextBlocks> cipher = encryptText(*key, *message);
    if (!cipher) {
        refused(cipher.refusal(), text::sendText);
        return;
    }
    explainPacking(key->n, *cipher);
    m_host.explain(explain::explainExchange(
        {explain::ExchangeAct::Send, key->e, key->n, cipher->plain, cipher->result, {}, {}, true},
        &inLanguageInUse));
    m_blocks->setPlainText(toQt(blocksText(cipher->result)));
    m_toSave.emplace(texts::saveFilter, textEncFileBytes(cipher->result));
    m_sentence->setText(cipher->perBlock == 1 ? translated(text::equalLetters) : QString());
    m_sentence->setProperty("refused", false);
}

void TextPart::receive() {
    const Result<BlockList> cipher = parseBlockList(fromQt(m_blocks->toPlainText()));
    if (!cipher) {
        refused(cipher.refusal(), text::receiveText);
        return;
    }
    receiveBlocks(*cipher);
}

void TextPart::receiveBlocks(const BlockList& cipher) {
    m_frequencies->clear();
    const std::optional<KeyPair> key = m_host.myKey();
    const Result<ReceivedText> received = decryptText(key, cipher);
    if (!received) {
        refused(received.refusal(), text::receiveText);
        return;
    }
    const std::string message = messageText(received->message);
    m_host.explain(explain::explainExchange({explain::ExchangeAct::Receive,
                                             key->d,
                                             key->n,
                                             cipher,
                                             received->blocks.result,
                                             {},
                                             message,
                                             true},
                                            &inLanguageInUse));
    // The letters of the decrypted blocks, after their powers.
    explainPacking(key->n, {received->blocks.perBlock, received->blocks.result, {}});
    m_received->setText(toQt(message));
    m_sentence->clear();
    m_sentence->setProperty("refused", false);
    m_counts = blockCounts(cipher);
    if (cipher.size() >= blocksForFrequencies) {
        showFrequencies(cipher);
    }
}

void TextPart::showFrequencies(const BlockList& cipher) {
    QStringList blocks;
    for (const auto& [block, count] : blockCounts(cipher)) {
        blocks << filled(text::blockCount, {QString::number(block), QString::number(count)});
    }
    QStringList shares;
    for (const LetterShare& share : turkishLetterShares()) {
        shares << filled(
            text::letterShare,
            {toQt(letters()[share.code].utf8), QString::number(share.hundredths / 100),
             QStringLiteral("%1").arg(share.hundredths % 100, 2, 10, QLatin1Char('0'))});
    }
    m_frequencies->setText(
        QStringList{translated(text::frequencyTitle),
                    filled(text::blockCountsLine, {blocks.join(QStringLiteral(", "))}),
                    filled(text::letterSharesLine, {shares.join(QStringLiteral(", "))}),
                    translated(text::frequencyLesson)}
            .join(QLatin1Char('\n')));
}

void TextPart::sign() {
    m_frequencies->clear();
    const Result<LetterCodes> message = parseMessage(utf8(m_message));
    if (!message) {
        refused(message.refusal(), text::signText);
        return;
    }
    const std::optional<KeyPair> key = m_host.myKey();
    const Result<TextBlocks> signature = signText(key, *message);
    if (!signature) {
        refused(signature.refusal(), text::signText);
        return;
    }
    explainPacking(key->n, *signature);
    m_host.explain(explain::explainExchange({explain::ExchangeAct::Sign,
                                             key->d,
                                             key->n,
                                             signature->plain,
                                             signature->result,
                                             {},
                                             {},
                                             true},
                                            &inLanguageInUse));
    m_blocks->setPlainText(toQt(blocksText(signature->result)));
    m_toSave.emplace(text::sigFilter, textSigFileBytes(*message, signature->result));
    m_sentence->clear();
    m_sentence->setProperty("refused", false);
}

void TextPart::verify() {
    m_frequencies->clear();
    const Result<PublicKey> key = parsePublicKey(utf8(m_e), utf8(m_n));
    if (!key) {
        refused(key.refusal(), text::verifyText);
        return;
    }
    const Result<LetterCodes> message = parseMessage(utf8(m_message));
    if (!message) {
        refused(message.refusal(), text::verifyText);
        return;
    }
    const Result<BlockList> signature = parseBlockList(fromQt(m_blocks->toPlainText()));
    if (!signature) {
        refused(signature.refusal(), text::verifyText);
        return;
    }
    const Result<TextVerification> verified = verifyText(*key, *message, *signature);
    if (!verified) {
        refused(verified.refusal(), text::verifyText);
        return;
    }
    m_host.explain(explain::explainExchange({explain::ExchangeAct::Verify,
                                             key->e,
                                             key->n,
                                             *signature,
                                             verified->blocks.result,
                                             verified->blocks.plain,
                                             {},
                                             true},
                                            &inLanguageInUse));
    QStringList mismatch;
    for (std::size_t block : verified->mismatch) {
        mismatch << QString::number(block);
    }
    m_sentence->setText(verified->valid() ? translated(text::signatureValid)
                                          : filled(text::textSignatureInvalid,
                                                   {mismatch.join(QStringLiteral(", "))}));
    m_sentence->setProperty("refused", false);
}

void TextPart::saveBlocks() {
    if (!m_toSave) {
        m_sentence->setText(translated(text::textNothingToSave));
        m_sentence->setProperty("refused", true);
        return;
    }
    m_sentence->clear();
    m_sentence->setProperty("refused", false);
    m_host.save(m_toSave->first, m_toSave->second);
}

void TextPart::openFile(const QString& path) {
    if (path.endsWith(QStringLiteral(".SIG"), Qt::CaseInsensitive)) {
        const Result<SignedText> read = readTextSigFile(fromQt(path));
        if (!read) {
            refused(read.refusal(), text::verifyText);
            return;
        }
        m_message->setText(toQt(messageText(read->message)));
        m_blocks->setPlainText(toQt(blocksText(read->signature)));
        verify();
        return;
    }
    const Result<BlockList> read = readTextEncFile(fromQt(path));
    if (!read) {
        refused(read.refusal(), text::receiveText);
        return;
    }
    m_blocks->setPlainText(toQt(blocksText(*read)));
    receiveBlocks(*read);
}

void TextPart::openDialog() {
    if (const std::optional<std::string> path = m_host.chooseFile(
            translatedMessage(texts::saveFilter) + '|' + translatedMessage(text::sigFilter))) {
        openFile(toQt(*path));
    }
}

} // namespace rsa
