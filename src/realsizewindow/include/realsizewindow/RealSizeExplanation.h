#pragma once

// The step window's sections for the real-size window's actions: a key made,
// a text encrypted both ways, a race run, an attack on a badly made key. They tell sizes and counts
// (bits, digits, squarings and multiplications, points measured) and why, never the numbers'
// thousands of digits, in the language the window speaks.

#include "explain/Section.h"
#include "realsize/BigKey.h"
#include "realsize/FactoringRace.h"
#include "realsize/TextCipher.h"

#include <QString>

#include <vector>

namespace rsa::realsizeexplain {

explain::Section keySection(const realsize::BigKey& key);
explain::Section textSection(const realsize::BigKey& key, const std::string& text,
                             const realsize::TextContrast& contrast);
// A refused or failed encryption: the sentence the window showed.
explain::Section textRefusedSection(const QString& why);
// An attack on a badly made big key: its button's name and the sentence the
// attacks part ended with (what was found and how fast, or why not).
explain::Section attackSection(const QString& attack, const QString& outcome);
// `ending` and `verdict` are the race panel's own sentences.
explain::Section raceSection(const std::vector<realsize::RacePoint>& points, const QString& ending,
                             const QString& verdict);

} // namespace rsa::realsizeexplain
