#pragma once

// What waits for the user, through Qt: a message box, Qt's save dialog, the
// desktop's page opener and the end of the event loop, each on behalf of one
// window. The program hands this to its windows; the scenario driver and the
// tests hand them a scripted UserInteraction instead.

#include "operations/UserInteraction.h"

#include <QObject>

#include <QString>

class QWidget;

namespace rsa {

// Qt's form of a file dialog filter given as "shown name|pattern" pairs, all
// separated by "|": each shown name followed by its pattern in parentheses
// (kept as it is when the name already ends with them), joined by ";;".
QString qtFileFilter(const std::string& filter);

class QtInteraction final : public UserInteraction {
public:
    // Dialogs open over the active window of the program, or over parent;
    // endProgram() closes parent.
    explicit QtInteraction(QWidget& parent);
    ~QtInteraction() override;

    void showMessage(const std::string& text,
                     const std::optional<std::string>& title = std::nullopt) override;
    std::optional<std::string> chooseFileToRead(const std::string& filter) override;
    std::optional<std::string> chooseFileToWrite(const std::string& filter,
                                                 const std::string& startFolder) override;
    std::optional<std::string> chooseFileToExport(const std::string& filter,
                                                  const std::string& startFolder) override;
    std::optional<std::string> openWebPage(const std::string& address) override;
    void endProgram() override;

private:
    QWidget* dialogParent() const;
    // The folder a dialog opens in: the one asked for, else the one where a
    // file was last chosen in any of these dialogs, so that a learner who
    // saved a file finds it again in the next dialog. Remembers the folder
    // of a chosen file.
    QString startIn(const std::string& asked) const;
    std::optional<std::string> chosen(const QString& name);
    QString m_lastFolder;

    QWidget& m_parent;
    // The page openers still running; they outlive this object quietly.
    QObject m_openers;
};

} // namespace rsa
