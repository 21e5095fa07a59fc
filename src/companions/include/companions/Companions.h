#pragma once

// The windows beside the main window, opened by one route: the program, the
// scenario driver and the screenshot tool all open them here from the launch
// options (or, in the driver, at a window's first step), so each is made,
// fed and placed the same way wherever it opens. The owner places every one
// of them, and every window one of them opens (the exercise's solution), by
// the one rule of window/Placement.h, again whenever one opens or closes.
// Every window, the main one included, explains itself in the step window
// through the one sink this owner holds. Closing the main window closes
// them all; deleting the owner deletes them all, so that the real-size
// window stops its background work.

#include "explain/Section.h"
#include "window/LaunchOptions.h"

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>
#include <variant>
#include <vector>

class QWidget;

namespace rsa {

class AttacksWindow;
class ExchangeWindow;
class ExerciseWindow;
class MainWindow;
class StepWindow;

class Companions final : public QObject {
    Q_OBJECT

public:
    // main must be shown, and outlive this owner.
    explicit Companions(MainWindow& main);
    ~Companions() override;

    // Opens every window the options ask for, beside main: the step window
    // first, so that the others explain into it from their first act. Nothing
    // when all opened, else why the real-size window could not be loaded.
    std::optional<QString> open(const LaunchOptions& options);

    // The open step window, or none.
    StepWindow* steps() const { return m_steps.get(); }
    // The step window, opened now when it is not yet.
    StepWindow& openSteps();
    // The exchange window, opened now when it is not yet.
    ExchangeWindow& exchange();
    // The attacks window, opened now when it is not yet.
    AttacksWindow& attacks();
    // A new exercise window as options ask, in place of the one open before.
    ExerciseWindow& openExercise(const LaunchOptions::Exercise& options);
    // The open exercise window, or none.
    ExerciseWindow* exercise() const { return m_exercise.get(); }
    // The real-size window, loaded from its module now when it is not yet
    // open; else why it cannot be loaded.
    std::variant<QWidget*, QString> realSize();

    // Where every window sends its step-window sections: the step window
    // when it is open, nowhere otherwise.
    const explain::SectionSink& sink() const { return m_sink; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Places window beside main with the others, shows it and gives the
    // keyboard back to main, or to window when it takes it.
    void show(QWidget& window, QSize wish, bool takesKeyboard = false);
    void arrange(QWidget* opening = nullptr);

    struct Beside {
        QPointer<QWidget> window;
        QSize wish;
    };

    MainWindow& m_main;
    explain::SectionSink m_sink;
    std::vector<Beside> m_beside; // in the order they opened
    std::unique_ptr<StepWindow> m_steps;
    std::unique_ptr<ExchangeWindow> m_exchange;
    std::unique_ptr<AttacksWindow> m_attacks;
    std::unique_ptr<ExerciseWindow> m_exercise;
    // Made by the module, deleted when closed or with this owner.
    QPointer<QWidget> m_realSize;
};

} // namespace rsa
