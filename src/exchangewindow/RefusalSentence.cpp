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
    switch (refusal.kind) {
    case RefusalKind::ModulusNotWhole:
        return translated(text::modulusNotWhole).arg(limit);
    case RefusalKind::ExponentNotWhole:
        return translated(text::exponentNotWhole).arg(limit);
    case RefusalKind::ModulusBelow100:
        return translated(text::modulusBelow100).arg(value);
    case RefusalKind::ExponentBelowTwo:
        return translated(text::exponentBelowTwo).arg(value);
    case RefusalKind::ExponentEven:
        return translated(text::exponentEven).arg(value);
    case RefusalKind::NoPairForExponent:
        return translated(text::noPairForExponent).arg(value, limit);
    case RefusalKind::BlockNotBelowModulus:
        return translated(text::blockNotBelowModulus).arg(index, value, limit);
    case RefusalKind::BlockBeyondRange:
        return translated(text::blockBeyondRange).arg(index, shown, limit);
    case RefusalKind::BlockNotNumber:
        return translated(text::blockNotNumber).arg(index, shown);
    case RefusalKind::TooFewBlocks:
        return translated(text::tooFewBlocks).arg(value);
    case RefusalKind::BlockNotTwoDigits:
        return translated(text::blockNotTwoDigits).arg(index, value);
    case RefusalKind::CardNotSixteenDigits:
        return translated(text::cardNotSixteenDigits).arg(shown);
    case RefusalKind::NoKey:
        return translated(text::noKey);
    case RefusalKind::FileUnreadable:
        return translated(text::fileUnreadable).arg(shown);
    case RefusalKind::FileLineCount:
        return translated(text::fileLineCount).arg(value, limit);
    }
    return {};
}

} // namespace rsa
