#include "realsizewindow/RealSizeWindow.h"

#include "realsizewindow/BigAttackPanel.h"
#include "realsizewindow/KeyPanel.h"
#include "realsizewindow/RacePanel.h"
#include "realsizewindow/RealSizeExplanation.h"
#include "realsizewindow/RealSizeFormat.h"
#include "realsizewindow/TextPanel.h"
#include "texts/RealSizeTexts.h"

#include <QBoxLayout>
#include <QScrollArea>
#include <QStyle>

namespace rsa {

RealSizeWindow::RealSizeWindow(QWidget* parent)
    : QWidget(parent), m_keys(new KeyPanel(this)), m_text(new TextPanel(this)),
      m_race(new RacePanel(this)), m_attacks(new BigAttackPanel(this)),
      m_top(new QBoxLayout(QBoxLayout::LeftToRight)) {
    setObjectName(QStringLiteral("RealSizeWindow"));
    setWindowTitle(realsizeformat::text(texts::realsize::windowTitle));
    // Beside the main window, like the step window: closing the main window
    // ends the program even while this one is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    // The parts scroll inside the window, so that it can stand beside the
    // main window on a small screen.
    auto* content = new QWidget;
    auto* left = new QVBoxLayout;
    left->addWidget(m_keys, 1);
    left->addWidget(m_text, 1);
    m_top->addLayout(left, 1);
    m_top->addWidget(m_race, 1);
    auto* layout = new QVBoxLayout(content);
    layout->addLayout(m_top, 1);
    layout->addWidget(m_attacks);
    m_twoColumnWidth = content->sizeHint().width();
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    connect(m_keys, &KeyPanel::keyMade, this, [this] {
        m_text->setKey(m_keys->key());
        explainWith([this] { return realsizeexplain::keySection(*m_keys->key()); });
    });
    connect(m_text, &TextPanel::finished, this, [this] {
        explainWith([this] {
            const std::optional<realsize::BigKey>& key = m_keys->key();
            return m_text->contrast() && key
                       ? realsizeexplain::textSection(*key, m_text->encrypted(),
                                                      *m_text->contrast())
                       : realsizeexplain::textRefusedSection(m_text->status());
        });
    });
    connect(m_attacks, &BigAttackPanel::finished, this, [this] {
        explainWith([this] {
            const BigAttackPanel& attacks = *m_attacks;
            const QString outcome = attacks.status();
            if (attacks.key() && attacks.wiener()) {
                return realsizeexplain::wienerSection(*attacks.key(), *attacks.wiener(), outcome);
            }
            if (attacks.key() && attacks.fermat()) {
                return realsizeexplain::fermatSection(*attacks.key(), *attacks.fermat(), outcome);
            }
            if (const std::optional<BigAttackPanel::Survey>& survey = attacks.survey()) {
                return realsizeexplain::surveySection(survey->count, survey->bits, survey->found,
                                                      survey->pairwiseSeconds, outcome);
            }
            return realsizeexplain::attackSection(attacks.attackName(), outcome);
        });
    });
    connect(m_race, &RacePanel::finished, this, [this] {
        explainWith([this] {
            return realsizeexplain::raceSection(m_race->points(), m_race->status(),
                                                m_race->verdict());
        });
    });
}

void RealSizeWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Beside the main window on a small screen the window is narrower than
    // the parts side by side: they then stand one below the other, and the
    // window scrolls down rather than sideways.
    const bool oneColumn =
        width() < m_twoColumnWidth + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (oneColumn != m_oneColumn) {
        m_oneColumn = oneColumn;
        m_top->setDirection(oneColumn ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
        m_attacks->arrange(oneColumn);
    }
}

QSize RealSizeWindow::sizeHint() const {
    return {1280, 820};
}

template <typename Build> void RealSizeWindow::explainWith(Build build) {
    if (m_sink) {
        m_sink(build());
    }
}

} // namespace rsa
