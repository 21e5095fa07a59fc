#include "window/MainWindow.h"

#include "CommandButton.h"
#include "GroupBoxStyle.h"
#include "TranslatedOperations.h"
#include "controls/ControlTable.h"
#include "keys/KeyCommands.h"
#include "texts/Texts.h"
#include "texts/Wording.h"
#include "window/FileIconEngine.h"
#include "window/PlainTextBox.h"
#include "window/QtInteraction.h"
#include "window/QtText.h"
#include "window/Translations.h"

#include <QAction>
#include <QApplication>
#include <QFont>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>

#include <algorithm>
#include <limits>
#include <map>
#include <utility>
#include <vector>

namespace rsa {

namespace {

QRect pixels(const ControlSpec& control) {
    return {control.left / twipsPerPixel, control.top / twipsPerPixel,
            control.width / twipsPerPixel, control.height / twipsPerPixel};
}

QWidget* createTextBox(BoxStyle style, QWidget* parent) {
    if (style == BoxStyle::SingleLine || style == BoxStyle::TallSingleLine) {
        auto* edit = new QLineEdit(parent);
        // No box has a length limit; Qt's default would cut text at 32,767
        // characters without a word.
        edit->setMaxLength(std::numeric_limits<int>::max());
        if (style == BoxStyle::TallSingleLine) {
            // The one line sits at the top of the tall box, not in its middle.
            edit->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        }
        return edit;
    }
    auto* edit = new PlainTextBox(parent);
    edit->setTabChangesFocus(true);
    if (style == BoxStyle::ScrollingLines) {
        edit->setLineWrapMode(QPlainTextEdit::NoWrap);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    } else {
        edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        edit->setWordWrapMode(QTextOption::WordWrap);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    return edit;
}

// The program's icon in every size it was drawn for; the two smallest are a
// simpler drawing, as "RSA" cannot be read there. Each file is read when its
// size is first needed, not at start-up.
QIcon applicationIcon() {
    std::map<int, QString> files;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        files.emplace(size, QStringLiteral(":/icons/rsa-demo-%1.png").arg(size));
    }
    return QIcon(new FileIconEngine(std::move(files)));
}

// The fixed layout was drawn for captions of Arial's width at 11 pixels;
// Liberation Sans has exactly those metrics. The size is in pixels so that a
// larger desktop font cannot push a caption out of its fixed box, while Qt's
// scaling still enlarges the window, boxes and captions alike.
QFont layoutFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    return font;
}

QWidget* createControl(const ControlSpec& control, QWidget* parent) {
    switch (control.kind) {
    case ControlKind::Frame: {
        auto* frame = new QGroupBox(translated(control.caption), parent);
        frame->setFocusPolicy(Qt::NoFocus);
        return frame;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(translated(control.caption), parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        label->setFocusPolicy(Qt::NoFocus);
        return label;
    }
    case ControlKind::TextBox:
        return createTextBox(control.style, parent);
    case ControlKind::Button:
        return new CommandButton(translated(control.caption), parent);
    case ControlKind::FileDialog:
        break;
    }
    return nullptr;
}

} // namespace

MainWindow::MainWindow()
    : m_ownInteraction(std::make_unique<QtInteraction>(*this)), m_interaction(*m_ownInteraction) {
    build();
}

MainWindow::MainWindow(UserInteraction& interaction) : m_interaction(interaction) {
    build();
}

MainWindow::~MainWindow() = default;

void MainWindow::build() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(translated(texts::windowTitle));
    setWindowIcon(applicationIcon());
    setFont(layoutFont());
    // Qt lays out each new line edit once in the application's font before it
    // takes the window's: with the window's font as the application's while
    // the boxes are made, no second font is loaded for that throwaway layout.
    const QFont applicationFont = QApplication::font();
    QApplication::setFont(layoutFont());
    createMenus();
    createControls();
    QApplication::setFont(applicationFont);
    resize(clientWidth / twipsPerPixel,
           clientHeight / twipsPerPixel + menuBar()->sizeHint().height());
}

void MainWindow::createControls() {
    auto* client = new QWidget(this);
    setCentralWidget(client);

    std::map<std::string_view, QWidget*> containers{{"Form1", client}};
    std::vector<std::pair<int, QWidget*>> tabOrder;
    GroupBoxStyle* const frameStyle = GroupBoxStyle::forApplicationStyle(this);
    for (const ControlSpec& control : controlTable) {
        // The save dialog is made afresh at each use; the component has no widget.
        if (control.kind == ControlKind::FileDialog) {
            continue;
        }
        QWidget* widget = createControl(control, containers.at(control.container));
        widget->setObjectName(toQt(control.name));
        widget->setGeometry(pixels(control));
        if (*control.tooltip != '\0') {
            widget->setToolTip(translated(control.tooltip));
        }
        if (control.kind == ControlKind::Frame) {
            containers[control.name] = widget;
            if (frameStyle != nullptr) {
                widget->setStyle(frameStyle);
            }
        }
        if (control.box) {
            widget->setAccessibleName(translated(control.accessibleName));
            m_boxes[static_cast<std::size_t>(*control.box)] = widget;
        }
        if (const Command* command = control.command) {
            connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, this,
                    [this, command] { run(*command); });
        }
        if ((widget->focusPolicy() & Qt::TabFocus) != 0) {
            tabOrder.emplace_back(control.tabIndex, widget);
        }
    }
    std::sort(tabOrder.begin(), tabOrder.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i) {
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    }
    if (!tabOrder.empty()) {
        tabOrder.front().second->setFocus();
    }
}

void MainWindow::createMenus() {
    std::map<std::string_view, QMenu*> menus;
    for (const MenuSpec& entry : menuTree) {
        if (entry.parent.empty()) {
            QMenu* menu = menuBar()->addMenu(translated(entry.caption));
            menu->setObjectName(toQt(entry.name));
            menus[entry.name] = menu;
            continue;
        }
        QAction* action = menus.at(entry.parent)->addAction(translated(entry.caption));
        action->setObjectName(toQt(entry.name));
        const Command* command = entry.command;
        connect(action, &QAction::triggered, this, [this, command] { run(*command); });
    }
}

void MainWindow::run(const Command& command) {
    // Nothing may leave a Qt slot by an exception; the command runner reports
    // the run-time failures of the commands, this catches anything else.
    std::string failure;
    TranslatedOperations shown(*this);
    try {
        emit commandRan(runCommand(command, m_vars, shown));
        return;
    } catch (const std::exception& error) {
        failure = error.what();
    } catch (...) {
    }
    try {
        shown.showFilledMessage(texts::unexpectedError, {failure});
    } catch (...) {
        qCritical("%s", texts::fill(texts::unexpectedError, {failure}).c_str());
    }
}

void MainWindow::computeKey(const std::string& p, const std::string& q, const std::string& e) {
    writeText(TextBox::txtP, p);
    writeText(TextBox::txtQ, q);
    writeText(TextBox::txtpublic, e);
    run(commands::computeKey);
}

QWidget* MainWindow::boxWidget(TextBox box) const {
    return m_boxes.at(static_cast<std::size_t>(box));
}

std::string MainWindow::readText(TextBox box) {
    QWidget* widget = boxWidget(box);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return fromQt(edit->text());
    }
    // The raw text keeps every character as typed (toPlainText() would turn a
    // no-break space into a blank); only the breaks between paragraphs become
    // line feeds.
    return fromQt(static_cast<QPlainTextEdit*>(widget)->document()->toRawText().replace(
        QChar::ParagraphSeparator, QLatin1Char('\n')));
}

void MainWindow::writeText(TextBox box, const std::string& text) {
    QWidget* widget = boxWidget(box);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(toQt(text));
    } else {
        static_cast<QPlainTextEdit*>(widget)->setPlainText(toQt(text));
    }
}

void MainWindow::showMessage(const std::string& text, const std::optional<std::string>& title) {
    m_interaction.showMessage(text, title);
}

void MainWindow::appendText(TextBox box, const std::string& text) {
    // Appending at the end keeps the newest row in view, and inserting costs
    // only the new text, however long the box has grown.
    QWidget* widget = boxWidget(box);
    const QString added = toQt(text);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(edit->text() + added);
        edit->setCursorPosition(static_cast<int>(edit->text().size()));
        return;
    }
    auto* edit = static_cast<QPlainTextEdit*>(widget);
    edit->moveCursor(QTextCursor::End);
    edit->insertPlainText(added);
    edit->ensureCursorVisible();
}

std::optional<std::string> MainWindow::chooseFileToRead(const std::string& filter) {
    return m_interaction.chooseFileToRead(filter);
}

std::optional<std::string> MainWindow::chooseFileToWrite(const std::string& filter,
                                                         const std::string& startFolder) {
    return m_interaction.chooseFileToWrite(filter, startFolder);
}

std::optional<std::string> MainWindow::openWebPage(const std::string& address) {
    return m_interaction.openWebPage(address);
}

void MainWindow::endProgram() {
    m_interaction.endProgram();
}

} // namespace rsa
