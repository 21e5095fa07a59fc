#pragma once

// The window as the commands see it. Commands speak the source language:
// their messages and titles, the file dialogs' filters and the address of the
// page about RSA are translated on their way to the window, in one place for
// the real window and the scripted one. Box texts pass unchanged: they are
// what the learner typed and the numbers the commands made.

#include "operations/WindowOperations.h"
#include "texts/Texts.h"
#include "window/Translations.h"

namespace rsa {

class TranslatedOperations final : public WindowOperations {
public:
    explicit TranslatedOperations(WindowOperations& window) : m_window(window) {}

    std::string readText(TextBox box) override { return m_window.readText(box); }
    void writeText(TextBox box, const std::string& text) override { m_window.writeText(box, text); }
    void appendText(TextBox box, const std::string& text) override {
        m_window.appendText(box, text);
    }
    void showMessage(const std::string& text,
                     const std::optional<std::string>& title = std::nullopt) override {
        m_window.showMessage(translatedMessage(text),
                             translatedMessage(title.value_or(texts::applicationTitle)));
    }
    void showFilledMessage(const char* text, const std::vector<std::string>& values) override {
        m_window.showMessage(texts::word(text, values, &inLanguageInUse),
                             translatedMessage(texts::applicationTitle));
    }
    std::optional<std::string> chooseFileToRead(const std::string& filter) override {
        return m_window.chooseFileToRead(translatedMessage(filter));
    }
    std::optional<std::string> chooseFileToWrite(const std::string& filter,
                                                 const std::string& startFolder) override {
        return m_window.chooseFileToWrite(translatedMessage(filter), startFolder);
    }
    std::optional<std::string> openWebPage(const std::string& address) override {
        return m_window.openWebPage(translatedMessage(address));
    }
    void endProgram() override { m_window.endProgram(); }

private:
    WindowOperations& m_window;
};

} // namespace rsa
