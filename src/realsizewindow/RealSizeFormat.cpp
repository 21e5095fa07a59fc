#include "realsizewindow/RealSizeFormat.h"

#include "texts/RealSizeTexts.h"
#include "texts/Wording.h"

#include <QCoreApplication>

#include <cmath>
#include <vector>

namespace rsa::realsizeformat {

namespace {

constexpr int shownEnd = 10;

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

QString seconds(double value) {
    return numberLocale().toString(value, 'f', value < 10 ? 3 : 1);
}

QString powerOfTen(double value) {
    const int exponent = static_cast<int>(std::floor(std::log10(value)));
    const double mantissa = value / std::pow(10.0, exponent);
    return numberLocale().toString(mantissa, 'f', 1) + QStringLiteral(" · 10") +
           superscript(exponent);
}

QString digitCount(const mpz_class& number) {
    return QString::number(number.get_str(10).size());
}

QString shortened(const mpz_class& number) {
    const QString digits = QString::fromStdString(number.get_str(10));
    if (digits.size() <= 2 * shownEnd + 4) {
        return digits;
    }
    return fill(texts::realsize::shortened,
                {digits.left(shownEnd), digits.right(shownEnd), QString::number(digits.size())});
}

} // namespace rsa::realsizeformat
