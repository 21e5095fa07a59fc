#pragma once

// The program's one window. It builds its controls and menu from the control
// table in the language in use, runs the wired command when a button or menu
// entry is clicked, and offers the commands the window operations through its
// widgets: text boxes, message boxes, the save dialog, the web browser. The
// four operations that wait for the user are virtual so that a scripted
// window can answer them; what the commands hand them is translated first.

#include "operations/CommandRunner.h"
#include "operations/WindowOperations.h"
#include "state/WindowVariables.h"

#include <QMainWindow>
#include <QString>

#include <array>
#include <optional>
#include <string>

namespace rsa {

// Qt's form of a file dialog filter given as "shown name|pattern" pairs, all
// separated by "|": each shown name followed by its pattern in parentheses
// (kept as it is when the name already ends with them), joined by ";;".
QString qtFileFilter(const std::string& filter);

class MainWindow : public QMainWindow, public WindowOperations {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    WindowVariables& variables() { return m_vars; }

    std::string readText(TextBox box) override;
    void writeText(TextBox box, const std::string& text) override;

    void showMessage(const std::string& text,
                     const std::optional<std::string>& title = std::nullopt) override;
    void appendText(TextBox box, const std::string& text) override;
    std::optional<std::string> chooseFileToWrite(const std::string& filter,
                                                 const std::string& startFolder) override;
    std::optional<std::string> openWebPage(const std::string& address) override;
    void endProgram() override;

signals:
    // After each command a click ran, with the record it left and the
    // variables as it left them. Whatever explains the commands listens here
    // and never reaches into the widgets.
    void commandRan(const rsa::CommandRecord& record);

private:
    void createControls();
    void createMenus();
    void run(const Command& command);
    QWidget* boxWidget(TextBox box) const;

    WindowVariables m_vars;
    std::array<QWidget*, textBoxCount> m_boxes{};
};

} // namespace rsa
