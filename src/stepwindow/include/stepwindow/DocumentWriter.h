#pragma once

// Writes the explain library's sections into a QTextDocument, for the step
// window, the printed handout and the attacks window alike, so all show the
// same paragraphs and tables. Everything is written as new blocks after the cursor, never into
// blocks already there: a group written in the middle of the document is a
// run of whole blocks that can be taken out and written again on its own,
// which is how the window folds one group without touching the rest. Uses Qt
// GUI only, so the handout can be written off the GUI thread.

#include "explain/Explanation.h"

#include <QBrush>
#include <QString>
#include <QTextCursor>

namespace rsa::stepwindow {

// Whether paper shows this element of the group: a folded group keeps its
// paragraphs there and leaves its tables out, as the window shows them only
// to whoever opens them.
bool printed(const explain::Group& group, const explain::Element& element);

enum class Medium {
    Window, // foldable titles with ▸ / ▾, folded groups show their title alone
    Print,  // plain titles, a folded group without its tables
};

struct Look {
    Medium medium = Medium::Window;
    QBrush link; // colour of a foldable title in the window
};

// A section's title as a new block, or in the document's first block while
// that is still empty; returns the position of the title's block.
int writeSectionTitle(QTextCursor& cursor, const QString& title);

// A group's title (unless it is fixed) and content as new blocks; link is
// what a click on the title reports in the window. Returns the position of
// the title's block, or -1 for a fixed group.
int writeGroup(QTextCursor& cursor, const explain::Group& group, const QString& link,
               const Look& look);

} // namespace rsa::stepwindow
