#include "ScriptRunner.h"

#include "controls/ControlTable.h"
#include "value/Variant.h"
#include "window/Translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>

#include <iostream>
#include <optional>

namespace rsa::script {

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A step that cannot be carried out; the text says why.
struct StepError {
    std::string why;
};

struct KeyPress {
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers;
    char letter = 0; // a letter key, sent with its text
};

std::optional<KeyPress> parseKey(std::string_view name) {
    struct Named {
        std::string_view name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    // What the keyboard sends: Shift+Tab arrives as Backtab, and Enter is the
    // key of the number pad.
    static const Named named[] = {
        {"Tab", Qt::Key_Tab, Qt::NoModifier},
        {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier},
        {"Return", Qt::Key_Return, Qt::NoModifier},
        {"Enter", Qt::Key_Enter, Qt::KeypadModifier},
        {"Escape", Qt::Key_Escape, Qt::NoModifier},
        {"Space", Qt::Key_Space, Qt::NoModifier},
    };
    for (const Named& entry : named) {
        if (entry.name == name) {
            return KeyPress{entry.key, entry.modifiers, 0};
        }
    }
    KeyPress press;
    constexpr std::string_view alt = "Alt+";
    if (name.substr(0, alt.size()) == alt) {
        press.modifiers = Qt::AltModifier;
        name.remove_prefix(alt.size());
    }
    const bool letter = name.size() == 1 &&
                        ((name[0] >= 'a' && name[0] <= 'z') || (name[0] >= 'A' && name[0] <= 'Z'));
    if (!letter) {
        return std::nullopt;
    }
    press.letter = name[0];
    return press;
}

const char* kindOf(const QObject* object) {
    if (qobject_cast<const QGroupBox*>(object)) {
        return "frame";
    }
    if (qobject_cast<const QLabel*>(object)) {
        return "label";
    }
    if (qobject_cast<const QLineEdit*>(object) || qobject_cast<const QPlainTextEdit*>(object)) {
        return "textbox";
    }
    if (qobject_cast<const QAbstractButton*>(object)) {
        return "button";
    }
    return "unknown";
}

QString captionOf(const QObject* object) {
    if (auto* frame = qobject_cast<const QGroupBox*>(object)) {
        return frame->title();
    }
    if (auto* label = qobject_cast<const QLabel*>(object)) {
        return label->text();
    }
    if (auto* button = qobject_cast<const QAbstractButton*>(object)) {
        return button->text();
    }
    return {};
}

} // namespace

ScriptRunner::ScriptRunner(std::ostream& out) : m_out(out) {}

ScriptRunner::~ScriptRunner() = default;

int ScriptRunner::run(std::istream& in) {
    if (!launch("")) {
        return 2;
    }
    bool failed = false;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.find_first_not_of(" \t") == std::string::npos || line.front() == '#') {
            continue;
        }
        const std::size_t blank = line.find(' ');
        const std::string verb = line.substr(0, blank);
        const std::string rest = blank == std::string::npos ? "" : line.substr(blank + 1);
        try {
            if ((verb == "focus" || verb == "dump") && blank != std::string::npos) {
                m_steps.reset();
                throw StepError{verb + " takes nothing after it"};
            }
            if (verb == "launch") {
                if (!launch(rest)) {
                    return 2;
                }
            } else {
                step(verb, rest);
            }
        } catch (const StepError& error) {
            m_out << "error " << number << ": " << error.why << '\n';
            failed = true;
        }
        m_out.flush();
        if (m_window->ended()) {
            break;
        }
    }
    m_steps.reset();
    m_window.reset();
    return failed ? 1 : 0;
}

bool ScriptRunner::launch(const std::string& options) {
    QStringList arguments{QStringLiteral("rsa-demo")};
    arguments << QString::fromStdString(options).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const LaunchOptions launched = readLaunchOptions(arguments);
    if (launched.exitCode) {
        // The program would have ended; the window open now stays, in its language.
        useLanguage(m_launched.language);
        throw StepError{"launch " + options + ": " +
                        launched.output.section('\n', 0, 0).toStdString()};
    }
    m_launched = launched;
    m_steps.reset();
    m_window.reset();
    settle();
    try {
        m_window = std::make_unique<ScriptedWindow>(m_out, m_answers);
    } catch (const std::exception& error) {
        std::cerr << "rsa-demo-script: the window could not be made: " << error.what() << '\n';
        return false;
    }
    m_window->show();
    m_window->activateWindow();
    if (!QTest::qWaitForWindowExposed(m_window.get())) {
        std::cerr << "rsa-demo-script: the window was not shown\n";
        return false;
    }
    if (m_launched.stepByStep) {
        m_steps = openStepWindow(*m_window);
    }
    // Keyboard steps need the window to be the active one.
    if (!QTest::qWaitForWindowActive(m_window.get())) {
        std::cerr << "rsa-demo-script: the window did not become active\n";
    }
    settle();
    return true;
}

void ScriptRunner::settle() {
    QCoreApplication::processEvents();
}

void ScriptRunner::step(const std::string& verb, const std::string& rest) {
    if (verb == "type") {
        type(rest);
    } else if (verb == "click") {
        click(rest);
    } else if (verb == "menu") {
        menu(rest);
    } else if (verb == "file") {
        file(rest);
    } else if (verb == "browser") {
        browser(rest);
    } else if (verb == "show") {
        show(rest);
    } else if (verb == "var") {
        var(rest);
    } else if (verb == "key") {
        key(rest);
    } else if (verb == "focus") {
        focus();
    } else if (verb == "dump") {
        dump();
    } else if (verb == "explain") {
        explain();
    } else {
        throw StepError{"unknown step " + verb};
    }
    settle();
}

namespace {

// The control of that name and kind; a step error names what is wrong.
const ControlSpec& controlOfKind(const std::string& name, ControlKind kind, const char* what) {
    const ControlSpec* control = findControl(name);
    if (control == nullptr) {
        throw StepError{"unknown control " + name};
    }
    if (control->kind != kind) {
        throw StepError{name + " is not " + what};
    }
    return *control;
}

} // namespace

void ScriptRunner::type(const std::string& rest) {
    const std::size_t blank = rest.find(' ');
    const std::string name = rest.substr(0, blank);
    const QString text =
        blank == std::string::npos ? QString() : QString::fromUtf8(rest.substr(blank + 1));
    auto* widget = m_window->findChild<QWidget*>(
        qs(controlOfKind(name, ControlKind::TextBox, "a text box").name));
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->selectAll();
        edit->insert(text);
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
        edit->selectAll();
        edit->insertPlainText(text);
    } else {
        throw StepError{"the window has no text box " + name};
    }
}

void ScriptRunner::click(const std::string& name) {
    auto* button = m_window->findChild<QAbstractButton*>(
        qs(controlOfKind(name, ControlKind::Button, "a button").name));
    if (button == nullptr) {
        throw StepError{"the window has no button " + name};
    }
    QTest::mouseClick(button, Qt::LeftButton);
}

void ScriptRunner::menu(const std::string& name) {
    for (const MenuSpec& entry : menuTree) {
        if (entry.name != name) {
            continue;
        }
        if (entry.parent.empty()) {
            throw StepError{name + " opens a menu and runs no command"};
        }
        auto* action = m_window->findChild<QAction*>(qs(entry.name));
        if (action == nullptr) {
            throw StepError{"the window has no menu entry " + name};
        }
        action->trigger();
        return;
    }
    throw StepError{"unknown menu entry " + name};
}

void ScriptRunner::file(const std::string& rest) {
    if (rest.empty()) {
        throw StepError{"file needs a path or cancel"};
    }
    if (rest == "cancel") {
        m_answers.files.emplace_back(std::nullopt);
    } else {
        m_answers.files.emplace_back(rest);
    }
}

void ScriptRunner::browser(const std::string& rest) {
    if (rest == "ok") {
        m_answers.browsers.emplace_back(std::nullopt);
    } else if (rest == "fail" || rest.rfind("fail ", 0) == 0) {
        m_answers.browsers.emplace_back(rest.size() > 5 ? rest.substr(5) : std::string());
    } else {
        throw StepError{"browser needs ok or fail TEXT"};
    }
}

void ScriptRunner::show(const std::string& name) {
    controlOfKind(name, ControlKind::TextBox, "a text box");
    const std::optional<TextBox> box = textBoxByName(name);
    if (!box) {
        throw StepError{"the window has no text box " + name};
    }
    m_out << name << "=[" << m_window->readText(*box) << "]\n";
}

void ScriptRunner::var(const std::string& name) {
    const Variant* value = m_window->variables().find(name);
    if (value == nullptr) {
        throw StepError{"unknown variable " + name};
    }
    m_out << name << '=' << describe(*value) << '\n';
}

void ScriptRunner::key(const std::string& name) {
    const std::optional<KeyPress> press = parseKey(name);
    if (!press) {
        throw StepError{"unknown key " + name};
    }
    // An open menu takes the keys, as it grabs the keyboard.
    QWidget* target = QApplication::activePopupWidget();
    if (target == nullptr) {
        target = QApplication::focusWidget();
    }
    if (target == nullptr) {
        target = m_window.get();
    }
    if (press->letter != 0) {
        QTest::keyClick(target, press->letter, press->modifiers);
    } else {
        QTest::keyClick(target, press->key, press->modifiers);
    }
}

void ScriptRunner::focus() {
    QString name;
    for (QWidget* widget = QApplication::focusWidget(); widget != nullptr;
         widget = widget->parentWidget()) {
        if (findControl(widget->objectName().toStdString()) != nullptr) {
            name = widget->objectName();
            break;
        }
    }
    m_out << "focus=" << name.toStdString() << '\n';
}

void ScriptRunner::dump() {
    for (const ControlSpec& control : controlTable) {
        m_out << "control " << control.name;
        // The file dialog component is made afresh at each use: it has no
        // widget, position, size or tab index.
        if (control.kind == ControlKind::FileDialog) {
            m_out << " kind=dialog in=" << control.container
                  << " at=- size=- tab=- caption=\"\" tooltip=\"\"\n";
            continue;
        }
        const auto* widget = m_window->findChild<QWidget*>(qs(control.name));
        if (widget == nullptr) {
            throw StepError{"the window has no control " + std::string(control.name)};
        }
        const QWidget* container = widget->parentWidget();
        const QRect box = widget->geometry();
        m_out << " kind=" << kindOf(widget) << " in="
              << (container == m_window->centralWidget() ? std::string("Form1")
                                                         : container->objectName().toStdString())
              << " at=" << box.x() * twipsPerPixel << ',' << box.y() * twipsPerPixel
              << " size=" << box.width() * twipsPerPixel << ',' << box.height() * twipsPerPixel
              << " tab=" << control.tabIndex << " caption=\"" << captionOf(widget).toStdString()
              << "\" tooltip=\"" << widget->toolTip().toStdString() << "\"\n";
    }
    for (const QAction* top : m_window->menuBar()->actions()) {
        const QMenu* menu = top->menu();
        if (menu == nullptr) {
            continue;
        }
        m_out << "menu " << menu->objectName().toStdString() << " in=menubar caption=\""
              << menu->title().toStdString() << "\"\n";
        for (const QAction* entry : menu->actions()) {
            m_out << "menu " << entry->objectName().toStdString()
                  << " in=" << menu->objectName().toStdString() << " caption=\""
                  << entry->text().toStdString() << "\"\n";
        }
    }
}

void ScriptRunner::explain() {
    if (m_steps == nullptr) {
        return;
    }
    for (const std::string& line : m_steps->plainTextLines()) {
        m_out << "explain: " << line << '\n';
    }
}

} // namespace rsa::script
