#include "attackswindow/AttacksWindow.h"

#include "attacks/Attack.h"
#include "attacks/KeyList.h"
#include "exchange/ExchangeKey.h"
#include "reading/WholeNumber.h"
#include "stepwindow/DocumentWriter.h"
#include "texts/AttackTexts.h"
#include "texts/ExchangeTexts.h"
#include "window/MainWindow.h"
#include "window/PlainTextBox.h"
#include "window/QtText.h"
#include "window/Translations.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextCursor>
#include <QVBoxLayout>

#include <cmath>

namespace rsa {

namespace {

namespace text = texts::attacks;
using attacks::AttackId;

constexpr qsizetype mostPastedInList = 20000;

// What an attack recovered, as the learner reads it: "p = 101, q = 103,
// 1 adımda"; a factored modulus as "187 = 11 · 17", or by the line of the
// key list it was on.
QString foundLine(const attacks::Outcome& outcome, bool fromKeyList) {
    QStringList pieces;
    for (const auto& [key, value] : outcome.found) {
        const QString shown = toQt(value).replace(QLatin1Char('*'), QStringLiteral(" · "));
        if (key == "steps") {
            pieces << filled(text::foundSteps, {shown});
        } else if (key == "skipped") {
            pieces << filled(text::foundSkipped,
                             {shown.split(QLatin1Char(',')).join(QStringLiteral(", "))});
        } else if (fromKeyList) {
            pieces << filled(text::foundKeyOnLine, {toQt(key), shown});
        } else {
            pieces << toQt(key) + QStringLiteral(" = ") + shown;
        }
    }
    return filled(text::foundLine, {pieces.join(QStringLiteral("; "))});
}

QPushButton* button(const char* caption, const char* name, QWidget* parent) {
    auto* made = new QPushButton(translated(caption), parent);
    made->setObjectName(QString::fromLatin1(name));
    return made;
}

} // namespace

AttacksWindow::AttacksWindow(MainWindow& main, explain::SectionSink explain)
    : m_main(main), m_explain(std::move(explain)), m_list(new QComboBox(this)),
      m_order(new QLabel(this)), m_numbers(new QLineEdit(this)), m_result(new QLabel(this)),
      m_steps(new QTextBrowser(this)), m_listPart(new QWidget(this)),
      m_keyList(new PlainTextBox(m_listPart)) {
    setObjectName(QStringLiteral("attacksWindow"));
    setWindowTitle(translated(text::windowTitle));
    m_list->setObjectName(QStringLiteral("attackList"));
    m_list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_list->setMinimumContentsLength(24);
    for (const AttackId attack : attacks::allAttacks) {
        m_list->addItem(translated(attacks::displayName(attack)),
                        QString::fromLatin1(attacks::driverName(attack)));
    }
    m_numbers->setObjectName(QStringLiteral("attackNumbers"));
    m_numbers->setToolTip(translated(text::numbersTip));
    m_result->setObjectName(QStringLiteral("attackResult"));
    m_result->setWordWrap(true);
    m_order->setWordWrap(true);
    m_result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_steps->setObjectName(QStringLiteral("attackSteps"));

    auto* ready = button(text::readyExample, "attackReady", this);
    auto* failing = button(text::failingExample, "attackFailing", this);
    auto* random = button(text::randomExample, "attackRandom", this);
    auto* mainKey = button(text::mainWindowKey, "attackMainKey", this);
    auto* run = button(text::run, "attackRun", this);
    run->setToolTip(translated(text::runTip));
    run->setDefault(true);

    auto* form = new QGridLayout;
    auto* listLabel = new QLabel(translated(text::listLabel), this);
    listLabel->setBuddy(m_list);
    form->addWidget(listLabel, 0, 0);
    form->addWidget(m_list, 0, 1);
    auto* numbersLabel = new QLabel(translated(text::numbersLabel), this);
    numbersLabel->setBuddy(m_numbers);
    form->addWidget(numbersLabel, 1, 0);
    form->addWidget(m_order, 1, 1);
    form->addWidget(m_numbers, 2, 1);
    // Two rows of buttons, so that the window fits beside the main one on
    // a 1366-pixel screen.
    auto* examples = new QGridLayout;
    examples->addWidget(ready, 0, 0);
    examples->addWidget(failing, 0, 1);
    examples->addWidget(random, 0, 2);
    examples->addWidget(mainKey, 1, 0);
    examples->addWidget(run, 1, 2);
    // A class's key lines, shown with the shared-prime attack only.
    m_keyList->setObjectName(QStringLiteral("attackKeyList"));
    m_keyList->setToolTip(translated(text::keyListTip));
    m_keyList->setPlaceholderText(toQt(exchange::publicKeyLine({17, 3233})));
    m_keyList->setMaximumHeight(6 * fontMetrics().lineSpacing());
    // A class's list is a few thousand characters; a pasted page of one
    // unbroken line would keep the window busy laying it out.
    m_keyList->limitPastes(mostPastedInList, [this](qsizetype length) {
        showRefusal(filled(text::keyListPasteTooLong,
                           {QString::number(length), QString::number(mostPastedInList)}));
    });
    auto* keyListLabel = new QLabel(translated(text::keyListLabel), m_listPart);
    keyListLabel->setWordWrap(true);
    keyListLabel->setBuddy(m_keyList);
    auto* openList = button(text::openKeyList, "attackOpenList", m_listPart);
    auto* runList = button(text::runKeyList, "attackRunList", m_listPart);
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(openList);
    listButtons->addStretch();
    listButtons->addWidget(runList);
    auto* list = new QVBoxLayout(m_listPart);
    list->setContentsMargins(0, 0, 0, 0);
    list->addWidget(keyListLabel);
    list->addWidget(m_keyList);
    list->addLayout(listButtons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(examples);
    layout->addWidget(m_listPart);
    layout->addWidget(m_result);
    layout->addWidget(m_steps, 1);

    connect(m_list, &QComboBox::currentIndexChanged, this, &AttacksWindow::chooseAttack);
    connect(ready, &QPushButton::clicked, this, [this] {
        fillExample(attacks::readyExample(attacks::allAttacks[m_list->currentIndex()]));
    });
    connect(failing, &QPushButton::clicked, this, [this] {
        fillExample(attacks::failingExample(attacks::allAttacks[m_list->currentIndex()]));
    });
    connect(random, &QPushButton::clicked, this, [this] {
        fillExample(attacks::randomExample(attacks::allAttacks[m_list->currentIndex()]));
    });
    connect(mainKey, &QPushButton::clicked, this, &AttacksWindow::takeMainKey);
    connect(run, &QPushButton::clicked, this, &AttacksWindow::runAttack);
    connect(m_numbers, &QLineEdit::returnPressed, this, &AttacksWindow::runAttack);
    connect(openList, &QPushButton::clicked, this, &AttacksWindow::openKeyList);
    connect(runList, &QPushButton::clicked, this, &AttacksWindow::runKeyList);
    chooseAttack();
}

QSize AttacksWindow::sizeHint() const {
    return {540, 560};
}

void AttacksWindow::chooseAttack() {
    const AttackId attack = attacks::allAttacks[m_list->currentIndex()];
    m_order->setText(translated(attacks::inputOrder(attack)));
    m_listPart->setVisible(attack == AttackId::Shared);
    fillExample(attacks::readyExample(attack));
}

void AttacksWindow::fillExample(std::vector<std::uint64_t> numbers) {
    QStringList words;
    for (const std::uint64_t number : numbers) {
        words << QString::number(number);
    }
    m_numbers->setText(words.join(QLatin1Char(' ')));
}

// The main window's key gives the public numbers an attacker on it starts
// from: n for the factoring attacks, n and e where e is used.
void AttacksWindow::takeMainKey() {
    const auto& key = m_main.variables().key;
    const AttackId attack = attacks::allAttacks[m_list->currentIndex()];
    if (!key || attack == AttackId::Shared || attack == AttackId::Hastad) {
        showRefusal(translated(text::noMainKey));
        return;
    }
    const auto n = static_cast<std::uint64_t>(std::llround(key->p.toNumber() * key->q.toNumber()));
    const auto e = static_cast<std::uint64_t>(std::llround(key->e.toNumber()));
    if (attack == AttackId::Fermat) {
        fillExample({n});
    } else if (attack == AttackId::PMinus1) {
        fillExample({n, 10});
    } else {
        fillExample({n, e});
    }
}

void AttacksWindow::runAttack() {
    const AttackId attack = attacks::allAttacks[m_list->currentIndex()];
    const auto read = attacks::readNumbers(fromQt(m_numbers->text()));
    const attacks::Outcome outcome =
        std::holds_alternative<attacks::Refusal>(read)
            ? attacks::refusedOutcome(attack, std::get<attacks::Refusal>(read), &inLanguageInUse)
            : attacks::runAttack(attack, std::get<std::vector<std::uint64_t>>(read),
                                 &inLanguageInUse);
    showOutcome(outcome, false);
}

void AttacksWindow::openKeyList() {
    const std::optional<std::string> path =
        m_main.interaction().chooseFileToRead(translatedMessage(text::keyListFilter) + '|' +
                                              translatedMessage(texts::exchange::allFilesFilter));
    if (!path) {
        return;
    }
    const auto read = attacks::readKeyListFile(*path);
    if (const auto* refusal = std::get_if<attacks::Refusal>(&read)) {
        showOutcome(attacks::refusedOutcome(AttackId::Shared, *refusal, &inLanguageInUse), true);
        return;
    }
    m_keyList->setPlainText(toQt(std::get<std::string>(read)));
    runKeyList();
}

void AttacksWindow::runKeyList() {
    showOutcome(attacks::runKeyList(attacks::readKeyList(fromQt(m_keyList->toPlainText())),
                                    &inLanguageInUse),
                true);
}

void AttacksWindow::showRefusal(const QString& sentence) {
    m_result->setProperty("refused", true);
    m_result->setProperty("found", QString());
    m_result->setText(sentence);
    m_steps->clear();
}

void AttacksWindow::showOutcome(const attacks::Outcome& outcome, bool fromKeyList) {
    m_result->setProperty("refused", outcome.refusal.has_value());
    // What was found as KEY=VALUE pairs, as the scenario driver prints it.
    m_result->setProperty("found", toQt(attacks::foundText(outcome)));
    m_result->setText(outcome.refusal ? toQt(texts::word(*outcome.refusal, &inLanguageInUse))
                                      : foundLine(outcome, fromKeyList));
    // As the handout prints it: plain titles, every paragraph; nothing here
    // folds.
    m_steps->clear();
    QTextCursor cursor(m_steps->document());
    // One edit: the view lays the section out once, not after every cell.
    cursor.beginEditBlock();
    stepwindow::writeSectionTitle(cursor, toQt(outcome.section.title));
    for (const explain::Group& group : outcome.section.groups) {
        stepwindow::writeGroup(cursor, group, QString(), {stepwindow::Medium::Print, {}});
    }
    cursor.endEditBlock();
    if (m_explain) {
        m_explain(outcome.section);
    }
}

} // namespace rsa
