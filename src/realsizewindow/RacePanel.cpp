#include "realsizewindow/RacePanel.h"

#include "realsize/Extrapolation.h"
#include "realsizewindow/RealSizeFormat.h"
#include "texts/RealSizeTexts.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QSpinBox>
#include <QValueAxis>

#include <cmath>

namespace rsa {

namespace t = texts::realsize;
using namespace realsizeformat;

namespace {

constexpr int defaultLimitSeconds = 20;
constexpr int largestRaceBits = 512;
// The time axis spans a tenth of a millisecond to beyond 10^23 seconds, so
// that the measured points and 2048 bits share one chart. Points are placed
// by the power of ten of their seconds, and the axis names its marks in
// units a learner knows.
constexpr double shortestSeconds = 1e-4;
constexpr double longestSeconds = 1e24;
constexpr int curveStepBits = 32;

double logSeconds(double seconds) {
    return std::log10(std::max(seconds, shortestSeconds));
}

double coreYearsLogSeconds(int bits) {
    return logSeconds(realsize::extrapolatedCoreYears(bits) * realsize::secondsPerYear);
}

} // namespace

RacePanel::RacePanel(QWidget* parent)
    : QGroupBox(text(t::raceGroup), parent), m_limit(new QSpinBox(this)),
      m_start(new QPushButton(text(t::start), this)), m_stop(new QPushButton(text(t::stop), this)),
      m_status(new QLabel(this)), m_verdict(new QLabel(this)), m_chart(new QChart),
      m_measured(new QLineSeries), m_extrapolated(new QLineSeries),
      m_extrapolatedMarks(new QScatterSeries), m_record(new QScatterSeries) {
    setObjectName(QStringLiteral("racePanel"));
    m_limit->setObjectName(QStringLiteral("raceLimit"));
    m_limit->setRange(1, 600);
    m_limit->setValue(defaultLimitSeconds);
    m_limit->setSuffix(text(t::secondsSuffix));
    m_start->setObjectName(QStringLiteral("startRace"));
    m_stop->setObjectName(QStringLiteral("stopRace"));
    m_stop->setEnabled(false);
    m_status->setWordWrap(true);
    m_verdict->setWordWrap(true);
    m_verdict->setObjectName(QStringLiteral("verdict"));
    QFont bold = m_verdict->font();
    bold.setBold(true);
    m_verdict->setFont(bold);

    m_measured->setName(text(t::measured));
    m_measured->setPointsVisible(true);
    m_extrapolated->setName(text(t::extrapolated));
    QPen dashed = m_extrapolated->pen();
    dashed.setStyle(Qt::DashLine);
    dashed.setWidth(2);
    m_extrapolated->setPen(dashed);
    m_extrapolatedMarks->setColor(dashed.color());
    m_extrapolatedMarks->setMarkerSize(9);
    m_record->setName(text(t::record));
    m_record->setMarkerSize(11);
    auto* bitsAxis = new QValueAxis;
    bitsAxis->setTitleText(text(t::axisBits));
    bitsAxis->setRange(0, 2100);
    bitsAxis->setTickCount(8);
    bitsAxis->setLabelFormat(QStringLiteral("%.0f"));
    auto* timeAxis = new QCategoryAxis;
    timeAxis->setTitleText(text(t::axisTime));
    timeAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    timeAxis->setStartValue(logSeconds(shortestSeconds));
    for (const auto& [seconds, label] : timeMarks()) {
        timeAxis->append(label, logSeconds(seconds));
    }
    timeAxis->setRange(logSeconds(shortestSeconds), logSeconds(longestSeconds));
    // The bits axis writes 1.200 in Turkish, as the texts do.
    m_chart->setLocalizeNumbers(true);
    m_chart->setLocale(numberLocale());
    m_chart->addAxis(bitsAxis, Qt::AlignBottom);
    m_chart->addAxis(timeAxis, Qt::AlignLeft);
    for (QXYSeries* series :
         {static_cast<QXYSeries*>(m_measured), static_cast<QXYSeries*>(m_extrapolated),
          static_cast<QXYSeries*>(m_extrapolatedMarks), static_cast<QXYSeries*>(m_record)}) {
        m_chart->addSeries(series);
        series->attachAxis(bitsAxis);
        series->attachAxis(timeAxis);
    }
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    // The marks of 512, 1024 and 2048 bits belong to the estimate's entry.
    m_chart->legend()->markers(m_extrapolatedMarks).first()->setVisible(false);
    auto* view = new QChartView(m_chart, this);
    view->setObjectName(QStringLiteral("raceChart"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(420, 320);

    auto* intro = new QLabel(text(t::raceIntro), this);
    intro->setWordWrap(true);
    auto* note = new QLabel(fill(t::chartNote, {aboutWhole(realsize::recordCoreYears)}), this);
    note->setWordWrap(true);
    auto* limitLabel = new QLabel(text(t::limit), this);
    limitLabel->setBuddy(m_limit);
    auto* layout = new QGridLayout(this);
    layout->addWidget(intro, 0, 0, 1, 4);
    layout->addWidget(limitLabel, 1, 0);
    layout->addWidget(m_limit, 1, 1);
    layout->addWidget(m_start, 1, 2);
    layout->addWidget(m_stop, 1, 3);
    layout->addWidget(m_status, 2, 0, 1, 4);
    layout->addWidget(view, 3, 0, 1, 4);
    layout->addWidget(note, 4, 0, 1, 4);
    layout->addWidget(m_verdict, 5, 0, 1, 4);
    layout->setRowStretch(3, 1);
    layout->setColumnStretch(1, 1);

    connect(m_start, &QPushButton::clicked, this, [this] { start(); });
    connect(m_stop, &QPushButton::clicked, this, &RacePanel::stop);
    connect(&m_job, &BackgroundJob::failed, m_status, &QLabel::setText);
    connect(&m_job, &BackgroundJob::finished, this, [this] {
        m_start->setEnabled(true);
        m_stop->setEnabled(false);
        m_limit->setEnabled(true);
        emit finished();
    });
}

void RacePanel::start(int uptoBits) {
    if (busy()) {
        return;
    }
    m_points.clear();
    m_measured->clear();
    m_extrapolated->clear();
    m_extrapolatedMarks->clear();
    m_record->clear();
    m_verdict->clear();
    m_status->clear();
    m_start->setEnabled(false);
    m_stop->setEnabled(true);
    m_limit->setEnabled(false);
    realsize::RaceOptions options;
    options.uptoBits = std::min(uptoBits, largestRaceBits);
    options.pointLimit = std::chrono::seconds(m_limit->value());
    m_job.start([this, options](const std::atomic<bool>& cancel) {
        realsize::RandomSource random;
        int lastBits = realsize::raceFirstBits;
        const realsize::RaceEnd how =
            realsize::runRace(options, random, cancel, [&](const realsize::RacePoint& point) {
                lastBits = point.bits + realsize::raceStepBits;
                m_job.post([this, point] { addPoint(point); });
            });
        m_job.post([this, how, lastBits] { end(how, lastBits); });
    });
}

void RacePanel::stop() {
    m_job.cancel();
}

QString RacePanel::status() const {
    return m_status->text();
}

QString RacePanel::verdict() const {
    return m_verdict->text();
}

void RacePanel::addPoint(const realsize::RacePoint& point) {
    m_points.push_back(point);
    m_measured->append(point.bits, logSeconds(point.seconds.count()));
    m_status->setText(
        fill(t::racePoint, {QString::number(point.bits), seconds(point.seconds.count())}));
    emit pointMeasured();
}

void RacePanel::end(realsize::RaceEnd how, int lastBits) {
    switch (how) {
    case realsize::RaceEnd::Reached:
        m_status->setText(
            fill(t::raceReached, {QString::number(m_points.empty() ? 0 : m_points.back().bits)}));
        break;
    case realsize::RaceEnd::Cancelled:
        m_status->setText(text(t::raceStopped));
        break;
    case realsize::RaceEnd::LimitExceeded:
        m_status->setText(
            fill(t::raceLimit, {QString::number(lastBits), QString::number(m_limit->value())}));
        break;
    }
    drawExtrapolation();
}

void RacePanel::drawExtrapolation() {
    // The curve between the marked sizes is drawn too, so that it passes
    // through the record it was scaled from.
    const std::vector<int>& marked = realsize::extrapolatedSizes();
    for (int bits = marked.front(); bits <= marked.back(); bits += curveStepBits) {
        m_extrapolated->append(bits, coreYearsLogSeconds(bits));
    }
    for (const int bits : marked) {
        m_extrapolatedMarks->append(bits, coreYearsLogSeconds(bits));
    }
    m_record->append(realsize::recordBits, coreYearsLogSeconds(realsize::recordBits));
    const double years = realsize::extrapolatedCoreYears(2048);
    m_verdict->setText(fill(t::verdict2048, {powerOfTen(years), aboutWhole(years / 1e6)}));
}

} // namespace rsa
