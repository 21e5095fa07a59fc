#include "stepwindow/DocumentWriter.h"

#include "window/QtText.h"

#include <QTextTable>

namespace rsa::stepwindow {

namespace {

using explain::Fold;

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

void writeParagraph(QTextCursor& cursor, const QString& text, const QTextCharFormat& format) {
    cursor.insertBlock(spacedBlock(4), format);
    cursor.insertText(text, format);
}

void writeTable(QTextCursor& cursor, const explain::Table& table) {
    cursor.insertBlock(spacedBlock(4), QTextCharFormat());
    QTextTableFormat format;
    format.setBorder(1);
    format.setBorderCollapse(true);
    format.setCellPadding(3);
    format.setCellSpacing(0);
    format.setTopMargin(4);
    // On paper the column names come again at the top of each page.
    format.setHeaderRowCount(1);
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
    // On to the end of the block that follows the table, which may be in the
    // middle of the document.
    cursor = cells->lastCursorPosition();
    cursor.movePosition(QTextCursor::NextBlock);
    cursor.movePosition(QTextCursor::EndOfBlock);
}

} // namespace

bool printed(const explain::Group& group, const explain::Element& element) {
    return group.fold != Fold::Folded || std::holds_alternative<std::string>(element);
}

int writeSectionTitle(QTextCursor& cursor, const QString& title) {
    const QTextCharFormat format = emphasised(2);
    // The first block of a document exists already and must not be doubled.
    if (cursor.document()->isEmpty()) {
        cursor.setBlockFormat(spacedBlock(0));
        cursor.setCharFormat(format);
    } else {
        cursor.insertBlock(spacedBlock(16), format);
    }
    cursor.insertText(title, format);
    return cursor.block().position();
}

int writeGroup(QTextCursor& cursor, const explain::Group& group, const QString& link,
               const Look& look) {
    const bool window = look.medium == Medium::Window;
    int titleBlock = -1;
    if (group.fold != Fold::Fixed) {
        QTextCharFormat heading = emphasised(0);
        QString title = toQt(group.title);
        if (window) {
            heading.setAnchor(true);
            heading.setAnchorHref(link);
            heading.setForeground(look.link);
            title.prepend(QString::fromUtf8(group.fold == Fold::Folded ? "▸ " : "▾ "));
        }
        cursor.insertBlock(spacedBlock(8), heading);
        cursor.insertText(title, heading);
        titleBlock = cursor.block().position();
    }
    if (group.fold == Fold::Folded && window) {
        return titleBlock;
    }
    for (const explain::Element& element : group.elements) {
        if (!printed(group, element)) {
            continue;
        }
        if (const auto* text = std::get_if<std::string>(&element)) {
            writeParagraph(cursor, toQt(*text), QTextCharFormat());
        } else {
            writeTable(cursor, std::get<explain::Table>(element));
        }
    }
    return titleBlock;
}

} // namespace rsa::stepwindow
