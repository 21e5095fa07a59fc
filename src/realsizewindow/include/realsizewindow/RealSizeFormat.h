#pragma once

// How the real-size window writes its texts and numbers: a text of
// RealSizeTexts.h translated with its {0}, {1}, ... filled in, seconds and
// powers of ten in the language's own number format, and long numbers cut to
// their ends.

#include <gmpxx.h>

#include <QLocale>
#include <QString>
#include <QStringList>

#include <string>

namespace rsa::realsizeformat {

QString text(const char* source);
// text() as the Qt-free libraries are handed it (a texts::Translator).
std::string inLanguageInUse(const char* source);
QString fill(const char* pattern, const QStringList& values);
QLocale numberLocale();
QString seconds(double value);
// 6.5e14 as "6,5 · 10¹⁴" (Turkish) or "6.5 · 10¹⁴" (English).
QString powerOfTen(double value);
QString digitCount(const mpz_class& number);
// The first and last ten digits of a number of more than 24 digits.
QString shortened(const mpz_class& number);

} // namespace rsa::realsizeformat
