#include "stepwindow/StepWindow.h"

#include "files/FileWriting.h"
#include "texts/StepTexts.h"
#include "window/QtText.h"
#include "window/Translations.h"

#include <QBuffer>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QVBoxLayout>

#include <algorithm>

namespace rsa {

namespace {

using explain::Fold;

QString foldLink(std::size_t section, std::size_t group) {
    return QStringLiteral("fold:%1:%2").arg(section).arg(group);
}

QString sectionAnchor(std::size_t section) {
    return QStringLiteral("section-%1").arg(section);
}

QTextCharFormat emphasised(int sizeAdjustment) {
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    format.setProperty(QTextFormat::FontSizeAdjustment, sizeAdjustment);
    return format;
}

QTextBlockFormat spacedBlock(qreal above) {
    QTextBlockFormat format;
    format.setTopMargin(above);
    format.setBottomMargin(2);
    return format;
}

void insertTable(QTextCursor& cursor, const explain::Table& table) {
    QTextTableFormat format;
    format.setBorder(1);
    format.setBorderCollapse(true);
    format.setCellPadding(4);
    format.setCellSpacing(0);
    format.setTopMargin(4);
    const auto columns = static_cast<int>(table.columns.size());
    QTextTable* cells =
        cursor.insertTable(static_cast<int>(table.rows.size()) + 1, columns, format);
    QTextCharFormat heading;
    heading.setFontWeight(QFont::Bold);
    heading.setBackground(QColor(0xe8, 0xe8, 0xe8));
    for (int column = 0; column < columns; ++column) {
        const auto index = static_cast<std::size_t>(column);
        QTextTableCell header = cells->cellAt(0, column);
        header.setFormat(heading);
        header.firstCursorPosition().insertText(toQt(table.columns[index]), heading);
        for (std::size_t row = 0; row < table.rows.size(); ++row) {
            const std::vector<std::string>& cellsOfRow = table.rows[row];
            if (index < cellsOfRow.size()) {
                cells->cellAt(static_cast<int>(row) + 1, column)
                    .firstCursorPosition()
                    .insertText(toQt(cellsOfRow[index]));
            }
        }
    }
    cursor.movePosition(QTextCursor::End);
}

} // namespace

StepWindow::StepWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("StepWindow"));
    setWindowTitle(translated(texts::steps::windowTitle));
    // Closing the main window ends the program; this one only goes away.
    setAttribute(Qt::WA_QuitOnClose, false);

    m_view = new QTextBrowser(this);
    m_view->setObjectName(QStringLiteral("explanation"));
    m_view->setOpenLinks(false);
    // Nothing here is edited; an undo history would only grow with each section.
    m_view->document()->setUndoRedoEnabled(false);
    m_view->setPlaceholderText(translated(texts::steps::placeholder));
    m_baseFont = m_view->font();
    // Read from the back of a classroom: never smaller than 11 points.
    m_baseFont.setPointSizeF(std::max<qreal>(m_baseFont.pointSizeF(), 11));
    m_view->setFont(m_baseFont);
    connect(m_view, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        const QStringList parts = link.toString().split(QLatin1Char(':'));
        if (parts.size() == 3 && parts[0] == QLatin1String("fold")) {
            toggleFold(parts[1].toULongLong(), parts[2].toULongLong());
        }
    });

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
    buttons->addWidget(new QLabel(translated(texts::steps::zoomHint), this));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
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

void StepWindow::render(QTextDocument& document, bool foldable, std::size_t from) const {
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    // One edit: the view lays the document out once, not after every cell.
    cursor.beginEditBlock();
    for (std::size_t s = from; s < m_sections.size(); ++s) {
        const explain::Section& section = m_sections[s];
        QTextCharFormat title = emphasised(2);
        title.setAnchor(true);
        title.setAnchorNames({sectionAnchor(s)});
        // The first block of a document exists already and must not be doubled.
        if (document.isEmpty()) {
            cursor.setBlockFormat(spacedBlock(0));
            cursor.setCharFormat(title);
        } else {
            cursor.insertBlock(spacedBlock(16), title);
        }
        cursor.insertText(toQt(section.title), title);
        for (std::size_t g = 0; g < section.groups.size(); ++g) {
            const explain::Group& group = section.groups[g];
            const bool folded = foldable && group.fold == Fold::Folded;
            if (group.fold != Fold::Fixed) {
                QTextCharFormat heading = emphasised(0);
                if (foldable) {
                    heading.setAnchor(true);
                    heading.setAnchorHref(foldLink(s, g));
                    heading.setForeground(m_view->palette().link());
                }
                const QString marker = foldable ? QString::fromUtf8(folded ? "▸ " : "▾ ") : "";
                cursor.insertBlock(spacedBlock(8), heading);
                cursor.insertText(marker + toQt(group.title), heading);
            }
            if (folded) {
                continue;
            }
            for (const explain::Element& element : group.elements) {
                if (const auto* text = std::get_if<std::string>(&element)) {
                    cursor.insertBlock(spacedBlock(4), QTextCharFormat());
                    cursor.insertText(toQt(*text), QTextCharFormat());
                } else {
                    cursor.insertBlock(spacedBlock(4), QTextCharFormat());
                    insertTable(cursor, std::get<explain::Table>(element));
                }
            }
        }
    }
    cursor.endEditBlock();
}

void StepWindow::addSection(explain::Section section) {
    m_sections.push_back(std::move(section));
    render(*m_view->document(), true, m_sections.size() - 1);
    scrollToSection(m_sections.size() - 1);
}

void StepWindow::scrollToSection(std::size_t section) {
    m_view->scrollToAnchor(sectionAnchor(section));
}

void StepWindow::clear() {
    m_sections.clear();
    m_view->clear();
}

void StepWindow::rerender() {
    const int position = m_view->verticalScrollBar()->value();
    m_view->clear();
    render(*m_view->document(), true, 0);
    m_view->verticalScrollBar()->setValue(position);
}

void StepWindow::toggleFold(std::size_t section, std::size_t group) {
    if (section >= m_sections.size() || group >= m_sections[section].groups.size()) {
        return;
    }
    Fold& fold = m_sections[section].groups[group].fold;
    if (fold != Fold::Fixed) {
        fold = fold == Fold::Folded ? Fold::Open : Fold::Folded;
        rerender();
    }
}

void StepWindow::setZoom(int steps) {
    m_zoom = std::clamp(steps, -5, 20);
    QFont font = m_baseFont;
    font.setPointSizeF(m_baseFont.pointSizeF() + m_zoom);
    m_view->setFont(font);
}

void StepWindow::copy() {
    if (m_view->textCursor().hasSelection()) {
        m_view->copy();
        return;
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

std::optional<std::string> StepWindow::exportTo(const QString& path) const {
    QTextDocument document;
    document.setDefaultFont(m_baseFont);
    document.setMetaInformation(QTextDocument::DocumentTitle,
                                translated(texts::steps::windowTitle));
    render(document, false, 0);
    QByteArray bytes;
    if (path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        // Qt's own PDF writer, in memory: the file the user chose is replaced
        // only by a complete copy, and no print library is loaded at start.
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setTitle(translated(texts::steps::windowTitle));
        document.print(&writer);
        if (bytes.isEmpty()) {
            return translated(texts::steps::pdfFailed).toStdString();
        }
    } else {
        bytes = document.toHtml().toUtf8();
    }
    return replaceFileContent(path.toStdString(), bytes.toStdString());
}

void StepWindow::exportWithDialog() {
    QString filter;
    QString path = QFileDialog::getSaveFileName(this, translated(texts::steps::exportButton),
                                                translated(texts::steps::exportFileName),
                                                translated(texts::steps::exportFilter), &filter);
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += filter.contains(QLatin1String("pdf")) ? QStringLiteral(".pdf")
                                                      : QStringLiteral(".html");
    }
    std::optional<std::string> failure;
    try {
        failure = exportTo(path);
    } catch (const std::exception& error) {
        failure = error.what();
    }
    if (failure) {
        QMessageBox box(QMessageBox::Warning, translated(texts::steps::exportButton),
                        translated(texts::steps::exportFailed) + toQt(*failure), QMessageBox::Ok,
                        this);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
}

namespace {

// The explanation speaks the language of the window.
std::string inWindowLanguage(const char* text) {
    return translated(text).toStdString();
}

} // namespace

std::unique_ptr<StepWindow> openStepWindow(MainWindow& main) {
    auto steps = std::make_unique<StepWindow>();
    steps->setWindowIcon(main.windowIcon());
    StepWindow* window = steps.get();
    QObject::connect(
        &main, &MainWindow::commandRan, window, [&main, window](const CommandRecord& record) {
            // Nothing may leave a Qt slot by an exception; a
            // section that cannot be built is only missing.
            try {
                if (std::optional<explain::Section> section =
                        explain::explainCommand(record, main.variables(), &inWindowLanguage)) {
                    window->addSection(std::move(*section));
                }
            } catch (const std::exception& error) {
                qWarning("step window: %s", error.what());
            } catch (...) {
                qWarning("step window: unknown failure");
            }
        });
    // Beside the main window, as far as the screen allows.
    const QRect frame = main.frameGeometry();
    const QRect screen = main.screen()->availableGeometry();
    steps->resize(640, main.height());
    const int left = std::max(screen.left(), std::min(frame.right() + 8, screen.right() - 660));
    steps->move(left, frame.top());
    steps->show();
    main.raise();
    main.activateWindow();
    return steps;
}

} // namespace rsa
