#include "attacks/Attack.h"

#include "Work.h"
#include "reading/WholeNumber.h"
#include "texts/AttackTexts.h"
#include "texts/ExchangeTexts.h"

#include <limits>
#include <sstream>

namespace rsa::attacks {

namespace text = texts::attacks;

namespace {

// Each attack's row: its driver name, texts, how many numbers it takes (0:
// any number from two up; Håstad checks its own count), how it works, and
// its two worked examples.
struct Entry {
    AttackId id;
    const char* driver;
    const char* name;
    const char* input;
    const char* situation;
    const char* whyNot;
    std::size_t count;
    bool exactCount;
    void (*work)(Work&, const std::vector<std::uint64_t>&);
    std::vector<std::uint64_t> ready;
    std::vector<std::uint64_t> failing;
};

const std::vector<Entry>& entries() {
    static const std::vector<Entry> table{
        {AttackId::Fermat,
         "fermat",
         text::fermatName,
         text::fermatInput,
         text::fermatSituation,
         text::fermatWhyNot,
         1,
         true,
         fermat,
         {10403},
         {11099}},
        {AttackId::PMinus1,
         "pminus1",
         text::pMinus1Name,
         text::pMinus1Input,
         text::pMinus1Situation,
         text::pMinus1WhyNot,
         2,
         true,
         pMinus1,
         {299, 4},
         {299, 3}},
        {AttackId::Shared,
         "shared",
         text::sharedName,
         text::sharedInput,
         text::sharedSituation,
         text::sharedWhyNot,
         2,
         false,
         sharedPrime,
         {187, 221},
         {187, 299}},
        {AttackId::SmallE,
         "small-e",
         text::smallEName,
         text::smallEInput,
         text::smallESituation,
         text::smallEWhyNot,
         3,
         true,
         smallE,
         {187, 3, 125},
         {187, 3, 29}},
        {AttackId::Hastad,
         "hastad",
         text::hastadName,
         text::hastadInput,
         text::hastadSituation,
         text::hastadWhyNot,
         1,
         false,
         hastad,
         {3, 55, 391, 1189, 3, 189, 370},
         {3, 55, 391, 1189, 3, 189, 1033}},
        {AttackId::Common,
         "common",
         text::commonName,
         text::commonInput,
         text::commonSituation,
         text::commonWhyNot,
         5,
         true,
         commonModulus,
         {187, 3, 7, 36, 15},
         {187, 3, 9, 36, 93}},
        {AttackId::Wiener,
         "wiener",
         text::wienerName,
         text::wienerInput,
         text::wienerSituation,
         text::wienerWhyNot,
         2,
         true,
         wiener,
         {90581, 17993},
         {90581, 73079}},
        {AttackId::Chosen,
         "chosen",
         text::chosenName,
         text::chosenInput,
         text::chosenSituation,
         text::chosenWhyNot,
         3,
         true,
         chosen,
         {187, 3, 36},
         {187, 5, 36}},
        {AttackId::Forge,
         "forge",
         text::forgeName,
         text::forgeInput,
         text::forgeSituation,
         text::forgeWhyNot,
         6,
         true,
         forge,
         {187, 3, 2, 161, 5, 113},
         {187, 3, 2, 161, 5, 114}},
        {AttackId::Fault,
         "fault",
         text::faultName,
         text::faultInput,
         text::faultSituation,
         text::faultWhyNot,
         4,
         true,
         fault,
         {187, 3, 42, 37},
         {187, 3, 42, 70}},
    };
    return table;
}

const Entry& entry(AttackId attack) {
    return entries()[static_cast<std::size_t>(attack)];
}

std::string joined(const std::vector<std::uint64_t>& numbers) {
    std::string text;
    for (const std::uint64_t number : numbers) {
        text += (text.empty() ? "" : ", ") + to_string(number);
    }
    return text;
}

} // namespace

const char* driverName(AttackId attack) {
    return entry(attack).driver;
}

std::optional<AttackId> attackNamed(const std::string& name) {
    for (const Entry& row : entries()) {
        if (name == row.driver) {
            return row.id;
        }
    }
    return std::nullopt;
}

const char* displayName(AttackId attack) {
    return entry(attack).name;
}

const char* inputOrder(AttackId attack) {
    return entry(attack).input;
}

std::vector<std::uint64_t> readyExample(AttackId attack) {
    return entry(attack).ready;
}

std::vector<std::uint64_t> failingExample(AttackId attack) {
    return entry(attack).failing;
}

const char* ruleSentence(RefusalKind kind) {
    switch (kind) {
    case RefusalKind::Count:
        return text::refuseCount;
    case RefusalKind::Modulus:
        return text::refuseModulus;
    case RefusalKind::Block:
        return text::refuseBlock;
    case RefusalKind::Exponent:
        return text::refuseExponent;
    case RefusalKind::Even:
        return text::refuseEven;
    case RefusalKind::FermatSteps:
        return text::refuseFermatSteps;
    case RefusalKind::FermatPrime:
        return text::refuseFermatPrime;
    case RefusalKind::PMinus1None:
        return text::refusePMinus1None;
    case RefusalKind::PMinus1All:
        return text::refusePMinus1All;
    case RefusalKind::SharedNone:
        return text::refuseSharedNone;
    case RefusalKind::NotPower:
        return text::refuseNotPower;
    case RefusalKind::NotOneMessage:
        return text::refuseNotOneMessage;
    case RefusalKind::ModuliShare:
        return text::refuseModuliShare;
    case RefusalKind::ExponentsShare:
        return text::refuseExponentsShare;
    case RefusalKind::NoInverse:
        return text::refuseNoInverse;
    case RefusalKind::Wiener:
        return text::refuseWiener;
    case RefusalKind::NoKey:
        return text::refuseNoKey;
    case RefusalKind::Signature:
        return text::refuseSignature;
    case RefusalKind::NotNumber:
        return text::refuseNotNumber;
    case RefusalKind::TooLarge:
        return text::refuseTooLarge;
    case RefusalKind::NotKeyLine:
        return text::refuseNotKeyLine;
    case RefusalKind::SameKey:
        return text::refuseSameKey;
    case RefusalKind::FewKeys:
        return text::refuseFewKeys;
    case RefusalKind::TooManyKeys:
        return text::refuseTooManyKeys;
    case RefusalKind::FileUnreadable:
        return texts::exchange::fileUnreadable;
    case RefusalKind::NotText:
        return text::refuseNotText;
    case RefusalKind::FaultNone:
        break;
    }
    return text::refuseFaultNone;
}

std::optional<Refusal> Work::modulusRefusal(std::uint64_t n) {
    if (n >= smallestModulus && n <= largestModulus) {
        return std::nullopt;
    }
    return Refusal{RefusalKind::Modulus, {to_string(n), to_string(largestModulus)}};
}

bool Work::modulus(std::uint64_t n) {
    auto refusal = modulusRefusal(n);
    return !refusal || refuse(refusal->rule, std::move(refusal->numbers));
}

bool Work::block(std::uint64_t value, std::uint64_t n) {
    return value < n || refuse(RefusalKind::Block, {to_string(value), to_string(n)});
}

bool Work::exponent(std::uint64_t e) {
    return (e >= 2 && e <= largestExponent) ||
           refuse(RefusalKind::Exponent, {to_string(e), to_string(largestExponent)});
}

bool Work::odd(std::uint64_t n) {
    return n % 2 == 1 || refuse(RefusalKind::Even, {to_string(n)});
}

Outcome Work::finish(AttackId attack, const std::vector<std::uint64_t>& numbers) {
    // Numbers refused before the attack ran were never read.
    return finish(attack, numbers.empty() ? "" : say(text::numbersGiven, {joined(numbers)}));
}

Outcome Work::finish(AttackId attack, std::string given) {
    const Entry& row = entry(attack);
    Outcome outcome;
    outcome.section.title = say(text::sectionTitle, {say(row.name)});
    outcome.section.groups.push_back(
        {say(text::situationTitle), explain::Fold::Open, {say(row.situation)}});
    if (!given.empty()) {
        outcome.section.groups.back().elements.emplace_back(std::move(given));
    }
    if (!m_steps.empty()) {
        outcome.section.groups.push_back({say(text::stepsTitle), explain::Fold::Open, m_steps});
    }
    if (m_refusal) {
        outcome.refusal = m_refusal;
        outcome.section.groups.push_back({say(text::refusedTitle),
                                          explain::Fold::Open,
                                          {texts::word(*m_refusal, m_translator)}});
    } else {
        outcome.found = m_found;
    }
    outcome.section.groups.push_back(
        {say(text::whyNotTitle), explain::Fold::Folded, {say(row.whyNot)}});
    return outcome;
}

Outcome runAttack(AttackId attack, const std::vector<std::uint64_t>& numbers,
                  texts::Translator translator) {
    const Entry& row = entry(attack);
    Work work(translator);
    if (numbers.size() < row.count || (row.exactCount && numbers.size() != row.count)) {
        work.refuse(RefusalKind::Count, {to_string(row.count), to_string(numbers.size())});
    } else {
        row.work(work, numbers);
    }
    return work.finish(attack, numbers);
}

std::variant<std::uint64_t, Refusal> readNumber(std::string_view piece) {
    const auto read = reading::readWholeNumber(piece, reading::Sign::Refused);
    const auto* number = std::get_if<reading::WholeNumber>(&read);
    if (number == nullptr &&
        std::get<reading::NumberProblem>(read) != reading::NumberProblem::TooLong) {
        return Refusal{RefusalKind::NotNumber, {texts::quoted(piece)}};
    }
    const auto value = number != nullptr ? number->value() : std::nullopt;
    if (!value) {
        return Refusal{RefusalKind::TooLarge,
                       {texts::quoted(piece), to_string(std::numeric_limits<std::int64_t>::max())}};
    }
    return static_cast<std::uint64_t>(*value);
}

std::variant<std::vector<std::uint64_t>, Refusal> readNumbers(const std::string& typed) {
    std::istringstream in(typed);
    std::vector<std::uint64_t> numbers;
    for (std::string piece; in >> piece;) {
        const auto read = readNumber(piece);
        if (const auto* refusal = std::get_if<Refusal>(&read)) {
            return *refusal;
        }
        numbers.push_back(std::get<std::uint64_t>(read));
    }
    return numbers;
}

Outcome refusedOutcome(AttackId attack, Refusal refusal, texts::Translator translator) {
    Work work(translator);
    work.refuse(refusal.rule, std::move(refusal.numbers));
    return work.finish(attack, std::vector<std::uint64_t>{});
}

std::string foundText(const Outcome& outcome) {
    std::string text;
    for (const auto& [key, value] : outcome.found) {
        text += (text.empty() ? "" : " ") + key + "=" + value;
    }
    return text;
}

} // namespace rsa::attacks
