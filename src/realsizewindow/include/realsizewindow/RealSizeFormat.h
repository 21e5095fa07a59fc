#pragma once

// How the real-size window writes its texts and numbers: a text of
// RealSizeTexts.h translated with its {0}, {1}, ... filled in, counts, seconds
// and powers of ten in the language's own number format (2.700 and 0,05 in
// Turkish, 2,700 and 0.05 in English), long numbers cut to their ends, and a
// text's length in the characters a reader sees.

#include <gmpxx.h>

#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace rsa::realsizeformat {

QString text(const char* source);
// text() as the Qt-free libraries are handed it (a texts::Translator).
std::string inLanguageInUse(const char* source);
QString fill(const char* pattern, const QStringList& values);
QLocale numberLocale();
// A count with the language's thousands separator.
QString whole(long long value);
// A positive number rounded to two significant digits and written whole:
// 6.29e8 as "630.000.000".
QString aboutWhole(double value);
QString seconds(double value);
// 6.5e14 as "6,5 · 10¹⁴" (Turkish) or "6.5 · 10¹⁴" (English).
QString powerOfTen(double value);
QString digitCount(const mpz_class& number);
// The marks of the race chart's time axis, in seconds, with their names:
// 1 ms, 1 second, 1 hour, 1 year, 1.000 years, then every thousandfold up to
// 10¹⁵ years.
std::vector<std::pair<double, QString>> timeMarks();
// The first and last `ends` digits of a number with the count of its digits,
// when it has more than 2 ends + 4 (a number that short is written whole).
QString shortened(const mpz_class& number, int ends = 10);
// How many grapheme clusters lie whole within the first `bytes` bytes of a
// UTF-8 text: eight family emoji are eight characters, whatever their code
// points and bytes.
std::size_t charactersWithin(const std::string& text, std::size_t bytes);

} // namespace rsa::realsizeformat
