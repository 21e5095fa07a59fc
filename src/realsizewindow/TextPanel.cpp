#include "realsizewindow/TextPanel.h"

#include "realsizewindow/RealSizeFormat.h"
#include "texts/RealSizeTexts.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace rsa {

namespace t = texts::realsize;
using namespace realsizeformat;

namespace {

mpz_class bytesAsNumber(const std::string& bytes) {
    mpz_class number;
    mpz_import(number.get_mpz_t(), bytes.size(), 1, 1, 1, 0, bytes.data());
    return number;
}

QString refusalSentence(const realsize::TextRefused& refused) {
    return QString::fromStdString(texts::word(refused, &inLanguageInUse));
}

} // namespace

TextPanel::TextPanel(QWidget* parent)
    : QGroupBox(text(t::textGroup), parent), m_sentence(new QLineEdit(this)),
      m_encrypt(new QPushButton(text(t::encrypt), this)), m_status(new QLabel(this)),
      m_result(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("textPanel"));
    m_sentence->setObjectName(QStringLiteral("sentence"));
    m_sentence->setText(QStringLiteral("Merhaba dünya, şifreli selamlar!"));
    m_encrypt->setObjectName(QStringLiteral("encryptText"));
    m_status->setWordWrap(true);
    m_result->setReadOnly(true);
    m_result->setObjectName(QStringLiteral("contrast"));
    m_result->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);

    auto* label = new QLabel(text(t::plaintext), this);
    label->setBuddy(m_sentence);
    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(m_sentence, 0, 1);
    layout->addWidget(m_encrypt, 0, 2);
    layout->addWidget(m_status, 1, 0, 1, 3);
    layout->addWidget(m_result, 2, 0, 1, 3);

    connect(m_encrypt, &QPushButton::clicked, this, [this] { encrypt(m_sentence->text()); });
    connect(m_sentence, &QLineEdit::returnPressed, this, [this] { encrypt(m_sentence->text()); });
    connect(&m_job, &BackgroundJob::failed, this, &TextPanel::refuse);
    connect(&m_job, &BackgroundJob::finished, this, [this] {
        m_encrypt->setEnabled(true);
        emit finished();
    });
}

void TextPanel::setKey(const std::optional<realsize::BigKey>& key) {
    m_key = key;
}

void TextPanel::encrypt(const QString& sentence) {
    if (busy()) {
        return;
    }
    m_sentence->setText(sentence);
    m_encrypted = sentence.toStdString();
    m_contrast.reset();
    m_result->clear();
    if (!m_key) {
        refuse(text(t::needKey));
        emit finished();
        return;
    }
    m_encrypt->setEnabled(false);
    m_status->setText(text(t::encrypting));
    // A 4096-bit key needs two private powers without the CRT: tens of
    // milliseconds, so not on the GUI thread.
    m_job.start([this, key = *m_key, bytes = sentence.toStdString()](const std::atomic<bool>&) {
        m_job.post([this, outcome = realsize::encryptTwice(key, bytes, &charactersWithin)] {
            show(outcome);
        });
    });
}

QString TextPanel::status() const {
    return m_status->text();
}

void TextPanel::refuse(const QString& sentence) {
    m_status->setText(sentence);
    m_result->clear();
}

void TextPanel::show(const realsize::TextOutcome& outcome) {
    if (const auto* refused = std::get_if<realsize::TextRefused>(&outcome)) {
        refuse(refusalSentence(*refused));
        return;
    }
    const auto& contrast = std::get<realsize::TextContrast>(outcome);
    m_contrast = contrast;
    m_status->clear();
    const auto answer = [](bool same) { return text(same ? t::yes : t::no); };
    const auto back = [&contrast](std::size_t index) {
        return QString::fromStdString(contrast.back.at(index));
    };
    const QString oaepName = QStringLiteral("OAEP");
    const QStringList lines{
        text(t::textbookHeading),
        fill(t::cipherLine, {QStringLiteral("1"), shortened(contrast.textbookFirst)}),
        fill(t::cipherLine, {QStringLiteral("2"), shortened(contrast.textbookSecond)}),
        fill(t::sameQuestion, {answer(contrast.textbookSame())}),
        text(t::textbookWhy),
        QString(),
        text(t::oaepHeading),
        fill(t::cipherLine, {QStringLiteral("1"), shortened(bytesAsNumber(contrast.oaepFirst))}),
        fill(t::cipherLine, {QStringLiteral("2"), shortened(bytesAsNumber(contrast.oaepSecond))}),
        fill(t::sameQuestion, {answer(contrast.oaepSame())}),
        text(t::oaepWhy),
        QString(),
        fill(t::decryptedLine, {text(t::textbookShort), QStringLiteral("1"), back(0)}),
        fill(t::decryptedLine, {text(t::textbookShort), QStringLiteral("2"), back(1)}),
        fill(t::decryptedLine, {oaepName, QStringLiteral("1"), back(2)}),
        fill(t::decryptedLine, {oaepName, QStringLiteral("2"), back(3)})};
    m_result->setPlainText(lines.join(QLatin1Char('\n')));
}

} // namespace rsa
