#include "stepwindow/StepWindow.h"

#include "files/FileWriting.h"
#include "stepwindow/DocumentWriter.h"
#include "texts/StepTexts.h"
#include "value/Conversions.h"
#include "value/Operations.h"
#include "window/QtText.h"
#include "window/Translations.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QDate>
#include <QDateTime>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QtMath>

#include <algorithm>

namespace rsa {

namespace {

using explain::Fold;

QString foldLink(std::size_t section, std::size_t group) {
    return QStringLiteral("fold:%1:%2").arg(section).arg(group);
}

// Longest name of a file on the file systems a classroom computer uses.
constexpr qsizetype longestFileName = 255;

} // namespace

std::variant<ExportTarget, QString> exportTarget(const QString& name) {
    QString path = name;
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".html");
    }
    const qsizetype bytes = QFileInfo(path).fileName().toUtf8().size();
    if (bytes > longestFileName) {
        return filled(texts::steps::nameTooLong, {QString::number(bytes)});
    }
    const bool pdf = path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
    return ExportTarget{path, pdf ? ExportType::Pdf : ExportType::Html};
}

StepWindow::StepWindow(UserInteraction& interaction, QWidget* parent)
    : QWidget(parent, Qt::Window), m_interaction(interaction) {
    setObjectName(QStringLiteral("StepWindow"));
    setWindowTitle(translated(texts::steps::windowTitle));
    // Closing the main window ends the program; this one only goes away.
    setAttribute(Qt::WA_QuitOnClose, false);

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("explanation"));
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_stack = new QWidget;
    m_stack->setBackgroundRole(QPalette::Base);
    m_stack->setAutoFillBackground(true);
    m_scroll->setWidget(m_stack);
    // The pages follow the width of the view.
    m_scroll->viewport()->installEventFilter(this);
    m_baseFont = font();
    // Read from the back of a classroom: never smaller than 11 points.
    m_baseFont.setPointSizeF(std::max<qreal>(m_baseFont.pointSizeF(), 11));
    addPage()->setPlaceholderText(translated(texts::steps::placeholder));
    m_keyLine = [] { return translated(texts::steps::handoutNoKey); };

    auto* buttons = new QHBoxLayout;
    const auto addButton = [&](const char* caption, const char* tooltip, auto action) {
        auto* button = new QPushButton(translated(caption), this);
        if (tooltip != nullptr) {
            button->setToolTip(translated(tooltip));
        }
        connect(button, &QPushButton::clicked, this, action);
        buttons->addWidget(button);
    };
    addButton(texts::steps::clearButton, nullptr, [this] { clear(); });
    addButton(texts::steps::copyButton, texts::steps::copyTooltip, [this] { copy(); });
    addButton(texts::steps::exportButton, texts::steps::exportTooltip,
              [this] { exportWithDialog(); });
    buttons->addStretch();
    // The hint gives way first when the window is narrow.
    auto* hint = new QLabel(translated(texts::steps::zoomHint), this);
    hint->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    buttons->addWidget(hint);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_scroll);
    layout->addLayout(buttons);

    const std::pair<QKeySequence, int> zooms[] = {
        {QKeySequence::ZoomIn, 1},
        {QKeySequence(Qt::CTRL | Qt::Key_Equal), 1},
        {QKeySequence::ZoomOut, -1},
    };
    for (const auto& [keys, step] : zooms) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this,
                [this, step = step] { setZoom(m_zoom + step); });
    }
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_0), this), &QShortcut::activated, this,
            [this] { setZoom(0); });
}

QTextBrowser* StepWindow::addPage() {
    auto* page = new QTextBrowser(m_stack);
    page->setFrameShape(QFrame::NoFrame);
    page->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    page->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    page->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    page->setOpenLinks(false);
    // Nothing here is edited; an undo history would only grow with each section.
    page->document()->setUndoRedoEnabled(false);
    QFont font = m_baseFont;
    font.setPointSizeF(m_baseFont.pointSizeF() + m_zoom);
    page->setFont(font);
    // A page is as tall as its text; the scrolling area scrolls them all.
    // The layout tells a new height late, after a change of width.
    connect(page->document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged,
            page, [this, page] {
                fitPage(page);
                arrangePages();
            });
    connect(page, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        const QStringList parts = link.toString().split(QLatin1Char(':'));
        if (parts.size() == 3 && parts[0] == QLatin1String("fold")) {
            toggleFold(parts[1].toULongLong(), parts[2].toULongLong());
        }
    });
    // Ctrl and the wheel zoom every page together, not the one under the mouse.
    page->viewport()->installEventFilter(this);
    // Laid out at the width it will have from the start.
    page->resize(m_scroll->viewport()->width(), 0);
    page->document()->setTextWidth(m_scroll->viewport()->width());
    page->show();
    m_pages.push_back(page);
    m_arrangeFrom = std::min(m_arrangeFrom, m_pages.size() - 1);
    fitPage(page);
    arrangePages();
    return page;
}

bool StepWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_scroll->viewport() && event->type() == QEvent::Resize) {
        const int width = m_scroll->viewport()->width();
        for (QTextBrowser* page : m_pages) {
            page->resize(width, page->height());
            // Setting the width lays the whole page out again, even an unchanged one.
            if (page->document()->textWidth() != width) {
                page->document()->setTextWidth(width);
            }
            fitPage(page);
        }
        m_arrangeFrom = 0;
        arrangePages();
    }
    if (event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if ((wheel->modifiers() & Qt::ControlModifier) != 0) {
            setZoom(m_zoom + (wheel->angleDelta().y() > 0 ? 1 : -1));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QTextBrowser* StepWindow::pageOf(std::size_t section) const {
    return m_pages[section / sectionsPerPage];
}

void StepWindow::fitPage(QTextBrowser* page) {
    // The height from the layout as it is now.
    const int height = qCeil(page->document()->size().height());
    if (page->height() != height) {
        page->resize(page->width(), height);
        const auto index = static_cast<std::size_t>(
            std::find(m_pages.begin(), m_pages.end(), page) - m_pages.begin());
        m_arrangeFrom = std::min(m_arrangeFrom, index);
    }
}

void StepWindow::arrangePages() {
    // Only the pages from the first that changed height onwards move: after
    // a click, the last page alone.
    int top = m_arrangeFrom == 0 || m_arrangeFrom > m_pages.size()
                  ? 0
                  : m_pages[m_arrangeFrom - 1]->geometry().bottom() + 1;
    for (std::size_t i = m_arrangeFrom; i < m_pages.size(); ++i) {
        if (m_pages[i]->y() != top) {
            m_pages[i]->move(0, top);
        }
        top += m_pages[i]->height();
    }
    if (m_arrangeFrom < m_pages.size()) {
        m_stack->resize(m_scroll->viewport()->width(), m_pages.back()->geometry().bottom() + 1);
    }
    m_arrangeFrom = m_pages.size();
}

int StepWindow::placeOf(QTextBrowser* page, int position) const {
    QTextDocument* document = page->document();
    const QTextBlock block = document->findBlock(position);
    return page->y() + qRound(document->documentLayout()->blockBoundingRect(block).top());
}

void StepWindow::writeSection(std::size_t s) {
    if (s / sectionsPerPage >= m_pages.size()) {
        addPage();
    }
    QTextBrowser* page = pageOf(s);
    QTextCursor cursor(page->document());
    cursor.movePosition(QTextCursor::End);
    // One edit: the view lays the new part out once, not after every cell.
    cursor.beginEditBlock();
    Placed placed;
    placed.title = stepwindow::writeSectionTitle(cursor, toQt(m_sections[s].title));
    const stepwindow::Look look{stepwindow::Medium::Window, page->palette().link()};
    for (std::size_t g = 0; g < m_sections[s].groups.size(); ++g) {
        const int start = cursor.position();
        stepwindow::writeGroup(cursor, m_sections[s].groups[g], foldLink(s, g), look);
        placed.groups.emplace_back(start, cursor.position());
    }
    cursor.endEditBlock();
    fitPage(page);
    arrangePages();
    m_placed.push_back(std::move(placed));
}

void StepWindow::addSection(explain::Section section) {
    m_sections.push_back(std::move(section));
    writeSection(m_sections.size() - 1);
    scrollToSection(m_sections.size() - 1);
}

void StepWindow::scrollToSection(std::size_t section) {
    if (section >= m_placed.size()) {
        return;
    }
    m_scroll->verticalScrollBar()->setValue(placeOf(pageOf(section), m_placed[section].title));
}

void StepWindow::clear() {
    m_sections.clear();
    m_placed.clear();
    for (std::size_t i = 1; i < m_pages.size(); ++i) {
        delete m_pages[i];
    }
    m_pages.resize(1);
    m_pages.front()->clear();
    fitPage(m_pages.front());
    arrangePages();
}

void StepWindow::shiftFrom(std::size_t section, std::size_t group, int delta) {
    // Only the sections after it on the same page have moved.
    const std::size_t pageEnd =
        std::min(m_placed.size(), (section / sectionsPerPage + 1) * sectionsPerPage);
    for (std::size_t s = section; s < pageEnd; ++s) {
        Placed& placed = m_placed[s];
        if (s != section) {
            placed.title += delta;
        }
        for (std::size_t g = s == section ? group : 0; g < placed.groups.size(); ++g) {
            placed.groups[g].first += delta;
            placed.groups[g].second += delta;
        }
    }
}

void StepWindow::toggleFold(std::size_t section, std::size_t group) {
    if (section >= m_sections.size() || group >= m_sections[section].groups.size()) {
        return;
    }
    explain::Group& shown = m_sections[section].groups[group];
    if (shown.fold == Fold::Fixed) {
        return;
    }
    shown.fold = shown.fold == Fold::Folded ? Fold::Open : Fold::Folded;
    QTextBrowser* page = pageOf(section);
    auto& [start, end] = m_placed[section].groups[group];
    QTextCursor cursor(page->document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    stepwindow::writeGroup(cursor, shown, foldLink(section, group),
                           {stepwindow::Medium::Window, page->palette().link()});
    cursor.endEditBlock();
    fitPage(page);
    arrangePages();
    const int delta = cursor.position() - end;
    end = cursor.position();
    shiftFrom(section, group + 1, delta);
}

void StepWindow::setZoom(int steps) {
    const int zoom = std::clamp(steps, -5, 20);
    // The paragraph or table row at the top of the view, and how far into it the view begins.
    const int top = m_scroll->verticalScrollBar()->value();
    QTextBrowser* page = m_pages.front();
    for (QTextBrowser* candidate : m_pages) {
        page = candidate->y() <= top ? candidate : page;
    }
    const int position = page->cursorForPosition(QPoint(0, top - page->y())).block().position();
    const qreal oldSize = page->font().pointSizeF();
    const int into = top - placeOf(page, position);
    m_zoom = zoom;
    QFont font = m_baseFont;
    font.setPointSizeF(m_baseFont.pointSizeF() + m_zoom);
    for (QTextBrowser* each : m_pages) {
        each->setFont(font);
        fitPage(each);
    }
    arrangePages();
    m_scroll->verticalScrollBar()->setValue(placeOf(page, position) +
                                            qRound(into * font.pointSizeF() / oldSize));
}

void StepWindow::copy() {
    for (QTextBrowser* page : m_pages) {
        if (page->textCursor().hasSelection()) {
            page->copy();
            return;
        }
    }
    QStringList lines;
    for (const std::string& line : plainTextLines()) {
        lines << toQt(line);
    }
    QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
}

std::vector<std::string> StepWindow::plainTextLines() const {
    std::vector<std::string> lines;
    for (const explain::Section& section : m_sections) {
        for (std::string& line : explain::plainTextLines(section)) {
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

Handout StepWindow::handout() const {
    const QLocale locale(translated(texts::steps::handoutLocale));
    // Today, or the day SOURCE_DATE_EPOCH names, so that a handout made by a
    // test is the same on every day.
    QDate today = QDate::currentDate();
    bool given = false;
    const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&given);
    if (given) {
        today = QDateTime::fromSecsSinceEpoch(epoch, Qt::UTC).date();
    }
    return {locale.bcp47Name(), translated(texts::steps::handoutTitle),
            filled(texts::steps::handoutDate, {locale.toString(today, QLocale::LongFormat)}),
            m_keyLine(), m_sections};
}

std::optional<std::string> StepWindow::exportTo(const ExportTarget& target, bool* cancelled) {
    QByteArray bytes;
    if (target.type == ExportType::Html) {
        bytes = handoutHtml(handout());
    } else {
        // Laying out and drawing hundreds of pages takes seconds; the window
        // stays live meanwhile and the user may give up.
        PdfProgress progress;
        std::optional<QByteArray> made;
        QThread* worker = QThread::create(
            [&made, &progress, sheet = handout()] { made = handoutPdf(sheet, progress); });
        QProgressDialog dialog(translated(texts::steps::exportProgress),
                               translated(texts::steps::exportCancel), 0, 0, this);
        dialog.setWindowTitle(translated(texts::steps::exportButton));
        dialog.setWindowModality(Qt::WindowModal);
        dialog.setMinimumDuration(300);
        QEventLoop wait;
        connect(worker, &QThread::finished, &wait, &QEventLoop::quit);
        connect(&dialog, &QProgressDialog::canceled, &wait,
                [&progress] { progress.cancel = true; });
        QTimer ticks;
        connect(&ticks, &QTimer::timeout, &dialog, [&dialog, &progress] {
            dialog.setMaximum(progress.total);
            dialog.setValue(progress.done);
        });
        ticks.start(50);
        worker->start();
        wait.exec();
        worker->wait();
        delete worker;
        if (!made) {
            if (cancelled != nullptr) {
                *cancelled = true;
            }
            return std::nullopt;
        }
        if (made->isEmpty()) {
            return translated(texts::steps::pdfFailed).toStdString();
        }
        bytes = std::move(*made);
    }
    std::optional<std::string> failure =
        replaceFileContent(target.path.toStdString(), bytes.toStdString());
    if (!failure) {
        *m_folder = QFileInfo(target.path).absolutePath().toStdString();
    }
    return failure;
}

void StepWindow::exportWithDialog() {
    // "HTML dosyası (*.html);;PDF dosyası (*.pdf)" as "shown name|pattern" pairs.
    QStringList filter;
    for (const QString& entry :
         translated(texts::steps::exportFilter).split(QStringLiteral(";;"))) {
        filter << entry << entry.section(QLatin1Char('('), -1).chopped(1);
    }
    const std::optional<std::string> name =
        m_interaction.chooseFileToExport(fromQt(filter.join(QLatin1Char('|'))), *m_folder);
    if (name) {
        exportChosen(toQt(*name));
    }
}

std::optional<QString> StepWindow::exportChosen(const QString& name) {
    const std::variant<ExportTarget, QString> target = exportTarget(name);
    if (const auto* refusal = std::get_if<QString>(&target)) {
        m_interaction.showMessage(fromQt(*refusal), fromQt(translated(texts::steps::exportButton)));
        return std::nullopt;
    }
    const ExportTarget& chosen = std::get<ExportTarget>(target);
    std::optional<std::string> failure;
    bool cancelled = false;
    try {
        failure = exportTo(chosen, &cancelled);
    } catch (const std::exception& error) {
        failure = error.what();
    }
    if (failure) {
        m_interaction.showMessage(fromQt(filled(texts::saveFailed, {toQt(*failure)})),
                                  fromQt(translated(texts::steps::exportButton)));
    }
    if (failure || cancelled) {
        return std::nullopt;
    }
    return chosen.path;
}

std::unique_ptr<StepWindow> makeStepWindow(MainWindow& main) {
    auto steps = std::make_unique<StepWindow>(main.interaction());
    steps->setFolderMemory(&main.variables().saveFolder);
    steps->setKeyLine([&main] {
        const WindowVariables& vars = main.variables();
        if (!vars.key) {
            return translated(texts::steps::handoutNoKey);
        }
        QString n;
        try {
            n = toQt(plainText(vars.key->p * vars.key->q));
        } catch (const std::exception&) {
            n = QStringLiteral("p · q");
        }
        return filled(texts::steps::handoutKey,
                      {toQt(plainText(vars.key->p)), toQt(plainText(vars.key->q)), n,
                       toQt(plainText(vars.key->e)), toQt(plainText(vars.d))});
    });
    return steps;
}

} // namespace rsa
