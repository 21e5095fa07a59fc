#pragma once

// The exercise window ("Alıştırma"), opened beside the main window with
// --alistirma. It renders one exercise of the exercise library: the task's
// givens, one box per answer with its own "Kontrol" (Enter checks too), the
// sentence that names a wrong answer's likely mistake, "İpucu", "Çözümü
// göster" (the step window's sections for the task, in a step window of its
// own), the score line and the result code once every answer is right; and
// the choices of a new task (level, "Yeni görev", "Saldırgan ol" with the
// attack to do, a typed code). The teacher's view is offered only when the
// window was opened for the teacher (--ogretmen), never in a learner's
// window. The sentences stand under the rows, "Çözümü göster" and the score,
// each named by its answer's symbol, so that a sentence coming or going
// never moves a box or a button under the learner's pointer. Its texts are large enough to be read
// from the back of a classroom. All logic is in the library; nothing here is modal.

#include "exercise/Exercise.h"
#include "operations/UserInteraction.h"
#include "stepwindow/StepWindow.h"
#include "window/LaunchOptions.h"

#include <QWidget>

#include <map>
#include <memory>
#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace rsa {

class ExerciseWindow : public QWidget {
    Q_OBJECT

public:
    explicit ExerciseWindow(QWidget* parent = nullptr);
    ~ExerciseWindow() override;

    // Opens the task of a typed code; when the code is refused, keeps the
    // task it has and returns the sentence it shows.
    std::optional<std::string> openCode(const std::string& typed);
    // A new task of the level chosen, drawn from the system's random source.
    void openNewTask(exercise::Kind kind);
    void setLevel(exercise::Level level);
    // Offers the teacher's view (with its button) and shows it, or hides it.
    void setTeacherView(bool shown);

    // What the window shows, for the scenario driver and the tests.
    const exercise::Exercise* current() const { return m_exercise.get(); }
    std::optional<exercise::TeacherView> teacherView() const;
    // The worked solution's window, once "Çözümü göster" was pressed.
    const StepWindow* solutionWindow() const { return m_solution.get(); }

    // Room for the task in the large letters without scrolling.
    QSize sizeHint() const override;

signals:
    // The solution's window is about to show: whoever placed this window
    // places it too.
    void solutionOpening(QWidget* window);

private:
    // What a row's sentence says: a hint is dropped once it no longer holds
    // (the answer it waited for was found).
    enum class Note { None, Mistake, Hint };
    struct Row {
        QLineEdit* box;
        QPushButton* check;
        QPushButton* hint;
        QLabel* mark;
        QWidget* note; // the symbol and the sentence, under the score
        QLabel* message;
        Note says = Note::None;
    };

    void open(const exercise::TaskCode& code);
    void buildRows();
    void check(exercise::Answer answer);
    void showHint(exercise::Answer answer);
    void showSolution();
    void showNote(Row& row, Note says, const std::string& sentence);
    void refresh();

    std::unique_ptr<exercise::Exercise> m_exercise;
    std::map<exercise::Answer, Row> m_rows;
    QComboBox* m_level;
    QComboBox* m_attack;
    QLineEdit* m_codeBox;
    QLabel* m_codeProblem;
    QPushButton* m_teacherButton;
    QLabel* m_title;
    QLabel* m_intro;
    QLabel* m_givens;
    QWidget* m_answers = nullptr;
    QVBoxLayout* m_answersLayout = nullptr;
    QWidget* m_notes = nullptr; // the sentences, under the score
    QVBoxLayout* m_notesLayout = nullptr;
    QLabel* m_score;
    QLabel* m_result;
    QLabel* m_teacher;
    // The solution's window exports through dialogs of its own.
    std::unique_ptr<UserInteraction> m_solutionInteraction;
    std::unique_ptr<StepWindow> m_solution;
};

// The exercise window as the launch options ask, not shown yet: the task of
// their code, or a new one of their level and kind. A refused code leaves a
// new task open with the refusal shown above it.
std::unique_ptr<ExerciseWindow> makeExerciseWindow(const LaunchOptions::Exercise& options);

} // namespace rsa
