#pragma once

// The program's main window. It builds its controls and menu from the control
// table in the language in use, runs the wired command when a button or menu
// entry is clicked, and offers the commands the window operations: its text
// boxes, and what waits for the user through the UserInteraction it was
// handed (Qt's own unless told otherwise). What the commands hand the user is
// translated first.

#include "operations/CommandRunner.h"
#include "operations/UserInteraction.h"
#include "operations/WindowOperations.h"
#include "state/WindowVariables.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>
#include <string>

namespace rsa {

class MainWindow final : public QMainWindow, public WindowOperations {
    Q_OBJECT

public:
    // Message boxes, the save dialog, the browser and the end through Qt.
    MainWindow();
    // Everything that waits for the user through interaction, which must
    // outlive the window.
    explicit MainWindow(UserInteraction& interaction);
    ~MainWindow() override;

    WindowVariables& variables() { return m_vars; }
    // What this window hands the user; windows beside it share it.
    UserInteraction& interaction() { return m_interaction; }

    // What "private anahtarı hesapla" does after p, q and e were typed into
    // their boxes: the command runs exactly as from the button, its messages,
    // records and step window included. The key it accepted is then in
    // variables().
    void computeKey(const std::string& p, const std::string& q, const std::string& e);

    std::string readText(TextBox box) override;
    void writeText(TextBox box, const std::string& text) override;

    void showMessage(const std::string& text,
                     const std::optional<std::string>& title = std::nullopt) override;
    void appendText(TextBox box, const std::string& text) override;
    std::optional<std::string> chooseFileToRead(const std::string& filter) override;
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
    void build();
    void createControls();
    void createMenus();
    void run(const Command& command);
    QWidget* boxWidget(TextBox box) const;

    std::unique_ptr<UserInteraction> m_ownInteraction; // Qt's, unless one was handed in
    UserInteraction& m_interaction;
    WindowVariables m_vars;
    std::array<QWidget*, textBoxCount> m_boxes{};
};

} // namespace rsa
