#include "companions/Companions.h"

#include "attackswindow/AttacksWindow.h"
#include "exchangewindow/ExchangeWindow.h"
#include "exercisewindow/ExerciseWindow.h"
#include "explain/Explanation.h"
#include "stepwindow/StepWindow.h"
#include "window/MainWindow.h"
#include "window/Placement.h"
#include "window/RealSizeLoader.h"
#include "window/Translations.h"

#include <QEvent>
#include <QTimer>

#include <algorithm>

namespace rsa {

namespace {

// Windows that are read more than worked in (the step window, the exercise's
// solution, the attacks' steps) would like the whole height of the screen:
// long tables then need no scrolling on a classroom board. The placement
// keeps every window on the screen.
constexpr int screenHeight = QWIDGETSIZE_MAX / 2;
const QSize stepWindowWish(640, screenHeight);

} // namespace

Companions::Companions(MainWindow& main) : m_main(main) {
    // Copied into every window; it finds the step window at each section, so
    // the step window may open after the others.
    m_sink = [this](explain::Section section) {
        if (m_steps) {
            m_steps->addSection(std::move(section));
        }
    };
    connect(&m_main, &MainWindow::commandRan, this, [this](const CommandRecord& record) {
        if (!m_steps) {
            return;
        }
        // Nothing may leave a Qt slot by an exception; a section that cannot
        // be built is only missing.
        try {
            if (std::optional<explain::Section> section =
                    explain::explainCommand(record, m_main.variables(), &inLanguageInUse)) {
                m_sink(std::move(*section));
            }
        } catch (const std::exception& error) {
            qWarning("step window: %s", error.what());
        } catch (...) {
            qWarning("step window: unknown failure");
        }
    });
    m_main.installEventFilter(this);
}

Companions::~Companions() {
    delete m_realSize.data();
}

std::optional<QString> Companions::open(const LaunchOptions& options) {
    if (options.stepByStep) {
        openSteps();
    }
    if (options.exchange) {
        exchange();
    }
    if (options.attacks) {
        attacks();
    }
    std::optional<QString> failed;
    if (options.realSize) {
        const std::variant<QWidget*, QString> loaded = realSize();
        if (const QString* reason = std::get_if<QString>(&loaded)) {
            failed = *reason;
        }
    }
    if (options.exercise.open) {
        openExercise(options.exercise);
    }
    return failed;
}

StepWindow& Companions::openSteps() {
    if (!m_steps) {
        m_steps = makeStepWindow(m_main);
        show(*m_steps, stepWindowWish);
    }
    return *m_steps;
}

AttacksWindow& Companions::attacks() {
    if (!m_attacks) {
        m_attacks = std::make_unique<AttacksWindow>(m_main, m_sink);
        show(*m_attacks, {m_attacks->sizeHint().width(), screenHeight});
    }
    return *m_attacks;
}

ExchangeWindow& Companions::exchange() {
    if (!m_exchange) {
        m_exchange = std::make_unique<ExchangeWindow>(m_main, m_sink);
        show(*m_exchange, m_exchange->sizeHint());
    }
    return *m_exchange;
}

ExerciseWindow& Companions::openExercise(const LaunchOptions::Exercise& options) {
    m_exercise.reset();
    m_exercise = makeExerciseWindow(options);
    connect(m_exercise.get(), &ExerciseWindow::solutionOpening, this,
            [this](QWidget* solution) { show(*solution, stepWindowWish, true); });
    show(*m_exercise, m_exercise->sizeHint(), true);
    return *m_exercise;
}

std::variant<QWidget*, QString> Companions::realSize() {
    if (m_realSize) {
        return m_realSize.data();
    }
    const std::variant<QWidget*, QString> loaded = loadRealSizeWindow(m_sink);
    if (QWidget* const* window = std::get_if<QWidget*>(&loaded)) {
        m_realSize = *window;
        show(**window, (*window)->sizeHint());
    }
    return loaded;
}

void Companions::show(QWidget& window, QSize wish, bool takesKeyboard) {
    window.setWindowIcon(m_main.windowIcon());
    const auto known =
        std::find_if(m_beside.begin(), m_beside.end(),
                     [&window](const Beside& each) { return each.window == &window; });
    if (known == m_beside.end()) {
        m_beside.push_back({&window, wish});
        window.installEventFilter(this);
    }
    arrange(&window);
    window.show();
    if (takesKeyboard) {
        window.raise();
        window.activateWindow();
    } else {
        m_main.raise();
        m_main.activateWindow();
    }
}

void Companions::arrange(QWidget* opening) {
    if (!m_main.isVisible()) {
        return;
    }
    std::vector<BesideWindow> shown;
    for (auto each = m_beside.begin(); each != m_beside.end();) {
        if (each->window == nullptr) {
            each = m_beside.erase(each);
            continue;
        }
        if (each->window == opening || each->window->isVisible()) {
            shown.push_back({each->window, each->wish});
        }
        ++each;
    }
    placeBeside(m_main, shown);
}

bool Companions::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_main && event->type() == QEvent::Close) {
        // Once the main window has really closed, the windows beside it go too.
        QTimer::singleShot(0, this, [this] {
            if (!m_main.isVisible()) {
                for (const Beside& each : m_beside) {
                    if (each.window) {
                        each.window->close();
                    }
                }
            }
        });
    } else if (watched != &m_main && event->type() == QEvent::Hide && !event->spontaneous()) {
        // The others share the room the closed window leaves.
        QTimer::singleShot(0, this, [this] { arrange(); });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace rsa
