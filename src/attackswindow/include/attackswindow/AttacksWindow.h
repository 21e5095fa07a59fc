#pragma once

// The attacks window ("Saldırılar", --saldirilar): the list of attacks, the
// numbers to run one on (its worked example, the example where it fails, a
// new random one, the main window's key, or typed), what it recovered or why
// it refused, and its steps, which it also sends to the step window. The
// shared-prime attack also takes a class's list of key lines, pasted or
// opened from a text file. It only renders what the attacks library gives.

#include "attacks/Attack.h"
#include "explain/Section.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QTextBrowser;

namespace rsa {

class MainWindow;
class PlainTextBox;

class AttacksWindow final : public QWidget {
    Q_OBJECT
public:
    explicit AttacksWindow(MainWindow& main, explain::SectionSink explain = {});

    QSize sizeHint() const override;

private:
    void chooseAttack();
    void fillExample(std::vector<std::uint64_t> numbers);
    void takeMainKey();
    void runAttack();
    void openKeyList();
    void runKeyList();
    // What the attack found or why it refused, its steps here and in the
    // step window; nothing of the run before stays.
    // fromKeyList: the moduli recovered are named by their line of the list.
    void showOutcome(const attacks::Outcome& outcome, bool fromKeyList);
    // A refusal before any attack ran: no steps stay from an earlier one.
    void showRefusal(const QString& sentence);

    MainWindow& m_main;
    explain::SectionSink m_explain;
    QComboBox* m_list;
    QLabel* m_order;
    QLineEdit* m_numbers;
    QLabel* m_result;
    QTextBrowser* m_steps;
    QWidget* m_listPart;
    PlainTextBox* m_keyList;
};

} // namespace rsa
