#pragma once

// The key part of the real-size window: a size from 64 to 4096 bits,
// "Anahtar üret" with a progress bar and "İptal" while the primes are sought
// off the GUI thread, then p, q, n, e and d in full, wrapped, each with its
// digit and bit counts, and how long the key took.

#include "realsize/BigKey.h"
#include "realsizewindow/BackgroundJob.h"

#include <QGroupBox>

#include <optional>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace rsa {

class KeyPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit KeyPanel(QWidget* parent = nullptr);

    // As choosing `bits` and pressing "Anahtar üret"; sizes not offered are ignored.
    void generate(int bits);
    void cancel();
    bool busy() const { return m_job.running(); }
    const std::optional<realsize::BigKey>& key() const { return m_key; }
    QString status() const;

signals:
    void keyMade();
    // A generation ended, with a key or cancelled.
    void finished();

private:
    void show(const realsize::BigKey& key, double seconds);

    QComboBox* m_size;
    QPushButton* m_generate;
    QPushButton* m_cancel;
    QProgressBar* m_progress;
    QLabel* m_status;
    QPlainTextEdit* m_numbers;
    BackgroundJob m_job;
    std::optional<realsize::BigKey> m_key;
};

} // namespace rsa
