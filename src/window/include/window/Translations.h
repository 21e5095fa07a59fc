#pragma once

// The interface's language. Turkish is the source language: its texts are
// shown as they stand in Texts.h, with Qt's Turkish catalogue for Qt's own
// dialogs and buttons. Every other language is a Qt Linguist catalogue built
// from translations/rsa-demo_LANGUAGE.ts into the program, and uses Qt's
// catalogue of that language. The language is chosen once at start, never
// from the desktop's locale.

#include <QString>
#include <QStringList>

#include <string>

namespace rsa {

inline constexpr const char* sourceLanguage = "tr";

// "tr" first, then every language the program has a catalogue for.
QStringList availableLanguages();

// Replaces the translations installed by an earlier call with those of
// language. Windows made afterwards speak it. Needs a QCoreApplication.
void useLanguage(const QString& language);

// A text of Texts.h or StepTexts.h in language, from its catalogue alone:
// needs no application, for what is said before Qt has started.
QString translatedInto(const QString& language, const char* text);

// A text of Texts.h or StepTexts.h in the language in use.
QString translated(const char* text);

// A text of the catalogue in the language in use, as the libraries below the
// window are handed it (a texts::Translator).
std::string inLanguageInUse(const char* text);

// A message in the language in use: a text of the catalogue, translated as a
// whole. Anything else, such as a reason given by the system, stays as it is.
std::string translatedMessage(const std::string& text);

// A text of the catalogue in the language in use with its {0}, {1}, ...
// filled (texts::word: a slot without a value throws).
QString filled(const char* text, const QStringList& values);

} // namespace rsa
