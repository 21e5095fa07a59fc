#pragma once

// The step-by-step window ("Adım adım"), opened beside the main window with
// --adim-adim. Every window sends it the sections the explain library built
// for its acts, the main window's commands included (src/companions): newest
// at the bottom, earlier ones kept until "Temizle". It only renders
// that data: block tables and the attacker's part fold and unfold on a click,
// Ctrl++ / Ctrl+- / Ctrl+0 zoom for a projector, and "Dışa aktar" saves the
// explanation as a handout, in HTML or PDF.
//
// A click, a fold and the scroll cost the same after ten thousand sections as
// after one. Qt's text document rescans all of its tables on every edit, so
// the sections are shown on pages of a few sections each, one text view per
// page, stacked in one scrolling area (only the pages below a page whose
// height changed move); the window keeps where each section
// and group begins in its page, scrolls to that place directly and, on a
// fold, writes that one group again.

#include "explain/Explanation.h"
#include "operations/UserInteraction.h"
#include "stepwindow/Handout.h"
#include "window/MainWindow.h"

#include <QFont>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

class QScrollArea;
class QTextBrowser;

namespace rsa {

enum class ExportType { Html, Pdf };

struct ExportTarget {
    QString path;
    ExportType type;
};

// The file an export writes for the name confirmed in its dialog: ".pdf" at
// the end of the name makes it a PDF, anything else HTML, and a name without
// an extension gets ".html" (Qt's dialog has already added the chosen
// filter's). A name longer than a file system allows (255 bytes) is refused
// with the sentence that says so.
std::variant<ExportTarget, QString> exportTarget(const QString& name);

class StepWindow : public QWidget {
    Q_OBJECT

public:
    // The export's dialog and messages go through interaction, which must
    // outlive the window.
    explicit StepWindow(UserInteraction& interaction, QWidget* parent = nullptr);

    // Adds the section at the bottom and brings it into view.
    void addSection(explain::Section section);
    void clear();
    std::size_t sectionCount() const { return m_sections.size(); }
    // Brings the title of a section to the top of the view, or as high as it goes.
    void scrollToSection(std::size_t section);
    void toggleFold(std::size_t section, std::size_t group);
    // Font size steps away from the usual size; 0 is the usual size. The
    // paragraph at the top of the view stays there.
    void setZoom(int steps);
    int zoom() const { return m_zoom; }
    // The selection, or everything when nothing is selected, to the clipboard.
    void copy();
    // The text views of the pages, first to last; a page shows sectionsPerPage sections.
    static constexpr std::size_t sectionsPerPage = 16;
    std::vector<QTextBrowser*> pages() const { return m_pages; }
    QScrollArea* scrollArea() const { return m_scroll; }

    // Every line of every section, in the driver's plain form.
    std::vector<std::string> plainTextLines() const;

    // What the handout's first lines say about the key; the main window's
    // variables are its source.
    void setKeyLine(std::function<QString()> keyLine) { m_keyLine = std::move(keyLine); }
    // The folder the export dialog opens in, shared with the main window's Save.
    void setFolderMemory(std::string* folder) { m_folder = folder; }

    // The handout as it would be exported now.
    Handout handout() const;
    // Writes the handout to target; nothing on success, else why not. A PDF is
    // made on another thread while a progress dialog with "İptal" shows; after
    // a cancel nothing is written and cancelled is set.
    std::optional<std::string> exportTo(const ExportTarget& target, bool* cancelled = nullptr);
    // What "Dışa aktar" does once its dialog confirmed name: the file really
    // written, or nothing after a refusal or failure (each shown as a
    // message) or a cancel.
    std::optional<QString> exportChosen(const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTextBrowser* addPage();
    QTextBrowser* pageOf(std::size_t section) const;
    // The vertical place of a position of a page in the scrolling area.
    int placeOf(QTextBrowser* page, int position) const;
    void fitPage(QTextBrowser* page);
    void arrangePages();
    void writeSection(std::size_t section);
    void shiftFrom(std::size_t section, std::size_t group, int delta);
    void exportWithDialog();

    struct Placed {
        int title = 0;
        std::vector<std::pair<int, int>> groups; // document range of each group
    };

    UserInteraction& m_interaction;
    QScrollArea* m_scroll;
    QWidget* m_stack;
    std::vector<QTextBrowser*> m_pages;
    std::size_t m_arrangeFrom = 0; // the first page that may have to move
    std::vector<explain::Section> m_sections;
    std::vector<Placed> m_placed;
    QFont m_baseFont;
    int m_zoom = 0;
    std::function<QString()> m_keyLine;
    std::string m_ownFolder;
    std::string* m_folder = &m_ownFolder;
};

// A step window for main, not shown yet: its handout names main's key and
// its export starts in main's folder.
std::unique_ptr<StepWindow> makeStepWindow(MainWindow& main);

} // namespace rsa
