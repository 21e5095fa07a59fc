#include "realsizewindow/RealSizeExplanation.h"

#include "realsize/PowerSteps.h"
#include "realsizewindow/RealSizeFormat.h"
#include "texts/RealSizeTexts.h"

#include <algorithm>

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
