#pragma once

// The step-by-step window ("Adım adım"), opened beside the main window with
// --adim-adim. It follows the main window's commands through their one
// notification and shows, for each, the section the explain library built:
// newest at the bottom, earlier ones kept until "Temizle". It only renders
// that data: block tables and the attacker's part fold and unfold on a click,
// Ctrl++ / Ctrl+- / Ctrl+0 zoom for a projector, and "Dışa aktar" saves the
// whole explanation, unfolded, as HTML or PDF for a handout.

#include "explain/Explanation.h"
#include "window/MainWindow.h"

#include <QFont>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QTextBrowser;
class QTextDocument;

namespace rsa {

class StepWindow : public QWidget {
    Q_OBJECT

public:
    explicit StepWindow(QWidget* parent = nullptr);

    // Adds the section at the bottom and brings it into view.
    void addSection(explain::Section section);
    void clear();
    // Brings the title of a section to the top of the view, or as high as it goes.
    void scrollToSection(std::size_t section);
    void toggleFold(std::size_t section, std::size_t group);
    // Font size steps away from the usual size; 0 is the usual size.
    void setZoom(int steps);
    int zoom() const { return m_zoom; }
    // The selection, or everything when nothing is selected, to the clipboard.
    void copy();

    // Every line of every section, in the driver's plain form.
    std::vector<std::string> plainTextLines() const;

    // The whole explanation with every group unfolded, as PDF for a name
    // ending in .pdf and as HTML otherwise; nothing on success, else why not.
    std::optional<std::string> exportTo(const QString& path) const;

private:
    void render(QTextDocument& document, bool foldable, std::size_t from) const;
    void rerender();
    void exportWithDialog();

    QTextBrowser* m_view;
    std::vector<explain::Section> m_sections;
    QFont m_baseFont;
    int m_zoom = 0;
};

// Opens a step window beside the main window that explains each command the
// main window runs; the main window keeps the keyboard.
std::unique_ptr<StepWindow> openStepWindow(MainWindow& main);

} // namespace rsa
