#pragma once

// The text part of the real-size window: a sentence encrypted twice with
// textbook RSA and twice with RSA-OAEP under the key just made, the two pairs
// of cipher texts side by side with whether each pair is equal, and the four
// decryptions. A refusal is one sentence in the same place.

#include "realsize/TextCipher.h"
#include "realsizewindow/BackgroundJob.h"

#include <QGroupBox>

#include <optional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace rsa {

class TextPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit TextPanel(QWidget* parent = nullptr);

    void setKey(const std::optional<realsize::BigKey>& key);
    // As typing `sentence` and pressing "Şifrele".
    void encrypt(const QString& sentence);
    bool busy() const { return m_job.running(); }
    // The last contrast, or nothing after a refusal.
    const std::optional<realsize::TextContrast>& contrast() const { return m_contrast; }
    // The refusal sentence, or the status shown.
    QString status() const;

signals:
    void finished();

private:
    void show(const realsize::TextOutcome& outcome);
    void refuse(const QString& sentence);

    QLineEdit* m_sentence;
    QPushButton* m_encrypt;
    QLabel* m_status;
    QPlainTextEdit* m_result;
    BackgroundJob m_job;
    std::optional<realsize::BigKey> m_key;
    std::optional<realsize::TextContrast> m_contrast;
};

} // namespace rsa
