#include "window/PlainTextBox.h"

#include <QMimeData>

namespace rsa {

namespace {

bool holdsSomething(const QMimeData* source) {
    return source != nullptr && !source->formats().isEmpty();
}

} // namespace

bool PlainTextBox::canInsertFromMimeData(const QMimeData* source) const {
    return holdsSomething(source) && QPlainTextEdit::canInsertFromMimeData(source);
}

void PlainTextBox::limitPastes(qsizetype most, std::function<void(qsizetype)> tooLong) {
    m_mostPasted = most;
    m_tooLong = std::move(tooLong);
}

void PlainTextBox::insertFromMimeData(const QMimeData* source) {
    if (!holdsSomething(source)) {
        return;
    }
    if (m_mostPasted >= 0 && source->hasText()) {
        const qsizetype length = source->text().size();
        if (length > m_mostPasted) {
            m_tooLong(length);
            return;
        }
    }
    QPlainTextEdit::insertFromMimeData(source);
}

} // namespace rsa
