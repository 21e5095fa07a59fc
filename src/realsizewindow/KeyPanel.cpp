#include "realsizewindow/KeyPanel.h"

#include "realsizewindow/RealSizeFormat.h"
#include "texts/RealSizeTexts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

#include <chrono>
#include <memory>

namespace rsa {

namespace t = texts::realsize;
using namespace realsizeformat;

KeyPanel::KeyPanel(QWidget* parent)
    : QGroupBox(text(t::keyGroup), parent), m_size(new QComboBox(this)),
      m_generate(new QPushButton(text(t::generate), this)),
      m_cancel(new QPushButton(text(t::cancel), this)), m_progress(new QProgressBar(this)),
      m_status(new QLabel(this)), m_numbers(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("keyPanel"));
    for (const int bits : realsize::offeredKeySizes()) {
        m_size->addItem(fill(t::bits, {QString::number(bits)}), bits);
    }
    m_size->setCurrentIndex(m_size->findData(2048));
    m_size->setObjectName(QStringLiteral("keySize"));
    m_generate->setObjectName(QStringLiteral("generateKey"));
    m_cancel->setObjectName(QStringLiteral("cancelKey"));
    m_cancel->setEnabled(false);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_status->setWordWrap(true);
    m_numbers->setReadOnly(true);
    m_numbers->setObjectName(QStringLiteral("keyNumbers"));
    // Hundreds of digits without a blank must still wrap at the edge.
    m_numbers->setWordWrapMode(QTextOption::WrapAnywhere);

    auto* sizeLabel = new QLabel(text(t::keySize), this);
    sizeLabel->setBuddy(m_size);
    auto* layout = new QGridLayout(this);
    layout->addWidget(sizeLabel, 0, 0);
    layout->addWidget(m_size, 0, 1);
    layout->addWidget(m_generate, 0, 2);
    layout->addWidget(m_cancel, 0, 3);
    layout->addWidget(m_progress, 1, 0, 1, 4);
    layout->addWidget(m_status, 2, 0, 1, 4);
    layout->addWidget(m_numbers, 3, 0, 1, 4);
    layout->setColumnStretch(1, 1);

    connect(m_generate, &QPushButton::clicked, this,
            [this] { generate(m_size->currentData().toInt()); });
    connect(m_cancel, &QPushButton::clicked, this, &KeyPanel::cancel);
    connect(&m_job, &BackgroundJob::failed, this, [this](const QString& sentence) {
        m_status->setText(sentence);
        m_progress->setValue(0);
    });
    connect(&m_job, &BackgroundJob::finished, this, [this] {
        m_generate->setEnabled(true);
        m_cancel->setEnabled(false);
        emit finished();
    });
}

void KeyPanel::generate(int bits) {
    const int index = m_size->findData(bits);
    if (index < 0 || busy()) {
        return;
    }
    m_size->setCurrentIndex(index);
    m_generate->setEnabled(false);
    m_cancel->setEnabled(true);
    m_progress->setValue(0);
    m_status->setText(fill(t::generating, {QString::number(bits)}));
    m_job.start([this, bits](const std::atomic<bool>& cancel) {
        realsize::RandomSource random;
        const auto started = std::chrono::steady_clock::now();
        auto key = realsize::generateKey(bits, random, cancel, [this](int percent) {
            m_job.post([this, percent] { m_progress->setValue(percent); });
        });
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
        m_job.post([this, key = std::move(key), took] {
            if (key) {
                show(*key, took.count());
            } else {
                m_status->setText(text(t::generationCancelled));
                m_progress->setValue(0);
            }
        });
    });
}

void KeyPanel::cancel() {
    m_job.cancel();
}

QString KeyPanel::status() const {
    return m_status->text();
}

void KeyPanel::show(const realsize::BigKey& key, double seconds) {
    m_key = key;
    m_status->setText(
        fill(t::generated, {QString::number(key.bits), realsizeformat::seconds(seconds)}));
    QString shown;
    const std::pair<const char*, const mpz_class*> numbers[] = {{t::primeP, &key.p},
                                                                {t::primeQ, &key.q},
                                                                {t::modulus, &key.n},
                                                                {t::publicExponent, &key.e},
                                                                {t::privateExponent, &key.d}};
    for (const auto& [name, number] : numbers) {
        shown += fill(t::numberHeading, {text(name), digitCount(*number),
                                         QString::number(realsize::bitLength(*number))}) +
                 QLatin1Char('\n') + QString::fromStdString(number->get_str(10)) +
                 QStringLiteral("\n\n");
    }
    m_numbers->setPlainText(shown.trimmed());
    emit keyMade();
}

} // namespace rsa
