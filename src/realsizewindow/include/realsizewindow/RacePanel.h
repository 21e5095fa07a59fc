#pragma once

// The race part of the real-size window: "Başlat" factors a fresh balanced n
// at 32, 40, 48, ... bits off the GUI thread and plots each measured time on
// a chart with a logarithmic time axis, until "Durdur", the size asked for, or
// a point longer than the limit (20 s unless changed). Then the chart adds the
// extrapolation from the RSA-250 record to 512, 1024 and 2048 bits, labelled
// as an estimate, and one sentence says what 2048 bits would take.

#include "realsize/FactoringRace.h"
#include "realsizewindow/BackgroundJob.h"

#include <QGroupBox>

#include <vector>

class QChart;
class QLabel;
class QLineSeries;
class QPushButton;
class QScatterSeries;
class QSpinBox;

namespace rsa {

class RacePanel : public QGroupBox {
    Q_OBJECT

public:
    explicit RacePanel(QWidget* parent = nullptr);

    // As "Başlat"; the race goes up to `uptoBits` (at most 512).
    void start(int uptoBits = 512);
    void stop();
    bool busy() const { return m_job.running(); }
    const std::vector<realsize::RacePoint>& points() const { return m_points; }
    QString status() const;
    QString verdict() const;

signals:
    void pointMeasured();
    void finished();

private:
    void addPoint(const realsize::RacePoint& point);
    void end(realsize::RaceEnd how, int lastBits);
    void drawExtrapolation();

    QSpinBox* m_limit;
    QPushButton* m_start;
    QPushButton* m_stop;
    QLabel* m_status;
    QLabel* m_verdict;
    QChart* m_chart;
    QLineSeries* m_measured;
    QLineSeries* m_extrapolated;
    QScatterSeries* m_extrapolatedMarks;
    QScatterSeries* m_record;
    BackgroundJob m_job;
    std::vector<realsize::RacePoint> m_points;
};

} // namespace rsa
