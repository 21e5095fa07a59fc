#pragma once

// The exchange window's part for a message of Turkish letters: a classmate's
// key, the message, and the same four acts as for a card (send, receive,
// sign, verify) with one box of blocks they share, a save and an open
// button, the letter table, and, after a long received message, how often
// each block occurs beside how often letters occur in Turkish text. It
// renders what exchange/TextMessages.h computes; my key, the wording of a
// refusal, the step window and saving are the exchange window's, handed in.

#include "exchange/Refusal.h"
#include "exchange/TextMessages.h"
#include "explain/Section.h"

#include <QGroupBox>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace rsa {

struct TextPartHost {
    std::function<std::optional<exchange::KeyPair>()> myKey;
    std::function<void(QLabel*, const exchange::Refusal&, const char*)> refuse;
    explain::SectionSink explain;
    std::function<bool(const char* filter, const std::string& bytes)> save;
    std::function<std::optional<std::string>(const std::string& filter)> chooseFile;
};

class TextPart : public QGroupBox {
    Q_OBJECT

public:
    TextPart(TextPartHost host, QWidget* parent);

    // A .SIG file fills the message and the blocks and verifies them; any
    // other file's blocks are received.
    void openFile(const QString& path);

    // The blocks of the last received message, most frequent first; empty
    // before a receive.
    const std::vector<std::pair<std::uint32_t, std::size_t>>& lastCounts() const {
        return m_counts;
    }

private:
    void send();
    void receive();
    void receiveBlocks(const exchange::BlockList& cipher);
    void sign();
    void verify();
    void saveBlocks();
    void openDialog();
    void explainPacking(std::uint32_t n, const exchange::TextBlocks& blocks);
    void showFrequencies(const exchange::BlockList& cipher);
    bool refused(const exchange::Refusal& refusal, const char* act);

    TextPartHost m_host;
    std::optional<std::pair<const char*, std::string>> m_toSave; // filter and bytes
    std::vector<std::pair<std::uint32_t, std::size_t>> m_counts;

    QLineEdit* m_e;
    QLineEdit* m_n;
    QLineEdit* m_message;
    QPlainTextEdit* m_blocks;
    QLineEdit* m_received;
    QLabel* m_sentence;
    QLabel* m_frequencies;
};

} // namespace rsa
