#pragma once

// A push button that is clicked with the mouse, with Space, and with Return or
// Enter while it has the focus. No button of the window is a default button,
// so Return anywhere else runs nothing. Long captions wrap onto several lines
// inside the button instead of being cut off.

#include <QPushButton>

namespace rsa {

class CommandButton : public QPushButton {
    Q_OBJECT

public:
    explicit CommandButton(const QString& text, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace rsa
