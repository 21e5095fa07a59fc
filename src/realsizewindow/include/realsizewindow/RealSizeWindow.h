#pragma once

// The real-size window ("Gerçek boyut", --gercek-boyut): the key part and the
// text part on the left, the factoring race on the right. Each part does its
// work off the GUI thread and can be cancelled; the window hands the key just
// made to the text part. The scenario driver reaches the parts through it.

#include <QWidget>

namespace rsa {

class KeyPanel;
class RacePanel;
class TextPanel;

class RealSizeWindow : public QWidget {
    Q_OBJECT

public:
    explicit RealSizeWindow(QWidget* parent = nullptr);

    KeyPanel& keys() { return *m_keys; }
    TextPanel& text() { return *m_text; }
    RacePanel& race() { return *m_race; }

private:
    KeyPanel* m_keys;
    TextPanel* m_text;
    RacePanel* m_race;
};

} // namespace rsa
