#include "exchange/Refusal.h"

#include "texts/ExchangeTexts.h"

namespace rsa::exchange {

const char* ruleSentence(RefusalKind kind) {
    namespace text = texts::exchange;
    switch (kind) {
    case RefusalKind::ModulusNotWhole:
        return text::modulusNotWhole;
    case RefusalKind::ExponentNotWhole:
        return text::exponentNotWhole;
    case RefusalKind::ModulusBelow100:
        return text::modulusBelow100;
    case RefusalKind::ExponentBelowTwo:
        return text::exponentBelowTwo;
    case RefusalKind::ExponentEven:
        return text::exponentEven;
    case RefusalKind::NoPairForExponent:
        return text::noPairForExponent;
    case RefusalKind::BlockNotBelowModulus:
        return text::blockNotBelowModulus;
    case RefusalKind::BlockBeyondRange:
        return text::blockBeyondRange;
    case RefusalKind::BlockNotNumber:
        return text::blockNotNumber;
    case RefusalKind::TooFewBlocks:
        return text::tooFewBlocks;
    case RefusalKind::BlockNotTwoDigits:
        return text::blockNotTwoDigits;
    case RefusalKind::CardNotSixteenDigits:
        return text::cardNotSixteenDigits;
    case RefusalKind::NoKey:
        return text::noKey;
    case RefusalKind::FileUnreadable:
        return text::fileUnreadable;
    case RefusalKind::FileLineCount:
        return text::fileLineCount;
    case RefusalKind::KeyMissing:
        return text::keyMissing;
    case RefusalKind::ExponentMissing:
        return text::exponentMissing;
    case RefusalKind::ModulusMissing:
        return text::modulusMissing;
    case RefusalKind::ExponentOwnInverse:
        return text::exponentOwnInverse;
    }
    return text::noKey;
}

} // namespace rsa::exchange
