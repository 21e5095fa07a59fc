#include "window/QtInteraction.h"

#include "texts/Texts.h"
#include "window/QtText.h"
#include "window/Translations.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStringList>
#include <QWidget>

namespace rsa {

namespace {

// The save dialog of an export. Before it accepts a name, it gives the name
// the extension of the type chosen in it (a name typed as "ders." or
// "Ders 8.1" gets one too), so its question before replacing a file is about
// the file really written, and that file's extension names the type chosen.
class ExportDialog final : public QFileDialog {
public:
    ExportDialog(QWidget* parent, const QString& folder, const QString& filter)
        : QFileDialog(parent, QString(), folder, qtFileFilter(fromQt(filter))),
          m_filters(nameFilters()) {
        // Qt's own dialog, whose accept() this one extends.
        setOption(QFileDialog::DontUseNativeDialog);
        setAcceptMode(QFileDialog::AcceptSave);
        // The extension of each filter's first pattern ("*.html" gives "html").
        const QStringList parts = filter.split(QLatin1Char('|'));
        for (qsizetype i = 1; i < parts.size(); i += 2) {
            m_suffixes << parts[i].section(QLatin1Char(';'), 0, 0).section(QLatin1Char('.'), -1);
        }
    }

protected:
    void accept() override {
        const QStringList files = selectedFiles();
        const QString suffix = m_suffixes.value(m_filters.indexOf(selectedNameFilter()));
        if (files.size() == 1 && !suffix.isEmpty() && !QFileInfo(files.constFirst()).isDir() &&
            !files.constFirst().endsWith(QLatin1Char('.') + suffix, Qt::CaseInsensitive)) {
            QString name = files.constFirst();
            while (name.endsWith(QLatin1Char('.'))) {
                name.chop(1);
            }
            selectFile(name + QLatin1Char('.') + suffix);
        }
        QFileDialog::accept();
    }

private:
    QStringList m_filters;
    QStringList m_suffixes;
};

} // namespace

QString qtFileFilter(const std::string& filter) {
    const QStringList parts = toQt(filter).split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString& name = parts[i];
        if (i + 1 >= parts.size()) {
            entries << name;
            continue;
        }
        const QString pattern = QLatin1Char('(') + parts[i + 1] + QLatin1Char(')');
        entries << (name.endsWith(pattern) ? name : name + QLatin1Char(' ') + pattern);
    }
    return entries.join(QStringLiteral(";;"));
}

QtInteraction::QtInteraction(QWidget& parent) : m_parent(parent) {}

// The exchange window's Save opens over the exchange window, where the
// learner's eyes are, and not over the main window beside it.
QWidget* QtInteraction::dialogParent() const {
    QWidget* active = QApplication::activeWindow();
    return active != nullptr ? active : &m_parent;
}

QString QtInteraction::startIn(const std::string& asked) const {
    return asked.empty() ? m_lastFolder : toQt(asked);
}

std::optional<std::string> QtInteraction::chosen(const QString& name) {
    // Qt's dialogs answer a cancel with an empty name.
    if (name.isEmpty()) {
        return std::nullopt;
    }
    m_lastFolder = QFileInfo(name).absolutePath();
    return fromQt(name);
}

QtInteraction::~QtInteraction() {
    // An opener still running ends quietly with the window: nothing is left
    // to report its end to.
    for (QProcess* opener : m_openers.findChildren<QProcess*>()) {
        opener->disconnect();
    }
}

void QtInteraction::showMessage(const std::string& text, const std::optional<std::string>& title) {
    QMessageBox box(QMessageBox::NoIcon, toQt(title.value_or(texts::applicationTitle)), toQt(text),
                    QMessageBox::Ok, dialogParent());
    // A reason taken from the system is shown as it stands, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::optional<std::string> QtInteraction::chooseFileToWrite(const std::string& filter,
                                                            const std::string& startFolder) {
    return chosen(QFileDialog::getSaveFileName(dialogParent(), QString(), startIn(startFolder),
                                               qtFileFilter(filter)));
}

std::optional<std::string> QtInteraction::chooseFileToRead(const std::string& filter) {
    return chosen(QFileDialog::getOpenFileName(dialogParent(), QString(), m_lastFolder,
                                               qtFileFilter(filter)));
}

std::optional<std::string> QtInteraction::chooseFileToExport(const std::string& filter,
                                                             const std::string& startFolder) {
    ExportDialog dialog(dialogParent(), startIn(startFolder), toQt(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return chosen(dialog.selectedFiles().constFirst());
}

std::optional<std::string> QtInteraction::openWebPage(const std::string& address) {
    // The desktop's opener hands the page to the browser. It may return at
    // once or live as long as the browser, so it is not waited for: when it
    // ends with an error, that is reported then.
    auto* opener = new QProcess(&m_openers);
    QObject::connect(opener, &QProcess::finished, &m_openers,
                     [this, opener](int code, QProcess::ExitStatus how) {
                         opener->deleteLater();
                         if (how != QProcess::NormalExit || code != 0) {
                             showMessage(translatedMessage(texts::aboutFailed),
                                         translatedMessage(texts::browserFailed));
                         }
                     });
    opener->start(QStringLiteral("xdg-open"), {toQt(address)});
    if (!opener->waitForStarted()) {
        opener->deleteLater();
        return std::string(texts::browserFailed);
    }
    return std::nullopt;
}

void QtInteraction::endProgram() {
    m_parent.close();
    QCoreApplication::quit();
}

} // namespace rsa
