#pragma once

// The program speaks Turkish whatever the desktop's language, and so must
// Qt's own texts: the save dialog, its replace question and the standard
// buttons. Qt's Turkish catalogue comes from the system's Qt translations.

#include <QCoreApplication>

namespace rsa {

// Loads Qt's Turkish translations into the application. Returns false, and
// leaves Qt's English texts in place, when they are not installed.
bool installQtTranslations(QCoreApplication& app);

} // namespace rsa
