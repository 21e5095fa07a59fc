#include "exercisewindow/ExerciseWindow.h"

#include "attacks/Attack.h"
#include "exercise/Guidance.h"
#include "explain/TaskExplanation.h"
#include "texts/ExerciseTexts.h"
#include "window/QtInteraction.h"
#include "window/QtText.h"
#include "window/Translations.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace rsa {

namespace {

namespace words = rsa::texts::exercise;
using exercise::Answer;
using exercise::AnswerState;
using exercise::Kind;
using exercise::Level;

QString objectNameOf(const char* prefix, Answer answer) {
    return QString::fromLatin1(prefix) + QLatin1Char('_') +
           QString::fromLatin1(exercise::answerName(answer));
}

QLabel* wrappedLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

const char* levelCaption(Level level) {
    static const char* const captions[] = {words::levelKolay, words::levelOrta, words::levelZor};
    return captions[static_cast<int>(level)];
}

// The givens wrap between two of them, never inside "p = 7" (no-break
// spaces), so that a narrow window beside the main one needs no scrolling.
std::string givensText(const exercise::Task& task) {
    std::string text;
    for (const exercise::Given& given : exercise::givensOf(task)) {
        for (std::size_t i = 0; i < given.values.size(); ++i) {
            text += (text.empty() ? "" : "\u00A0\u00A0  ") + given.symbols[i] + "\u00A0=\u00A0" +
                    std::to_string(given.values[i]);
        }
    }
    return text;
}

QString titleOf(const exercise::TaskCode& code) {
    const QString level = translated(levelCaption(code.level));
    if (const auto attack = exercise::attackOf(code.kind)) {
        return filled(words::attackTitle,
                      {toQt(code.text()), level, translated(attacks::displayName(*attack))});
    }
    return filled(code.kind == Kind::Task ? words::taskTitle : words::attackerTitle,
                  {toQt(code.text()), level});
}

QPalette markPalette(const QWidget* mark, const QColor& color) {
    QPalette palette = mark->palette();
    palette.setColor(QPalette::WindowText, color);
    return palette;
}

} // namespace

ExerciseWindow::ExerciseWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Alistirma"));
    setWindowTitle(translated(words::windowTitle));
    // Closing the main window ends the program; this one only goes away.
    setAttribute(Qt::WA_QuitOnClose, false);
    // Read from the back of a classroom.
    QFont large = font();
    large.setPointSizeF(std::max<qreal>(large.pointSizeF() * 1.5, 15));
    setFont(large);

    auto* choices = new QHBoxLayout;
    choices->addWidget(new QLabel(translated(words::levelLabel), this));
    m_level = new QComboBox(this);
    m_level->setObjectName(QStringLiteral("level"));
    for (Level level : {Level::Kolay, Level::Orta, Level::Zor}) {
        m_level->addItem(translated(levelCaption(level)));
    }
    choices->addWidget(m_level);
    const auto button = [this](const char* caption, const char* name) {
        auto* made = new QPushButton(translated(caption), this);
        made->setObjectName(QString::fromLatin1(name));
        return made;
    };
    QPushButton* newTask = button(words::newTaskButton, "newTask");
    connect(newTask, &QPushButton::clicked, this, [this] { openNewTask(Kind::Task); });
    choices->addWidget(newTask);
    QPushButton* attacker = button(words::attackerButton, "attackerTask");
    connect(attacker, &QPushButton::clicked, this,
            [this] { openNewTask(static_cast<Kind>(m_attack->currentData().toInt())); });
    choices->addWidget(attacker);
    choices->addStretch();
    // Which attacker, on a line of its own (the attacks' names are long, and
    // the window stands beside the main one): the one who factors n by trial
    // division, or an attack's.
    auto* attackLine = new QHBoxLayout;
    m_attack = new QComboBox(this);
    m_attack->setObjectName(QStringLiteral("attack"));
    m_attack->addItem(translated(words::factoringChoice), static_cast<int>(Kind::Attacker));
    for (Kind kind : exercise::attackKinds) {
        m_attack->addItem(translated(attacks::displayName(*exercise::attackOf(kind))),
                          static_cast<int>(kind));
    }
    attackLine->addWidget(m_attack);
    attackLine->addStretch();
    // The code on a line of its own: the window stands beside the main one.
    auto* codeLine = new QHBoxLayout;
    codeLine->addWidget(new QLabel(translated(words::codeLabel), this));
    m_codeBox = new QLineEdit(this);
    m_codeBox->setObjectName(QStringLiteral("codeBox"));
    m_codeBox->setAccessibleName(translated(words::codeLabel));
    m_codeBox->setMinimumWidth(QFontMetrics(large).horizontalAdvance(QStringLiteral("WWWWWWWWWW")));
    codeLine->addWidget(m_codeBox);
    QPushButton* openCodeButton = button(words::openCodeButton, "openCode");
    const auto openTyped = [this] { openCode(fromQt(m_codeBox->text())); };
    connect(openCodeButton, &QPushButton::clicked, this, openTyped);
    connect(m_codeBox, &QLineEdit::returnPressed, this, openTyped);
    codeLine->addWidget(openCodeButton);
    m_teacherButton = button(words::teacherButton, "teacherView");
    m_teacherButton->setCheckable(true);
    m_teacherButton->hide(); // only in a teacher's window
    connect(m_teacherButton, &QPushButton::toggled, this, &ExerciseWindow::setTeacherView);
    codeLine->addWidget(m_teacherButton);
    codeLine->addStretch();

    // Everything scrolls, so that wrapped sentences always get the lines they
    // need, at any scale, and the window can stand beside the main window on
    // any screen.
    auto* content = new QWidget(this);
    content->setObjectName(QStringLiteral("content"));
    m_codeProblem = wrappedLabel(content, "codeProblem");
    m_codeProblem->hide();
    m_title = new QLabel(content);
    m_title->setObjectName(QStringLiteral("title"));
    QFont titleFont = large;
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_title->setWordWrap(true);
    m_intro = wrappedLabel(content, "intro");
    m_givens = new QLabel(content);
    m_givens->setObjectName(QStringLiteral("givens"));
    m_givens->setWordWrap(true);
    m_givens->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont givensFont = titleFont;
    givensFont.setPointSizeF(large.pointSizeF() * 1.2);
    m_givens->setFont(givensFont);

    auto* solutionRow = new QHBoxLayout;
    QPushButton* solution = button(words::solutionButton, "solutionButton");
    connect(solution, &QPushButton::clicked, this, &ExerciseWindow::showSolution);
    solutionRow->addWidget(solution);
    solutionRow->addStretch();
    m_score = new QLabel(content);
    m_score->setObjectName(QStringLiteral("score"));
    m_result = new QLabel(content);
    m_result->setObjectName(QStringLiteral("resultCode"));
    m_result->setFont(titleFont);
    m_result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_teacher = wrappedLabel(content, "teacher");
    m_teacher->hide();

    auto* layout = new QVBoxLayout(content);
    layout->addLayout(choices);
    layout->addLayout(attackLine);
    layout->addLayout(codeLine);
    layout->addWidget(m_codeProblem);
    layout->addWidget(m_title);
    layout->addWidget(m_intro);
    layout->addWidget(m_givens);
    m_answersLayout = new QVBoxLayout;
    layout->addLayout(m_answersLayout);
    layout->addLayout(solutionRow);
    layout->addWidget(m_score);
    layout->addWidget(m_result);
    m_notesLayout = new QVBoxLayout;
    layout->addLayout(m_notesLayout);
    layout->addWidget(m_teacher);
    layout->addStretch();
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->addWidget(scroll);
}

ExerciseWindow::~ExerciseWindow() = default;

std::optional<std::string> ExerciseWindow::openCode(const std::string& typed) {
    const auto read = exercise::readTaskCode(typed);
    if (const auto* problem = std::get_if<exercise::CodeProblem>(&read)) {
        const std::string sentence = texts::word(*problem, &inLanguageInUse);
        m_codeProblem->setText(toQt(sentence));
        m_codeBox->setText(toQt(typed));
        m_codeProblem->show();
        return sentence;
    }
    open(std::get<exercise::TaskCode>(read));
    return std::nullopt;
}

void ExerciseWindow::openNewTask(Kind kind) {
    open(exercise::newTaskCode(kind, static_cast<Level>(m_level->currentIndex())));
}

void ExerciseWindow::setLevel(Level level) {
    m_level->setCurrentIndex(static_cast<int>(level));
}

void ExerciseWindow::setTeacherView(bool shown) {
    if (shown) {
        m_teacherButton->show();
    }
    if (m_teacherButton->isChecked() != shown) {
        m_teacherButton->setChecked(shown); // comes back here through toggled
        return;
    }
    refresh();
}

std::optional<exercise::TeacherView> ExerciseWindow::teacherView() const {
    if (!m_exercise || !m_teacherButton->isChecked()) {
        return std::nullopt;
    }
    return exercise::teacherView(m_exercise->task().code);
}

void ExerciseWindow::open(const exercise::TaskCode& code) {
    m_exercise = std::make_unique<exercise::Exercise>(code);
    m_solution.reset();
    m_codeProblem->hide();
    m_codeBox->setText(toQt(code.text()));
    setLevel(code.level);
    if (code.kind != Kind::Task) {
        m_attack->setCurrentIndex(m_attack->findData(static_cast<int>(code.kind)));
    }
    m_title->setText(titleOf(code));
    m_intro->setText(translated(exercise::introOf(code.kind)));
    m_givens->setText(toQt(givensText(m_exercise->task())));
    buildRows();
    refresh();
    // The learner starts typing the first answer at once.
    m_rows.at(m_exercise->answers().front()).box->setFocus();
}

void ExerciseWindow::buildRows() {
    delete m_answers;
    delete m_notes;
    m_rows.clear();
    m_answers = new QWidget(m_givens->parentWidget());
    m_answers->setObjectName(QStringLiteral("answers"));
    auto* answers = new QVBoxLayout(m_answers);
    answers->setContentsMargins(0, 0, 0, 0);
    // A grid, so that every box has the same place and width whatever the
    // marks beside them say.
    auto* rows = new QGridLayout;
    rows->setColumnStretch(4, 1);
    m_notes = new QWidget(m_givens->parentWidget());
    auto* notes = new QVBoxLayout(m_notes);
    notes->setContentsMargins(0, 0, 0, 0);
    QFont bold = font();
    bold.setBold(true);
    // One line per answer, the boxes one under the other; the sentences (a
    // mistake or a hint) come under the score, each after its symbol.
    int line = 0;
    for (Answer answer : m_exercise->answers()) {
        const QString caption =
            translated(exercise::captionOf(m_exercise->task().code.kind, answer));
        auto* label = new QLabel(caption, m_answers);
        Row row{new QLineEdit(m_answers),
                new QPushButton(translated(words::checkButton), m_answers),
                new QPushButton(translated(words::hintButton), m_answers),
                new QLabel(m_answers),
                new QWidget(m_notes),
                nullptr};
        row.message = wrappedLabel(row.note, "");
        row.box->setObjectName(objectNameOf("answer", answer));
        row.box->setAccessibleName(caption);
        label->setBuddy(row.box);
        row.check->setObjectName(objectNameOf("check", answer));
        row.hint->setObjectName(objectNameOf("hint", answer));
        row.mark->setObjectName(objectNameOf("mark", answer));
        row.message->setObjectName(objectNameOf("message", answer));
        row.mark->setFont(bold);
        connect(row.check, &QPushButton::clicked, this, [this, answer] { check(answer); });
        connect(row.box, &QLineEdit::returnPressed, this, [this, answer] { check(answer); });
        connect(row.hint, &QPushButton::clicked, this, [this, answer] { showHint(answer); });
        rows->addWidget(label, line, 0);
        rows->addWidget(row.box, line, 1);
        rows->addWidget(row.check, line, 2);
        rows->addWidget(row.hint, line, 3);
        rows->addWidget(row.mark, line, 4);
        ++line;
        auto* symbol = new QLabel(
            QString::fromUtf8(exercise::answerSymbol(answer)) + QLatin1Char(':'), row.note);
        symbol->setFont(bold);
        symbol->setAlignment(Qt::AlignTop | Qt::AlignLeft);
        auto* noteLine = new QHBoxLayout(row.note);
        noteLine->setContentsMargins(0, 0, 0, 0);
        noteLine->addWidget(symbol);
        noteLine->addWidget(row.message, 1);
        row.note->hide();
        notes->addWidget(row.note);
        m_rows.emplace(answer, row);
    }
    answers->addLayout(rows);
    m_answersLayout->addWidget(m_answers);
    m_notesLayout->addWidget(m_notes);
}

void ExerciseWindow::showNote(Row& row, Note says, const std::string& sentence) {
    row.says = sentence.empty() ? Note::None : says;
    row.message->setText(toQt(sentence));
    row.note->setVisible(row.says != Note::None);
}

void ExerciseWindow::check(Answer answer) {
    Row& row = m_rows.at(answer);
    const exercise::Diagnosis diagnosis = m_exercise->check(
        answer, fromQt(row.box->text()), inLanguageInUse(words::thousandsSeparator));
    showNote(row, Note::Mistake, exercise::sentenceOf(diagnosis, &inLanguageInUse));
    refresh();
}

void ExerciseWindow::showHint(Answer answer) {
    showNote(m_rows.at(answer), Note::Hint,
             exercise::hintFor(*m_exercise, answer, &inLanguageInUse));
}

void ExerciseWindow::showSolution() {
    m_exercise->reveal();
    refresh();
    if (!m_solution) {
        m_solutionInteraction = std::make_unique<QtInteraction>(*this);
        m_solution = std::make_unique<StepWindow>(*m_solutionInteraction, this);
        m_solution->setWindowTitle(
            filled(words::solutionTitle, {toQt(m_exercise->task().code.text())}));
        for (explain::Section& section :
             exercise::solutionOf(m_exercise->task(), &inLanguageInUse)) {
            m_solution->addSection(std::move(section));
        }
        m_solution->scrollToSection(0);
    }
    if (!m_solution->isVisible()) {
        emit solutionOpening(m_solution.get());
    }
    m_solution->show();
    m_solution->raise();
}

void ExerciseWindow::refresh() {
    if (!m_exercise) {
        return;
    }
    for (auto& [answer, row] : m_rows) {
        // A hint that waited for another answer no longer holds once that
        // one is found.
        if (row.says == Note::Hint &&
            fromQt(row.message->text()) !=
                exercise::hintFor(*m_exercise, answer, &inLanguageInUse)) {
            showNote(row, Note::None, {});
        }
        row.mark->setToolTip(QString());
        row.mark->setAccessibleName(QString());
        switch (m_exercise->state(answer)) {
        case AnswerState::Open:
            row.mark->clear();
            break;
        case AnswerState::Right:
            row.mark->setText(translated(words::rightMark));
            row.mark->setPalette(markPalette(row.mark, QColor(0x1b, 0x7a, 0x2e)));
            break;
        case AnswerState::Revealed: {
            // The number alone beside the box, so that a window beside the
            // main one on a small screen needs no sideways scrolling; the
            // sentence is its tooltip and what a screen reader says.
            const QString value =
                QString::number(exercise::rightAnswer(m_exercise->task(), answer));
            row.mark->setText(QStringLiteral("= ") + value);
            row.mark->setToolTip(filled(words::revealedMark, {value}));
            row.mark->setAccessibleName(row.mark->toolTip());
            row.mark->setPalette(markPalette(row.mark, QColor(0x55, 0x55, 0x55)));
            break;
        }
        }
    }
    const exercise::Score score = m_exercise->score();
    m_score->setText(
        filled(words::scoreLine, {QString::number(score.right), QString::number(score.of),
                                  QString::number(score.tries), QString::number(score.revealed)}));
    const std::optional<std::string> result = m_exercise->resultCode();
    m_result->setText(result ? filled(words::resultLine, {toQt(*result)}) : QString());
    m_result->setVisible(result.has_value());
    const std::optional<exercise::TeacherView> teacher = teacherView();
    m_teacher->setVisible(teacher.has_value());
    if (teacher) {
        QStringList lines;
        for (const auto& [answer, value] : teacher->answers) {
            lines << QString::fromUtf8(exercise::answerSymbol(answer)) + QStringLiteral(" = ") +
                         QString::number(value);
        }
        m_teacher->setText(
            lines.join(QStringLiteral("    ")) + QLatin1Char('\n') +
            filled(words::teacherResult, {toQt(teacher->resultCode)}) + QLatin1Char('\n') +
            filled(words::teacherResultAfterReveal, {toQt(teacher->resultAfterReveal)}));
    }
}

QSize ExerciseWindow::sizeHint() const {
    return {1100, 760};
}

std::unique_ptr<ExerciseWindow> makeExerciseWindow(const LaunchOptions::Exercise& options) {
    auto window = std::make_unique<ExerciseWindow>();
    window->setLevel(options.level);
    const Kind kind = options.attacker ? options.attack : Kind::Task;
    const std::string code = fromQt(options.code);
    if (code.empty() || window->openCode(code)) {
        window->openNewTask(kind);
        if (!code.empty()) {
            window->openCode(code); // shows the refusal above the new task
        }
    }
    window->setTeacherView(options.teacher);
    return window;
}

} // namespace rsa
