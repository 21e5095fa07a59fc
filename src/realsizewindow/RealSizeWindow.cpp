#include "realsizewindow/RealSizeWindow.h"

#include "realsizewindow/KeyPanel.h"
#include "realsizewindow/RacePanel.h"
#include "realsizewindow/RealSizeFormat.h"
#include "realsizewindow/TextPanel.h"
#include "texts/RealSizeTexts.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace rsa {

RealSizeWindow::RealSizeWindow(QWidget* parent)
    : QWidget(parent), m_keys(new KeyPanel(this)), m_text(new TextPanel(this)),
      m_race(new RacePanel(this)) {
    setObjectName(QStringLiteral("RealSizeWindow"));
    setWindowTitle(realsizeformat::text(texts::realsize::windowTitle));
    auto* left = new QVBoxLayout;
    left->addWidget(m_keys, 1);
    left->addWidget(m_text, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(m_race, 1);
    resize(1280, 820);
    connect(m_keys, &KeyPanel::keyMade, this, [this] { m_text->setKey(m_keys->key()); });
}

} // namespace rsa
