#include "Form1.h"

#include "texts/Texts.h"
#include "window/CommandButton.h"
#include "window/ControlTable.h"
#include "window/Wiring.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStringList>
#include <QUrl>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <utility>
#include <vector>

namespace rsa {

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect pixels(const ControlSpec& control) {
    return {control.left / twipsPerPixel, control.top / twipsPerPixel,
            control.width / twipsPerPixel, control.height / twipsPerPixel};
}

QWidget* createTextBox(BoxStyle style, QWidget* parent) {
    if (style == BoxStyle::SingleLine || style == BoxStyle::TallSingleLine) {
        auto* edit = new QLineEdit(parent);
        if (style == BoxStyle::TallSingleLine) {
            // The one line sits at the top of the tall box, not in its middle.
            edit->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        }
        return edit;
    }
    auto* edit = new QPlainTextEdit(parent);
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

QWidget* createControl(const ControlSpec& control, QWidget* parent) {
    switch (control.kind) {
    case ControlKind::Frame: {
        auto* frame = new QGroupBox(QString::fromUtf8(control.caption), parent);
        frame->setFocusPolicy(Qt::NoFocus);
        return frame;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(QString::fromUtf8(control.caption), parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        label->setFocusPolicy(Qt::NoFocus);
        return label;
    }
    case ControlKind::TextBox:
        return createTextBox(control.style, parent);
    case ControlKind::Button:
        return new CommandButton(QString::fromUtf8(control.caption), parent);
    case ControlKind::FileDialog:
        break;
    }
    return nullptr;
}

} // namespace

QString qtFileFilter(const std::string& filter) {
    const QStringList parts = QString::fromUtf8(filter).split(QLatin1Char('|'));
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

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(texts::windowTitle));
    createActions();
    createControls();
    wireCommands();
    orderFocus();
    resize(clientWidth / twipsPerPixel,
           clientHeight / twipsPerPixel + menuBar()->sizeHint().height());
}

void Form1::createControls() {
    auto* client = new QWidget(this);
    setCentralWidget(client);

    std::map<std::string_view, QWidget*> containers{{"Form1", client}};
    for (const ControlSpec& control : controlTable) {
        if (control.kind == ControlKind::FileDialog) {
            // The save dialog is made afresh at each use; this object only
            // stands for the component in the window's list of controls.
            auto* component = new QObject(this);
            component->setObjectName(qs(control.name));
            continue;
        }
        QWidget* widget = createControl(control, containers.at(control.container));
        widget->setObjectName(qs(control.name));
        widget->setGeometry(pixels(control));
        widget->setProperty("tabIndex", control.tabIndex);
        if (*control.tooltip != '\0') {
            widget->setToolTip(QString::fromUtf8(control.tooltip));
        }
        if (control.kind == ControlKind::Frame) {
            containers[control.name] = widget;
        }
        if (const auto box = textBoxByName(control.name)) {
            m_boxes[static_cast<std::size_t>(*box)] = widget;
        }
    }
    for (const AccessibleName& entry : accessibleNames) {
        boxWidget(*textBoxByName(entry.control))->setAccessibleName(QString::fromUtf8(entry.name));
    }
}

void Form1::createActions() {
    std::map<std::string_view, QMenu*> menus;
    for (const MenuSpec& entry : menuTree) {
        if (entry.parent.empty()) {
            QMenu* menu = menuBar()->addMenu(QString::fromUtf8(entry.caption));
            menu->setObjectName(qs(entry.name));
            menus[entry.name] = menu;
        } else {
            QAction* action = menus.at(entry.parent)->addAction(QString::fromUtf8(entry.caption));
            action->setObjectName(qs(entry.name));
        }
    }
}

void Form1::wireCommands() {
    for (const Wire& wire : wiring) {
        const Command command = wire.command;
        const QString name = qs(wire.control);
        if (auto* button = findChild<QAbstractButton*>(name)) {
            connect(button, &QAbstractButton::clicked, this, [this, command] { run(command); });
        } else if (auto* action = findChild<QAction*>(name)) {
            connect(action, &QAction::triggered, this, [this, command] { run(command); });
        } else {
            throw std::logic_error("no control for command " + name.toStdString());
        }
    }
}

void Form1::orderFocus() {
    std::vector<std::pair<int, QWidget*>> order;
    for (const ControlSpec& control : controlTable) {
        auto* widget = findChild<QWidget*>(qs(control.name));
        if (widget != nullptr && (widget->focusPolicy() & Qt::TabFocus) != 0) {
            order.emplace_back(control.tabIndex, widget);
        }
    }
    std::sort(order.begin(), order.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1].second, order[i].second);
    }
    if (!order.empty()) {
        order.front().second->setFocus();
    }
}

void Form1::run(Command command) {
    // Nothing may leave a Qt slot by an exception; the command runner reports
    // the run-time failures of the commands, this catches anything else.
    std::string failure;
    try {
        runCommand(command, m_vars, *this);
        return;
    } catch (const std::exception& error) {
        failure = error.what();
    } catch (...) {
    }
    try {
        showMessage(texts::unexpectedError + failure);
    } catch (...) {
        qCritical("%s%s", texts::unexpectedError, failure.c_str());
    }
}

QWidget* Form1::boxWidget(TextBox box) const {
    return m_boxes.at(static_cast<std::size_t>(box));
}

std::string Form1::readText(TextBox box) {
    QWidget* widget = boxWidget(box);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return edit->text().toStdString();
    }
    return static_cast<QPlainTextEdit*>(widget)->toPlainText().toStdString();
}

void Form1::writeText(TextBox box, const std::string& text) {
    QWidget* widget = boxWidget(box);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(QString::fromUtf8(text));
    } else {
        static_cast<QPlainTextEdit*>(widget)->setPlainText(QString::fromUtf8(text));
    }
}

void Form1::showMessage(const std::string& text, const std::optional<std::string>& title) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(title.value_or(texts::applicationTitle)),
                    QString::fromUtf8(text), QMessageBox::Ok, this);
    // A reason taken from the system is shown as it stands, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::optional<std::string> Form1::chooseFileToWrite(const std::string& filter) {
    const QString name =
        QFileDialog::getSaveFileName(this, QString(), QString(), qtFileFilter(filter));
    if (name.isEmpty()) {
        return std::nullopt;
    }
    return name.toStdString();
}

std::optional<std::string> Form1::openWebPage(const std::string& address) {
    if (QDesktopServices::openUrl(QUrl(QString::fromUtf8(address)))) {
        return std::nullopt;
    }
    return std::string(texts::browserFailed);
}

void Form1::endProgram() {
    close();
    QCoreApplication::quit();
}

} // namespace rsa
