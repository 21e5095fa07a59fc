#pragma once

// The attacks part of the real-size window: keys made badly on purpose and
// broken at their real size, off the GUI thread with a progress bar and
// "İptal". "Wiener" makes a key of the chosen size whose d is below Wiener's
// bound and finds d from e and n alone; "Fermat" makes one whose primes share
// their top half and factors n. "Ortak asalları ara" makes N moduli of 1024
// bits among which some pairs share a prime, finds them with the batch GCD,
// and charts its time against N beside the gcd of every pair (for the
// smaller counts only).

#include "realsize/BatchGcd.h"
#include "realsize/BigAttacks.h"
#include "realsize/BigKey.h"
#include "realsizewindow/BackgroundJob.h"

#include <QGroupBox>

#include <cstddef>
#include <optional>
#include <vector>

class QChart;
class QGridLayout;
class QComboBox;
class QLabel;
class QLineSeries;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QValueAxis;

namespace rsa {

class BigAttackPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit BigAttackPanel(QWidget* parent = nullptr);

    // As choosing `bits` and pressing the attack's button; sizes not offered
    // are ignored.
    void runWiener(int bits);
    void runFermat(int bits);
    // As "Ortak asalları ara" with `count` moduli of `bits` bits (the window
    // offers 1024), `sharedPairs` of them sharing a prime.
    void runSurvey(int count, int bits, int sharedPairs);
    void cancel();
    bool busy() const { return m_job.running(); }
    // The survey's chart and its note to the right of the attacks, or all
    // in one column for a narrow window.
    void arrange(bool oneColumn);

    // A search for shared primes: how many moduli of how many bits, what the
    // batch GCD found in how many seconds, and how long the gcd of every pair
    // took when it was measured.
    struct Survey {
        int count = 0;
        int bits = 0;
        realsize::SharedPrimes found;
        double seconds = 0;
        std::optional<double> pairwiseSeconds;
    };

    // The last attack's outcome, and for Wiener and Fermat the key it broke
    // or tried to; empty while none has ended.
    const std::optional<realsize::BigKey>& key() const { return m_key; }
    const std::optional<realsize::WienerAttack>& wiener() const { return m_wiener; }
    const std::optional<realsize::FermatAttack>& fermat() const { return m_fermat; }
    // The positions (from 0) of the moduli whose primes the last search found.
    const std::optional<std::vector<std::size_t>>& sharing() const { return m_sharing; }
    const std::optional<Survey>& survey() const { return m_survey; }
    QString status() const;
    // The name of the button whose attack ran last.
    QString attackName() const { return m_attackName; }

signals:
    // An attack ended, with a result, cancelled or failed.
    void finished();

private:
    // `attack` is the button's text.
    void begin(const char* attack, const QString& doing);
    // Makes a key with make(random, cancel) off the GUI thread, breaks it
    // with attack(key, cancel) and shows what came of it with `show`.
    template <typename Make, typename Break, typename Show>
    void attackKey(int bits, const char* button, const QString& doing, Make make, Break attack,
                   Show show);
    void showWiener(const realsize::BigKey& key, const realsize::WienerAttack& attack,
                    double seconds);
    void showFermat(const realsize::BigKey& key, const realsize::FermatAttack& attack,
                    double seconds);
    void addTimes(int count, double batchSeconds, std::optional<double> pairwiseSeconds);
    void showSurvey(const Survey& survey);

    QComboBox* m_size;
    QPushButton* m_wienerButton;
    QPushButton* m_fermatButton;
    QComboBox* m_count;
    QSpinBox* m_pairs;
    QPushButton* m_surveyButton;
    QPushButton* m_cancel;
    QProgressBar* m_progress;
    QLabel* m_status;
    QPlainTextEdit* m_details;
    QChart* m_chart;
    QValueAxis* m_keysAxis;
    QValueAxis* m_secondsAxis;
    QLineSeries* m_batch;
    QLineSeries* m_pairwise;
    QString m_attackName;
    BackgroundJob m_job;
    std::optional<realsize::BigKey> m_key;
    std::optional<realsize::WienerAttack> m_wiener;
    std::optional<realsize::FermatAttack> m_fermat;
    std::optional<std::vector<std::size_t>> m_sharing;
    std::optional<Survey> m_survey;
    struct Cell {
        int row, column, rows, columns;
    };
    struct Place {
        QWidget* widget;
        Cell wide, narrow;
    };
    std::vector<Place> m_places;
    QGridLayout* m_grid = nullptr;
};

} // namespace rsa
