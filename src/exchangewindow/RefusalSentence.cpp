#include "exchangewindow/ExchangeWindow.h"

#include "texts/ExchangeTexts.h"
#include "window/QtText.h"
#include "window/Translations.h"

namespace rsa {

namespace text = texts::exchange;
using exchange::RefusalKind;

QString refusalSentence(const exchange::Refusal& refusal) {
    const QString index = QString::number(refusal.index);
    const QString value = QString::number(refusal.value);
    const QString limit = QString::number(refusal.limit);
    const QString shown = toQt(refusal.text);
    const auto word = [](const char* sentence, const QStringList& values = {}) {
        return filled(sentence, values);
    };
    switch (refusal.kind) {
    case RefusalKind::ModulusNotWhole:
        return word(text::modulusNotWhole, {limit});
    case RefusalKind::ExponentNotWhole:
        return word(text::exponentNotWhole, {limit});
    case RefusalKind::ModulusBelow100:
        return word(text::modulusBelow100, {value});
    case RefusalKind::ExponentBelowTwo:
        return word(text::exponentBelowTwo, {value});
    case RefusalKind::ExponentEven:
        return word(text::exponentEven, {value});
    case RefusalKind::NoPairForExponent:
        return word(text::noPairForExponent, {value, limit});
    case RefusalKind::BlockNotBelowModulus:
        return word(text::blockNotBelowModulus, {index, value, limit});
    case RefusalKind::BlockBeyondRange:
        return word(text::blockBeyondRange, {index, shown, limit});
    case RefusalKind::BlockNotNumber:
        return word(text::blockNotNumber, {index, shown});
    case RefusalKind::TooFewBlocks:
        return word(text::tooFewBlocks, {value});
    case RefusalKind::BlockNotTwoDigits:
        return word(text::blockNotTwoDigits, {index, value});
    case RefusalKind::CardNotSixteenDigits:
        return word(text::cardNotSixteenDigits, {shown});
    case RefusalKind::NoKey:
        return word(text::noKey);
    case RefusalKind::FileUnreadable:
        return word(text::fileUnreadable, {shown});
    case RefusalKind::FileLineCount:
        return word(text::fileLineCount, {value, limit});
    }
    return {};
}

} // namespace rsa
