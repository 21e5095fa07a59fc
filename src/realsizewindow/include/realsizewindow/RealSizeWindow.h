#pragma once

// The real-size window ("Gerçek boyut", --gercek-boyut): the key part and the
// text part on the left, the factoring race on the right, the attacks on big
// keys made badly below them; all in one column when the window is narrower
// than that, as beside the main window on a small screen. Each part does its
// work off the GUI thread and can be cancelled; the window hands the key just
// made to the text part, and each finished action's section to the step
// window's sink when there is one. The scenario driver reaches the parts
// through it.

#include "explain/Section.h"

#include <QWidget>

class QBoxLayout;

namespace rsa {

class BigAttackPanel;
class KeyPanel;
class RacePanel;
class TextPanel;

class RealSizeWindow : public QWidget {
    Q_OBJECT

public:
    explicit RealSizeWindow(QWidget* parent = nullptr);

    // Where each key made, text encrypted and race run is explained; an
    // empty sink explains nothing.
    void setSectionSink(explain::SectionSink sink) { m_sink = std::move(sink); }

    // Room for every part without scrolling, as far as the screen allows.
    QSize sizeHint() const override;

    KeyPanel& keys() { return *m_keys; }
    TextPanel& text() { return *m_text; }
    RacePanel& race() { return *m_race; }
    BigAttackPanel& attacks() { return *m_attacks; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    template <typename Build> void explainWith(Build build);

    KeyPanel* m_keys;
    TextPanel* m_text;
    RacePanel* m_race;
    BigAttackPanel* m_attacks;
    QBoxLayout* m_top; // the key and text parts, and the race
    int m_twoColumnWidth = 0;
    bool m_oneColumn = false;
    explain::SectionSink m_sink;
};

} // namespace rsa
