#pragma once

// The step window's sections for the real-size window's actions: a key made,
// a text encrypted both ways, a race run, an attack on a badly made key. They tell sizes and counts
// (bits, digits, squarings and multiplications, points measured) and why, in the language the
// window speaks. An attack's tables show its numbers cut to their ends, as the classroom attacks'
// tables show theirs whole; what it recovered follows in full, to be copied.

#include "explain/Section.h"
#include "realsize/BatchGcd.h"
#include "realsize/BigAttacks.h"
#include "realsize/BigKey.h"
#include "realsize/FactoringRace.h"
#include "realsize/TextCipher.h"

#include <QString>

#include <optional>
#include <vector>

namespace rsa::realsizeexplain {

explain::Section keySection(const realsize::BigKey& key);
explain::Section textSection(const realsize::BigKey& key, const std::string& text,
                             const realsize::TextContrast& contrast);
// A refused or failed encryption: the sentence the window showed.
explain::Section textRefusedSection(const QString& why);
// An attack on a badly made big key that stopped or failed: its button's
// name and the sentence the attacks part ended with.
explain::Section attackSection(const QString& attack, const QString& outcome);
// Wiener's attack and Fermat's method worked through on `key`, ending in the
// attacks part's sentence (what was found and how fast, or why not).
explain::Section wienerSection(const realsize::BigKey& key, const realsize::WienerAttack& attack,
                               const QString& outcome);
explain::Section fermatSection(const realsize::BigKey& key, const realsize::FermatAttack& attack,
                               const QString& outcome);
// The batch GCD over `count` moduli of `bits` bits: the product tree's
// levels, the keys found, the time (`outcome`) and, when it was measured on
// the same moduli, the gcd of every pair's.
explain::Section surveySection(int count, int bits, const realsize::SharedPrimes& found,
                               std::optional<double> pairwiseSeconds, const QString& outcome);
// `ending` and `verdict` are the race panel's own sentences.
explain::Section raceSection(const std::vector<realsize::RacePoint>& points, const QString& ending,
                             const QString& verdict);

} // namespace rsa::realsizeexplain
