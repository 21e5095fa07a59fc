#pragma once

// The attacks window ("Saldırılar", --saldirilar): the list of attacks, the
// numbers to run one on (its worked example, the example where it fails, a
// new random one, the main window's key, or typed), what it recovered or why
// it refused, and its steps, which it also sends to the step window. It only
// renders what the attacks library gives.

#include "explain/Section.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QTextBrowser;

namespace rsa {

class MainWindow;

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

    MainWindow& m_main;
    explain::SectionSink m_explain;
    QComboBox* m_list;
    QLabel* m_order;
    QLineEdit* m_numbers;
    QLabel* m_result;
    QTextBrowser* m_steps;
};

} // namespace rsa
