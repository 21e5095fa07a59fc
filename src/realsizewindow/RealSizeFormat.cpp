#include "realsizewindow/RealSizeFormat.h"

#include "realsize/Extrapolation.h"

#include "texts/RealSizeTexts.h"
#include "texts/Wording.h"

#include <QCoreApplication>
#include <QTextBoundaryFinder>

#include <cmath>
#include <vector>

namespace rsa::realsizeformat {

namespace {

QString superscript(int exponent) {
    static const QString digits = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString result = exponent < 0 ? QStringLiteral("⁻") : QString();
    for (const QChar digit : QString::number(std::abs(exponent))) {
        result += digits.at(digit.digitValue());
    }
    return result;
}

} // namespace

QString text(const char* source) {
    return QCoreApplication::translate(texts::context, source);
}

std::string inLanguageInUse(const char* source) {
    return text(source).toStdString();
}

QString fill(const char* pattern, const QStringList& values) {
    std::vector<std::string> arguments;
    for (const QString& value : values) {
        arguments.push_back(value.toStdString());
    }
    return QString::fromStdString(texts::word(pattern, arguments, &inLanguageInUse));
}

QLocale numberLocale() {
    return QLocale(text(texts::realsize::numberLocale));
}

QString whole(long long value) {
    return numberLocale().toString(value);
}

QString aboutWhole(double value) {
    const double unit = std::pow(10.0, std::floor(std::log10(value)) - 1);
    return whole(std::llround(std::round(value / unit) * unit));
}

QString seconds(double value) {
    return numberLocale().toString(value, 'f', value < 10 ? 3 : 1);
}

QString powerOfTen(double value) {
    const int exponent = static_cast<int>(std::floor(std::log10(value)));
    const double mantissa = value / std::pow(10.0, exponent);
    return numberLocale().toString(mantissa, 'f', 1) + QStringLiteral(" · 10") +
           superscript(exponent);
}

std::vector<std::pair<double, QString>> timeMarks() {
    constexpr double year = realsize::secondsPerYear;
    std::vector<std::pair<double, QString>> marks{
        {1e-3, text(texts::realsize::millisecondMark)},
        {1.0, text(texts::realsize::secondMark)},
        {3600.0, text(texts::realsize::hourMark)},
        {year, text(texts::realsize::yearMark)},
        {1e3 * year, fill(texts::realsize::yearsMark, {whole(1000)})}};
    for (int exponent = 6; exponent <= 15; exponent += 3) {
        marks.emplace_back(
            std::pow(10.0, exponent) * year,
            fill(texts::realsize::yearsMark, {QStringLiteral("10") + superscript(exponent)}));
    }
    return marks;
}

QString digitCount(const mpz_class& number) {
    return whole(static_cast<long long>(number.get_str(10).size()));
}

QString shortened(const mpz_class& number, int ends) {
    const QString digits = QString::fromStdString(number.get_str(10));
    if (digits.size() <= 2 * ends + 4) {
        return digits;
    }
    return fill(texts::realsize::shortened,
                {digits.left(ends), digits.right(ends), whole(digits.size())});
}

std::size_t charactersWithin(const std::string& text, std::size_t bytes) {
    const QString characters = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    QTextBoundaryFinder boundaries(QTextBoundaryFinder::Grapheme, characters);
    std::size_t count = 0;
    std::size_t used = 0;
    qsizetype start = 0;
    for (qsizetype end = boundaries.toNextBoundary(); end > start;
         start = end, end = boundaries.toNextBoundary()) {
        used += static_cast<std::size_t>(characters.mid(start, end - start).toUtf8().size());
        if (used > bytes) {
            break;
        }
        ++count;
    }
    return count;
}

} // namespace rsa::realsizeformat
