// The main window's steps: typing, clicking, menus, the answers of the save
// dialog and the browser, and reading the window (show, var, key, focus, dump).

#include "ScriptRunner.h"

#include "controls/ControlTable.h"
#include "value/Variant.h"
#include "window/QtText.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>

#include <optional>

namespace rsa::script {

namespace {

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

void type(ScriptRunner& runner, const std::string& rest) {
    const std::size_t blank = rest.find(' ');
    const std::string name = rest.substr(0, blank);
    const QString text =
        blank == std::string::npos ? QString() : QString::fromUtf8(rest.substr(blank + 1));
    auto* widget = runner.window().findChild<QWidget*>(
        toQt(controlOfKind(name, ControlKind::TextBox, "a text box").name));
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

void click(ScriptRunner& runner, const std::string& name) {
    auto* button = runner.window().findChild<QAbstractButton*>(
        toQt(controlOfKind(name, ControlKind::Button, "a button").name));
    if (button == nullptr) {
        throw StepError{"the window has no button " + name};
    }
    QTest::mouseClick(button, Qt::LeftButton);
}

void menu(ScriptRunner& runner, const std::string& name) {
    for (const MenuSpec& entry : menuTree) {
        if (entry.name != name) {
            continue;
        }
        if (entry.parent.empty()) {
            throw StepError{name + " opens a menu and runs no command"};
        }
        auto* action = runner.window().findChild<QAction*>(toQt(entry.name));
        if (action == nullptr) {
            throw StepError{"the window has no menu entry " + name};
        }
        action->trigger();
        return;
    }
    throw StepError{"unknown menu entry " + name};
}

void file(ScriptRunner& runner, const std::string& rest) {
    if (rest.empty()) {
        throw StepError{"file needs a path or cancel"};
    }
    if (rest == "cancel") {
        runner.interaction().files.emplace_back(std::nullopt);
    } else {
        runner.interaction().files.emplace_back(rest);
    }
}

void browser(ScriptRunner& runner, const std::string& rest) {
    if (rest == "ok") {
        runner.interaction().browsers.emplace_back(std::nullopt);
    } else if (rest == "fail" || rest.rfind("fail ", 0) == 0) {
        runner.interaction().browsers.emplace_back(rest.size() > 5 ? rest.substr(5)
                                                                   : std::string());
    } else {
        throw StepError{"browser needs ok or fail TEXT"};
    }
}

void show(ScriptRunner& runner, const std::string& name) {
    controlOfKind(name, ControlKind::TextBox, "a text box");
    const std::optional<TextBox> box = textBoxByName(name);
    if (!box) {
        throw StepError{"the window has no text box " + name};
    }
    runner.out() << name << "=[" << runner.window().readText(*box) << "]\n";
}

void var(ScriptRunner& runner, const std::string& name) {
    const Variant* value = runner.window().variables().find(name);
    if (value == nullptr) {
        throw StepError{"unknown variable " + name};
    }
    runner.out() << name << '=' << describe(*value) << '\n';
}

void key(ScriptRunner& runner, const std::string& name) {
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
        target = &runner.window();
    }
    if (press->letter != 0) {
        QTest::keyClick(target, press->letter, press->modifiers);
    } else {
        QTest::keyClick(target, press->key, press->modifiers);
    }
}

void focus(ScriptRunner& runner) {
    QString name;
    for (QWidget* widget = QApplication::focusWidget(); widget != nullptr;
         widget = widget->parentWidget()) {
        if (findControl(widget->objectName().toStdString()) != nullptr) {
            name = widget->objectName();
            break;
        }
    }
    runner.out() << "focus=" << name.toStdString() << '\n';
}

void dump(ScriptRunner& runner) {
    for (const ControlSpec& control : controlTable) {
        runner.out() << "control " << control.name;
        // The file dialog component is made afresh at each use: it has no
        // widget, position, size or tab index.
        if (control.kind == ControlKind::FileDialog) {
            runner.out() << " kind=dialog in=" << control.container
                         << " at=- size=- tab=- caption=\"\" tooltip=\"\"\n";
            continue;
        }
        const auto* widget = runner.window().findChild<QWidget*>(toQt(control.name));
        if (widget == nullptr) {
            throw StepError{"the window has no control " + std::string(control.name)};
        }
        const QWidget* container = widget->parentWidget();
        const QRect box = widget->geometry();
        runner.out() << " kind=" << kindOf(widget) << " in="
                     << (container == runner.window().centralWidget()
                             ? std::string("Form1")
                             : container->objectName().toStdString())
                     << " at=" << box.x() * twipsPerPixel << ',' << box.y() * twipsPerPixel
                     << " size=" << box.width() * twipsPerPixel << ','
                     << box.height() * twipsPerPixel << " tab=" << control.tabIndex << " caption=\""
                     << captionOf(widget).toStdString() << "\" tooltip=\""
                     << widget->toolTip().toStdString() << "\"\n";
    }
    for (const QAction* top : runner.window().menuBar()->actions()) {
        const QMenu* menu = top->menu();
        if (menu == nullptr) {
            continue;
        }
        runner.out() << "menu " << menu->objectName().toStdString() << " in=menubar caption=\""
                     << menu->title().toStdString() << "\"\n";
        for (const QAction* entry : menu->actions()) {
            runner.out() << "menu " << entry->objectName().toStdString()
                         << " in=" << menu->objectName().toStdString() << " caption=\""
                         << entry->text().toStdString() << "\"\n";
        }
    }
}

} // namespace

void addMainWindowSteps(ScriptRunner& runner) {
    const auto add = [&runner](const char* verb,
                               void (*handler)(ScriptRunner&, const std::string&)) {
        runner.addStep(verb,
                       {[&runner, handler](const std::string& rest) { handler(runner, rest); }});
    };
    add("type", &type);
    add("click", &click);
    add("menu", &menu);
    add("file", &file);
    add("browser", &browser);
    add("show", &show);
    add("var", &var);
    add("key", &key);
    runner.addStep("focus", {[&runner](const std::string&) { focus(runner); }, true});
    runner.addStep("dump", {[&runner](const std::string&) { dump(runner); }, true});
}

} // namespace rsa::script
