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

void PlainTextBox::insertFromMimeData(const QMimeData* source) {
    if (holdsSomething(source)) {
        QPlainTextEdit::insertFromMimeData(source);
    }
}

} // namespace rsa
