#include "realsizewindow/RealSizeExplanation.h"

#include "realsize/PowerSteps.h"
#include "realsizewindow/RealSizeFormat.h"
#include "texts/AttackTexts.h"
#include "texts/RealSizeTexts.h"

#include <algorithm>
#include <cstddef>

namespace rsa::realsizeexplain {

namespace {

namespace say = texts::realsize;
using realsizeformat::fill;
using realsizeformat::whole;

std::string plain(const QString& text) {
    return text.toStdString();
}

std::string filled(const char* pattern, const QStringList& values) {
    return plain(fill(pattern, values));
}

explain::Section fixedSection(std::string title, std::vector<explain::Element> elements) {
    return {std::move(title), {{{}, explain::Fold::Fixed, std::move(elements)}}};
}

std::vector<std::string> powerRow(const char* name, const mpz_class& exponent) {
    const realsize::PowerSteps steps = realsize::squareAndMultiplySteps(exponent);
    return {plain(realsizeformat::text(name)), plain(whole(realsize::bitLength(exponent))),
            plain(whole(steps.squarings)), plain(whole(steps.multiplications))};
}

QString answer(bool same) {
    return realsizeformat::text(same ? say::yes : say::no);
}

// A table cell keeps five digits at each end: a row of several numbers of
// hundreds of digits still reads across.
constexpr int cellEnds = 5;

QString cell(const mpz_class& number) {
    return realsizeformat::shortened(number, cellEnds);
}

QString full(const mpz_class& number) {
    return QString::fromStdString(number.get_str(10));
}

template <std::size_t N> std::vector<std::string> columns(const char* const (&titles)[N]) {
    std::vector<std::string> translated;
    for (const char* title : titles) {
        translated.push_back(plain(realsizeformat::text(title)));
    }
    return translated;
}

// The first rows and the last ones of a long table, with a row of ⋮ for
// those between: the class sees how the search begins and how it ends.
void elide(explain::Table& table) {
    constexpr std::size_t first = 4, last = 3;
    std::vector<std::vector<std::string>>& rows = table.rows;
    if (rows.size() <= first + last + 1) {
        return;
    }
    rows.erase(rows.begin() + first, rows.end() - last);
    rows.insert(rows.begin() + first, std::vector<std::string>(table.columns.size(), "⋮"));
}

} // namespace

explain::Section keySection(const realsize::BigKey& key) {
    explain::Table powers{{plain(realsizeformat::text(say::powerExponent)),
                           plain(realsizeformat::text(say::powerBits)),
                           plain(realsizeformat::text(say::powerSquarings)),
                           plain(realsizeformat::text(say::powerMultiplications))},
                          {powerRow(say::powerEncrypt, key.e), powerRow(say::powerDecrypt, key.d)}};
    return fixedSection(filled(say::keySection, {QString::number(key.bits)}),
                        {filled(say::keySizes, {QString::number(key.bits / 2),
                                                QString::number(realsize::bitLength(key.n)),
                                                realsizeformat::digitCount(key.n)}),
                         plain(realsizeformat::text(say::powerIntro)), std::move(powers)});
}

explain::Section textSection(const realsize::BigKey& key, const std::string& text,
                             const realsize::TextContrast& contrast) {
    std::vector<explain::Element> elements{
        filled(say::textbookSame, {answer(contrast.textbookSame())}),
        plain(realsizeformat::text(say::textbookWhy)),
        filled(say::oaepSame, {answer(contrast.oaepSame())}),
        plain(realsizeformat::text(say::oaepWhy))};
    if (std::all_of(contrast.back.begin(), contrast.back.end(),
                    [&text](const std::string& back) { return back == text; })) {
        elements.emplace_back(plain(realsizeformat::text(say::allBack)));
    }
    return fixedSection(
        filled(say::textSection,
               {whole(static_cast<long long>(realsizeformat::charactersWithin(text, text.size()))),
                whole(static_cast<long long>(text.size())), QString::number(key.bits)}),
        std::move(elements));
}

explain::Section textRefusedSection(const QString& why) {
    return fixedSection(plain(realsizeformat::text(say::textGroup)), {plain(why)});
}

explain::Section attackSection(const QString& attack, const QString& outcome) {
    return fixedSection(plain(attack), {plain(outcome)});
}

explain::Section wienerSection(const realsize::BigKey& key, const realsize::WienerAttack& attack,
                               const QString& outcome) {
    std::vector<explain::Element> elements{
        filled(say::wienerIntro,
               {QString::number(realsize::bitLength(key.n)), realsizeformat::digitCount(key.n),
                QString::number(realsize::bitLength(key.e)),
                QString::number(realsize::bitLength(realsize::wienerBound(key.n)))})};
    explain::Table table{columns(say::wienerBigColumns), {}};
    long long wholePhis = 0;
    const QString none = QStringLiteral("–");
    for (const realsize::WienerRow& row : attack.rows) {
        wholePhis += row.phiWhole ? 1 : 0;
        const QString phi = row.phiWhole ? cell(row.phi) : realsizeformat::text(say::notWhole);
        const QString square = row.phiWhole ? answer(row.squareDiscriminant) : none;
        table.rows.push_back({std::to_string(table.rows.size()), plain(cell(row.k)),
                              plain(cell(row.d)), plain(phi), plain(square)});
    }
    elide(table);
    elements.emplace_back(std::move(table));
    elements.emplace_back(filled(
        say::wienerTried, {whole(static_cast<long long>(attack.rows.size())), whole(wholePhis)}));
    if (attack.end == realsize::AttackEnd::Found) {
        elements.emplace_back(
            filled(say::wienerD, {QString::number(attack.rows.size() - 1), full(attack.d)}));
        elements.emplace_back(filled(say::wienerP, {full(attack.p)}));
        elements.emplace_back(filled(say::wienerQ, {full(attack.q)}));
        const mpz_class block = realsize::testBlock;
        const realsize::RoundTrip trip = realsize::roundTrip(block, key.n, key.e, attack.d);
        elements.emplace_back(
            filled(say::wienerCheck,
                   {full(block), realsizeformat::shortened(trip.cipher), full(trip.back)}));
    }
    elements.emplace_back(plain(outcome));
    return fixedSection(filled(say::wienerSection, {QString::number(key.bits)}),
                        std::move(elements));
}

explain::Section fermatSection(const realsize::BigKey& key, const realsize::FermatAttack& attack,
                               const QString& outcome) {
    namespace classroom = texts::attacks;
    std::vector<explain::Element> elements;
    if (!attack.rows.empty()) {
        elements.emplace_back(filled(say::fermatIntro, {QString::number(realsize::bitLength(key.n)),
                                                        realsizeformat::digitCount(key.n),
                                                        cell(attack.rows.front().a)}));
    }
    explain::Table table{columns(classroom::fermatColumns), {}};
    const bool found = attack.end == realsize::AttackEnd::Found;
    // The steps not kept stand as a row of ⋮ where they were.
    const std::vector<std::string> skipped(table.columns.size(), "⋮");
    unsigned long shown = 0;
    for (const realsize::FermatRow& row : attack.rows) {
        if (row.step != shown + 1) {
            table.rows.push_back(skipped);
        }
        shown = row.step;
        const bool square = found && row.step == attack.steps;
        table.rows.push_back({std::to_string(row.step), plain(cell(row.a)),
                              plain(cell(row.difference)),
                              square ? filled(classroom::yes, {cell(attack.b)})
                                     : plain(realsizeformat::text(classroom::no))});
    }
    if (shown < attack.steps) {
        table.rows.push_back(skipped);
    }
    elements.emplace_back(std::move(table));
    if (found) {
        elements.emplace_back(filled(say::fermatB, {full(attack.b)}));
        elements.emplace_back(filled(say::fermatP, {full(attack.p)}));
        elements.emplace_back(filled(say::fermatQ, {full(attack.q)}));
        const mpz_class product = attack.p * attack.q;
        elements.emplace_back(filled(
            say::fermatCheck, {realsizeformat::shortened(product), answer(product == key.n)}));
    }
    elements.emplace_back(plain(outcome));
    return fixedSection(filled(say::fermatSection, {QString::number(key.bits)}),
                        std::move(elements));
}

explain::Section surveySection(int count, int bits, const realsize::SharedPrimes& found,
                               std::optional<double> pairwiseSeconds, const QString& outcome) {
    explain::Table tree{columns(say::treeColumns), {}};
    for (const realsize::TreeLevel& level : found.productTree) {
        tree.rows.push_back({std::to_string(tree.rows.size()),
                             plain(whole(static_cast<long long>(level.nodes))),
                             plain(whole(level.largestBits))});
    }
    std::vector<explain::Element> elements{
        filled(say::surveyIntro, {QString::number(found.productTree.size())}), std::move(tree),
        plain(outcome)};
    for (const std::size_t key : realsize::keysSharingAPrime(found.gcds)) {
        elements.emplace_back(
            filled(say::sharedPrimeLine, {QString::number(key + 1), full(found.gcds[key])}));
    }
    if (pairwiseSeconds) {
        elements.emplace_back(
            filled(say::pairwiseTime, {whole(count), realsizeformat::seconds(*pairwiseSeconds)}));
    }
    return fixedSection(filled(say::surveySection, {whole(count), QString::number(bits)}),
                        std::move(elements));
}

explain::Section raceSection(const std::vector<realsize::RacePoint>& points, const QString& ending,
                             const QString& verdict) {
    std::vector<explain::Element> elements;
    if (!points.empty()) {
        elements.emplace_back(filled(say::raceMeasured, {QString::number(points.size()),
                                                         QString::number(points.front().bits),
                                                         QString::number(points.back().bits)}));
    }
    // A race that failed has no verdict, and may have no ending of its own.
    for (const QString& sentence : {ending, verdict}) {
        if (!sentence.isEmpty()) {
            elements.emplace_back(plain(sentence));
        }
    }
    return fixedSection(plain(realsizeformat::text(say::raceSection)), std::move(elements));
}

} // namespace rsa::realsizeexplain
