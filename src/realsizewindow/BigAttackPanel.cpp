#include "realsizewindow/BigAttackPanel.h"

#include "realsize/BadKeys.h"
#include "realsize/BatchGcd.h"
#include "realsizewindow/RealSizeFormat.h"
#include "texts/RealSizeTexts.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QValueAxis>

#include <algorithm>
#include <chrono>

namespace rsa {

namespace t = texts::realsize;
using namespace realsizeformat;

namespace {

constexpr int defaultAttackBits = 2048;
constexpr int surveyBits = 1024;
constexpr int defaultKeyCount = 1000;
constexpr int defaultSharedPairs = 3;
constexpr int largestSharedPairs = 10;
// The gcd of every pair of 1,000 moduli of 1024 bits takes 2.5 s of one core
// here, and four times that for every doubling: beyond it only the batch GCD
// is measured.
constexpr int largestPairwiseCount = 1000;
// Fermat's steps before giving up: primes sharing their top half need one.
constexpr unsigned long fermatLargestSteps = 100000;

const int keyCounts[] = {100, 500, 1000, 2000, 5000, 10000};

double secondsSince(std::chrono::steady_clock::time_point started) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
}

// Times `work` once; std::nullopt when it was cancelled.
template <typename Work> std::optional<double> timed(Work work) {
    const auto started = std::chrono::steady_clock::now();
    return work() ? std::optional<double>(secondsSince(started)) : std::nullopt;
}

// Wiener and Fermat end within a millisecond or so on a badly made key.
QString milliseconds(double seconds) {
    return numberLocale().toString(seconds * 1000, 'f', 2);
}

QString digits(const mpz_class& number) {
    return QString::fromStdString(number.get_str(10));
}

QString bitsOf(const mpz_class& number) {
    return QString::number(realsize::bitLength(number));
}

} // namespace

BigAttackPanel::BigAttackPanel(QWidget* parent)
    : QGroupBox(text(t::attacksGroup), parent), m_size(new QComboBox(this)),
      m_wienerButton(new QPushButton(text(t::wienerButton), this)),
      m_fermatButton(new QPushButton(text(t::fermatButton), this)), m_count(new QComboBox(this)),
      m_pairs(new QSpinBox(this)), m_surveyButton(new QPushButton(text(t::surveyButton), this)),
      m_cancel(new QPushButton(text(t::cancel), this)), m_progress(new QProgressBar(this)),
      m_status(new QLabel(this)), m_details(new QPlainTextEdit(this)), m_chart(new QChart),
      m_keysAxis(new QValueAxis), m_secondsAxis(new QValueAxis), m_batch(new QLineSeries),
      m_pairwise(new QLineSeries) {
    setObjectName(QStringLiteral("bigAttackPanel"));
    for (const int bits : realsize::offeredKeySizes()) {
        m_size->addItem(fill(t::bits, {QString::number(bits)}), bits);
    }
    m_size->setCurrentIndex(m_size->findData(defaultAttackBits));
    m_size->setObjectName(QStringLiteral("attackKeySize"));
    m_wienerButton->setObjectName(QStringLiteral("wienerAttack"));
    m_fermatButton->setObjectName(QStringLiteral("fermatAttack"));
    for (const int count : keyCounts) {
        m_count->addItem(whole(count), count);
    }
    m_count->setCurrentIndex(m_count->findData(defaultKeyCount));
    m_count->setObjectName(QStringLiteral("keyCount"));
    m_pairs->setRange(0, largestSharedPairs);
    m_pairs->setValue(defaultSharedPairs);
    m_pairs->setObjectName(QStringLiteral("sharedPairs"));
    m_surveyButton->setObjectName(QStringLiteral("sharedPrimeSearch"));
    m_cancel->setObjectName(QStringLiteral("cancelAttack"));
    m_cancel->setEnabled(false);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_status->setWordWrap(true);
    m_details->setReadOnly(true);
    m_details->setObjectName(QStringLiteral("attackDetails"));
    m_details->setWordWrapMode(QTextOption::WrapAnywhere);
    m_details->setMinimumHeight(140);

    m_batch->setName(text(t::seriesBatch));
    m_batch->setPointsVisible(true);
    m_pairwise->setName(text(t::seriesPairwise));
    m_pairwise->setPointsVisible(true);
    m_keysAxis->setTitleText(text(t::axisKeys));
    m_keysAxis->setLabelFormat(QStringLiteral("%d"));
    m_keysAxis->setRange(0, defaultKeyCount);
    m_secondsAxis->setTitleText(text(t::axisSeconds));
    m_secondsAxis->setRange(0, 1);
    m_chart->addAxis(m_keysAxis, Qt::AlignBottom);
    m_chart->addAxis(m_secondsAxis, Qt::AlignLeft);
    for (QLineSeries* series : {m_batch, m_pairwise}) {
        m_chart->addSeries(series);
        series->attachAxis(m_keysAxis);
        series->attachAxis(m_secondsAxis);
    }
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    auto* view = new QChartView(m_chart, this);
    view->setObjectName(QStringLiteral("batchGcdChart"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(420, 280);

    auto* intro = new QLabel(text(t::attacksIntro), this);
    intro->setWordWrap(true);
    auto* note = new QLabel(text(t::surveyNote), this);
    note->setWordWrap(true);
    auto* sizeLabel = new QLabel(text(t::attackKeySize), this);
    sizeLabel->setBuddy(m_size);
    auto* countLabel = new QLabel(text(t::keyCount), this);
    countLabel->setBuddy(m_count);
    auto* pairsLabel = new QLabel(text(t::sharedPairs), this);
    pairsLabel->setBuddy(m_pairs);
    // Each part with its cell (row, column, rows, columns) side by side and
    // in one column: the attacks and their result on the left, the survey's
    // chart and its note on the right; or the buttons paired below their
    // choices, and the chart and its note last.
    m_places = {
        {intro, {0, 0, 1, 4}, {0, 0, 1, 4}},          {sizeLabel, {1, 0, 1, 1}, {1, 0, 1, 1}},
        {m_size, {1, 1, 1, 1}, {1, 1, 1, 3}},         {m_wienerButton, {1, 2, 1, 1}, {2, 0, 1, 2}},
        {m_fermatButton, {1, 3, 1, 1}, {2, 2, 1, 2}}, {countLabel, {2, 0, 1, 1}, {3, 0, 1, 1}},
        {m_count, {2, 1, 1, 1}, {3, 1, 1, 3}},        {pairsLabel, {2, 2, 1, 1}, {4, 0, 1, 1}},
        {m_pairs, {2, 3, 1, 1}, {4, 1, 1, 3}},        {m_surveyButton, {3, 2, 1, 1}, {5, 0, 1, 2}},
        {m_cancel, {3, 3, 1, 1}, {5, 2, 1, 2}},       {m_progress, {4, 0, 1, 4}, {6, 0, 1, 4}},
        {m_status, {5, 0, 1, 4}, {7, 0, 1, 4}},       {m_details, {6, 0, 1, 4}, {8, 0, 1, 4}},
        {view, {0, 4, 6, 1}, {9, 0, 1, 4}},           {note, {6, 4, 1, 1}, {10, 0, 1, 4}},
    };
    m_grid = new QGridLayout(this);
    m_grid->setColumnStretch(1, 1);
    note->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    arrange(false);

    connect(m_wienerButton, &QPushButton::clicked, this,
            [this] { runWiener(m_size->currentData().toInt()); });
    connect(m_fermatButton, &QPushButton::clicked, this,
            [this] { runFermat(m_size->currentData().toInt()); });
    connect(m_surveyButton, &QPushButton::clicked, this,
            [this] { runSurvey(m_count->currentData().toInt(), surveyBits, m_pairs->value()); });
    connect(m_cancel, &QPushButton::clicked, this, &BigAttackPanel::cancel);
    connect(&m_job, &BackgroundJob::failed, this, [this](const QString& sentence) {
        m_status->setText(sentence);
        m_progress->setRange(0, 100);
        m_progress->setValue(0);
    });
    connect(&m_job, &BackgroundJob::finished, this, [this] {
        for (QPushButton* button : {m_wienerButton, m_fermatButton, m_surveyButton}) {
            button->setEnabled(true);
        }
        m_cancel->setEnabled(false);
        emit finished();
    });
}

void BigAttackPanel::arrange(bool oneColumn) {
    for (const Place& place : m_places) {
        m_grid->removeWidget(place.widget);
        const Cell& cell = oneColumn ? place.narrow : place.wide;
        m_grid->addWidget(place.widget, cell.row, cell.column, cell.rows, cell.columns);
    }
    // The result grows with the window beside the chart; in one column the
    // chart below it takes the room, and the buttons of a row share it.
    m_grid->setRowStretch(6, oneColumn ? 0 : 1);
    m_grid->setColumnStretch(3, oneColumn ? 1 : 0);
    m_grid->setColumnStretch(4, oneColumn ? 0 : 2);
}

void BigAttackPanel::begin(const char* attack, const QString& doing) {
    m_attackName = text(attack);
    for (QPushButton* button : {m_wienerButton, m_fermatButton, m_surveyButton}) {
        button->setEnabled(false);
    }
    m_cancel->setEnabled(true);
    m_status->setText(doing);
    m_details->clear();
    m_key.reset();
    m_wiener.reset();
    m_fermat.reset();
    m_sharing.reset();
    m_survey.reset();
    // A key's primes come when they come: the bar only says that work goes on.
    m_progress->setRange(0, 0);
}

template <typename Make, typename Break, typename Show>
void BigAttackPanel::attackKey(int bits, const char* button, const QString& doing, Make make,
                               Break attack, Show show) {
    const int index = m_size->findData(bits);
    if (index < 0 || busy()) {
        return;
    }
    m_size->setCurrentIndex(index);
    begin(button, doing);
    m_job.start([this, make, attack, show](const std::atomic<bool>& cancel) {
        realsize::RandomSource random;
        const std::optional<realsize::BigKey> key = make(random, cancel);
        const auto started = std::chrono::steady_clock::now();
        std::optional<decltype(attack(*key, cancel))> broken;
        if (key) {
            broken = attack(*key, cancel);
        }
        const double took = secondsSince(started);
        m_job.post([this, key, broken, took, show] {
            if (broken && broken->end != realsize::AttackEnd::Cancelled) {
                (this->*show)(*key, *broken, took);
            } else {
                m_status->setText(text(t::attackStopped));
            }
        });
    });
}

void BigAttackPanel::runWiener(int bits) {
    const int dBits = realsize::wienerSafeBits(bits);
    attackKey(
        bits, t::wienerButton,
        fill(t::makingWienerKey, {QString::number(bits), QString::number(dBits)}),
        [bits, dBits](realsize::RandomSource& random, const std::atomic<bool>& cancel) {
            return realsize::smallPrivateExponentKey(bits, dBits, random, cancel);
        },
        [](const realsize::BigKey& key, const std::atomic<bool>& cancel) {
            return realsize::wienerAttack(key.n, key.e, cancel);
        },
        &BigAttackPanel::showWiener);
}

void BigAttackPanel::runFermat(int bits) {
    attackKey(
        bits, t::fermatButton, fill(t::makingCloseKey, {QString::number(bits)}),
        [bits](realsize::RandomSource& random, const std::atomic<bool>& cancel) {
            return realsize::closePrimesKey(bits, random, cancel);
        },
        [](const realsize::BigKey& key, const std::atomic<bool>& cancel) {
            return realsize::fermatAttack(key.n, fermatLargestSteps, cancel);
        },
        &BigAttackPanel::showFermat);
}

void BigAttackPanel::runSurvey(int count, int bits, int sharedPairs) {
    if (busy() || count < 1 || sharedPairs < 0) {
        return;
    }
    begin(t::surveyButton, fill(t::makingModuli, {whole(count), QString::number(bits)}));
    m_progress->setRange(0, 100);
    m_batch->clear();
    m_pairwise->clear();
    m_keysAxis->setRange(0, count);
    m_secondsAxis->setRange(0, 1);
    m_job.start([this, count, bits, sharedPairs](const std::atomic<bool>& cancel) {
        const auto stopped = [this] {
            m_job.post([this] { m_status->setText(text(t::attackStopped)); });
        };
        realsize::RandomSource random;
        // Making the primes is most of the work; the trees take the last tenth.
        const std::optional<realsize::PlantedModuli> planted = realsize::plantedModuli(
            static_cast<std::size_t>(count), bits, static_cast<std::size_t>(sharedPairs), random,
            cancel, [this](std::size_t made, std::size_t asked) {
                if (made % 50 == 0 || made == asked) {
                    const auto percent = static_cast<int>(90 * made / asked);
                    m_job.post([this, percent] { m_progress->setValue(percent); });
                }
            });
        if (!planted) {
            return stopped();
        }
        // The chart's points: an eighth, a quarter, half and all of them.
        std::optional<realsize::SharedPrimes> found;
        double seconds = 0;
        std::optional<double> pairwiseSeconds;
        for (const int divisor : {8, 4, 2, 1}) {
            const int some = count / divisor;
            if (some < 2 && divisor != 1) {
                continue;
            }
            const std::vector<mpz_class> first(planted->moduli.begin(),
                                               planted->moduli.begin() + some);
            const std::optional<double> batch =
                timed([&] { return (found = realsize::batchGcd(first, cancel)).has_value(); });
            std::optional<double> pairwise;
            if (batch && some <= largestPairwiseCount) {
                pairwise = timed([&] { return realsize::pairwiseGcd(first, cancel).has_value(); });
            }
            if (!batch || (some <= largestPairwiseCount && !pairwise)) {
                return stopped();
            }
            seconds = *batch;
            pairwiseSeconds = pairwise;
            const int percent = 90 + 10 / divisor;
            m_job.post([this, some, batch, pairwise, percent] {
                addTimes(some, *batch, pairwise);
                m_progress->setValue(percent);
            });
        }
        m_job.post([this, survey = Survey{count, bits, std::move(*found), seconds,
                                          pairwiseSeconds}] { showSurvey(survey); });
    });
}

void BigAttackPanel::cancel() {
    m_job.cancel();
}

QString BigAttackPanel::status() const {
    return m_status->text();
}

void BigAttackPanel::showWiener(const realsize::BigKey& key, const realsize::WienerAttack& attack,
                                double took) {
    m_progress->setRange(0, 100);
    m_progress->setValue(100);
    m_key = key;
    m_wiener = attack;
    const QString tried = QString::number(attack.rows.size());
    if (attack.end != realsize::AttackEnd::Found) {
        m_status->setText(fill(t::wienerNotFound, {tried}));
        return;
    }
    // The last convergent tried gave d.
    const QString convergent = QString::number(attack.rows.size() - 1);
    m_status->setText(fill(t::wienerFound, {convergent, milliseconds(took)}));
    m_details->setPlainText(
        fill(t::wienerDetails,
             {bitsOf(key.n), bitsOf(key.e), bitsOf(realsize::wienerBound(key.n)), bitsOf(key.d),
              convergent, digits(attack.d), digits(attack.p), digits(attack.q)}));
}

void BigAttackPanel::showFermat(const realsize::BigKey& key, const realsize::FermatAttack& attack,
                                double took) {
    m_progress->setRange(0, 100);
    m_progress->setValue(100);
    m_key = key;
    m_fermat = attack;
    const QString steps = QString::number(attack.steps);
    if (attack.end != realsize::AttackEnd::Found) {
        m_status->setText(fill(t::fermatNotFound, {steps}));
        return;
    }
    m_status->setText(fill(t::fermatFound, {steps, milliseconds(took)}));
    m_details->setPlainText(fill(t::fermatDetails, {bitsOf(key.n), QString::number(key.bits / 4),
                                                    steps, digits(attack.a), digits(attack.b),
                                                    digits(attack.p), digits(attack.q)}));
}

void BigAttackPanel::addTimes(int count, double batchSeconds,
                              std::optional<double> pairwiseSeconds) {
    m_batch->append(count, batchSeconds);
    double longest = batchSeconds;
    if (pairwiseSeconds) {
        m_pairwise->append(count, *pairwiseSeconds);
        longest = std::max(longest, *pairwiseSeconds);
    }
    m_secondsAxis->setRange(0, std::max(m_secondsAxis->max(), longest * 1.1));
    m_secondsAxis->applyNiceNumbers();
}

void BigAttackPanel::showSurvey(const Survey& survey) {
    m_progress->setValue(100);
    m_survey = survey;
    const int count = survey.count;
    const double took = survey.seconds;
    const std::vector<mpz_class>& gcds = survey.found.gcds;
    m_sharing = realsize::keysSharingAPrime(gcds);
    if (m_sharing->empty()) {
        m_status->setText(fill(t::surveyNone, {whole(count), seconds(took)}));
        return;
    }
    QStringList numbers, lines;
    for (const std::size_t key : *m_sharing) {
        numbers << QString::number(key + 1);
        lines << fill(t::sharedPrimeLine, {numbers.back(), digits(gcds[key])});
    }
    m_status->setText(fill(t::surveyFound, {whole(count), QString::number(m_sharing->size()),
                                            seconds(took), numbers.join(QStringLiteral(", "))}));
    m_details->setPlainText(lines.join(QLatin1Char('\n')));
}

} // namespace rsa
