#include "stepwindow/Handout.h"

#include "stepwindow/DocumentWriter.h"
#include "window/QtText.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <set>

namespace rsa {

namespace {

using explain::Fold;

QString escaped(const std::string& text) {
    return toQt(text).toHtmlEscaped();
}

const char* const htmlStyle = R"(
@page { size: A4; margin: 18mm 16mm; }
body { font-family: "Liberation Sans", Arial, Helvetica, sans-serif; font-size: 11pt;
       line-height: 1.35; color: #111; max-width: 50em; margin: 2em auto; padding: 0 1em; }
h1 { font-size: 18pt; margin: 0 0 .2em; }
h2 { font-size: 14pt; margin: 1.4em 0 .3em; border-bottom: 1px solid #999; }
h3 { font-size: 11pt; margin: 1em 0 .2em; }
h2, h3 { break-after: avoid; page-break-after: avoid; }
p { margin: .25em 0; }
.meta { margin: 0; }
table { border-collapse: collapse; margin: .3em 0 .6em; }
th, td { border: 1px solid #888; padding: 2px 6px; text-align: right; }
th { background: #e8e8e8; }
thead { display: table-header-group; }
tr { break-inside: avoid; page-break-inside: avoid; }
@media print {
  body { font-size: 10pt; max-width: none; margin: 0; padding: 0; }
  h2 { margin-top: 1em; }
  a { color: inherit; text-decoration: none; }
}
)";

void appendTable(QString& html, const explain::Table& table) {
    html += QStringLiteral("<table>\n<thead><tr>");
    for (const std::string& column : table.columns) {
        html += QStringLiteral("<th>") + escaped(column) + QStringLiteral("</th>");
    }
    html += QStringLiteral("</tr></thead>\n<tbody>\n");
    for (const std::vector<std::string>& row : table.rows) {
        html += QStringLiteral("<tr>");
        for (const std::string& cell : row) {
            html += QStringLiteral("<td>") + escaped(cell) + QStringLiteral("</td>");
        }
        html += QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</tbody>\n</table>\n");
}

void writeHeader(QTextCursor& cursor, const Handout& handout) {
    QTextCharFormat big;
    big.setFontWeight(QFont::Bold);
    big.setProperty(QTextFormat::FontSizeAdjustment, 3);
    cursor.setCharFormat(big);
    cursor.insertText(handout.title, big);
    for (const QString& line : {handout.date, handout.key}) {
        cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        cursor.insertText(line, QTextCharFormat());
    }
}

// Writes a section at the end of the document and returns the positions of
// the blocks that are its titles.
std::vector<int> writeSection(QTextCursor& cursor, const explain::Section& section) {
    // One edit: laid out once, not after every cell.
    cursor.beginEditBlock();
    std::vector<int> titles{stepwindow::writeSectionTitle(cursor, toQt(section.title))};
    for (const explain::Group& group : section.groups) {
        const int title =
            stepwindow::writeGroup(cursor, group, QString(), {stepwindow::Medium::Print, {}});
        if (title >= 0) {
            titles.push_back(title);
        }
    }
    cursor.endEditBlock();
    return titles;
}

// The page on which the first line of the block at position lies. A line
// that would cross the foot of a page is moved down within its block, so the
// block itself may still begin on the page before.
int pageOf(QTextDocument& document, int position) {
    const QTextBlock block = document.findBlock(position);
    qreal top = document.documentLayout()->blockBoundingRect(block).top();
    if (block.layout() != nullptr && block.layout()->lineCount() > 0) {
        top += block.layout()->lineAt(0).y();
    }
    return static_cast<int>(top / document.pageSize().height());
}

// A title whose text follows on the next page starts that page instead.
void keepTitlesWithText(QTextDocument& document, const std::vector<int>& titles) {
    for (const int title : titles) {
        QTextBlock next = document.findBlock(title).next();
        if (!next.isValid()) {
            continue;
        }
        // A table begins after an empty block; its first cell is what counts.
        if (next.text().isEmpty() && next.next().isValid()) {
            next = next.next();
        }
        if (pageOf(document, title) != pageOf(document, next.position())) {
            QTextCursor cursor(document.findBlock(title));
            QTextBlockFormat format;
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            cursor.mergeBlockFormat(format);
        }
    }
}

} // namespace

std::vector<explain::Section> sectionsOnPaper(const std::vector<explain::Section>& sections) {
    std::vector<explain::Section> paper;
    std::set<std::vector<std::string>> printedAlready;
    for (const explain::Section& section : sections) {
        explain::Section shown = section;
        if (!section.refusal.empty()) {
            shown.groups = {{{}, Fold::Fixed, {section.refusal}}};
        }
        // Folding in the window does not make a section another one.
        explain::Section unfolded = shown;
        for (explain::Group& group : unfolded.groups) {
            if (group.fold == Fold::Folded) {
                group.fold = Fold::Open;
            }
        }
        if (printedAlready.insert(explain::plainTextLines(unfolded)).second) {
            paper.push_back(std::move(shown));
        }
    }
    return paper;
}

QByteArray handoutHtml(const Handout& handout) {
    QString html = QStringLiteral("<!DOCTYPE html>\n<html lang=\"") + handout.language +
                   QStringLiteral("\">\n<head>\n<meta charset=\"utf-8\">\n");
    html +=
        QStringLiteral("<title>") + handout.title.toHtmlEscaped() + QStringLiteral("</title>\n");
    html +=
        QStringLiteral("<style>") + QString::fromLatin1(htmlStyle) + QStringLiteral("</style>\n");
    html += QStringLiteral("</head>\n<body>\n<h1>") + handout.title.toHtmlEscaped() +
            QStringLiteral("</h1>\n");
    for (const QString& line : {handout.date, handout.key}) {
        html +=
            QStringLiteral("<p class=\"meta\">") + line.toHtmlEscaped() + QStringLiteral("</p>\n");
    }
    for (const explain::Section& section : sectionsOnPaper(handout.sections)) {
        html +=
            QStringLiteral("<section>\n<h2>") + escaped(section.title) + QStringLiteral("</h2>\n");
        for (const explain::Group& group : section.groups) {
            if (group.fold != Fold::Fixed) {
                html += QStringLiteral("<h3>") + escaped(group.title) + QStringLiteral("</h3>\n");
            }
            for (const explain::Element& element : group.elements) {
                if (!stepwindow::printed(group, element)) {
                    continue;
                }
                if (const auto* text = std::get_if<std::string>(&element)) {
                    html += QStringLiteral("<p>") + escaped(*text) + QStringLiteral("</p>\n");
                } else {
                    appendTable(html, std::get<explain::Table>(element));
                }
            }
        }
        html += QStringLiteral("</section>\n");
    }
    html += QStringLiteral("</body>\n</html>\n");
    return html.toUtf8();
}

std::optional<QByteArray> handoutPdf(const Handout& handout, PdfProgress& progress) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(300);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(16, 16, 16, 16), QPageLayout::Millimeter);
    writer.setTitle(handout.title);

    QTextDocument document;
    document.setUndoRedoEnabled(false);
    document.documentLayout()->setPaintDevice(&writer);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(10);
    document.setDefaultFont(font);
    QTextFrameFormat root = document.rootFrame()->frameFormat();
    root.setMargin(0);
    document.rootFrame()->setFrameFormat(root);
    const QSizeF page(writer.width(), writer.height());
    document.setPageSize(page);

    // Section by section: a title moved to the next page moves only what
    // comes after it in its own section, the last one written so far.
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    writeHeader(cursor, handout);
    const std::vector<explain::Section> sections = sectionsOnPaper(handout.sections);
    progress.total = static_cast<int>(sections.size()) + 1;
    for (const explain::Section& section : sections) {
        if (progress.cancel) {
            return std::nullopt;
        }
        keepTitlesWithText(document, writeSection(cursor, section));
        cursor.movePosition(QTextCursor::End);
        ++progress.done;
    }
    const int pages = document.pageCount();
    progress.total = progress.done + pages;
    QPainter painter;
    if (!painter.begin(&writer)) {
        return QByteArray();
    }
    for (int index = 0; index < pages; ++index) {
        if (progress.cancel) {
            painter.end();
            return std::nullopt;
        }
        if (index > 0) {
            writer.newPage();
        }
        painter.save();
        const QRectF shown(0, index * page.height(), page.width(), page.height());
        painter.translate(0, -shown.top());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = shown;
        context.palette.setColor(QPalette::Text, Qt::black);
        painter.setClipRect(shown);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        ++progress.done;
    }
    painter.end();
    return bytes;
}

} // namespace rsa
