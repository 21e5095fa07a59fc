#pragma once

// The multi-line text box of every window. Qt 6.4's text edits read the
// first format of what is pasted without asking whether there is one: on X11
// the clipboard offers no format at all while no program owns it (a fresh
// session, or the owner has quit), and Ctrl+V or a middle click then ends the
// program. This box pastes only data that has a format; anything else it
// does as QPlainTextEdit does.
//
// A box may also take pastes only up to a length: laying out a pasted page
// of one unbroken line takes Qt seconds to minutes, so a longer paste is left
// out and reported instead.

#include <QPlainTextEdit>

#include <functional>

namespace rsa {

class PlainTextBox final : public QPlainTextEdit {
public:
    explicit PlainTextBox(QWidget* parent = nullptr) : QPlainTextEdit(parent) {}

    // Pastes of more than `most` characters are not inserted; tooLong is told
    // their length.
    void limitPastes(qsizetype most, std::function<void(qsizetype)> tooLong);

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    qsizetype m_mostPasted = -1;
    std::function<void(qsizetype)> m_tooLong;
};

} // namespace rsa
