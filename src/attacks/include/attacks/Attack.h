#pragma once

// The attacks a course on RSA teaches, each worked on whole numbers a
// student can check by hand: the situation, the steps as step-window tables
// ending in what was recovered and its check, why real RSA is not broken
// this way, and a refusal when the attack's condition does not hold (the
// same steps, shown up to where they fail). The arithmetic is numbers'; the
// texts are texts/AttackTexts.h, worded through texts::word. No Qt.

#include "explain/Section.h"
#include "texts/Wording.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace rsa::attacks {

enum class AttackId {
    Fermat,
    PMinus1,
    Shared,
    SmallE,
    Hastad,
    Common,
    Wiener,
    Chosen,
    Forge,
    Fault
};

inline constexpr AttackId allAttacks[] = {
    AttackId::Fermat, AttackId::PMinus1, AttackId::Shared, AttackId::SmallE, AttackId::Hastad,
    AttackId::Common, AttackId::Wiener,  AttackId::Chosen, AttackId::Forge,  AttackId::Fault};

// The name the scenario driver knows it by ("fermat", "small-e", ...).
const char* driverName(AttackId attack);
std::optional<AttackId> attackNamed(const std::string& name);
// The catalogue's texts of each attack: its name and the order of its numbers.
const char* displayName(AttackId attack);
const char* inputOrder(AttackId attack);

enum class RefusalKind {
    Count,          // numbers expected, numbers given
    Modulus,        // n, the largest n
    Block,          // the block, n
    Exponent,       // e, the largest e
    Even,           // n
    FermatSteps,    // the steps tried
    FermatPrime,    // n
    PMinus1None,    // the bound
    PMinus1All,     // the bound
    SharedNone,     //
    NotPower,       // the number, e
    NotOneMessage,  // the CRT value, e
    ModuliShare,    //
    ExponentsShare, // e1, e2, their gcd
    NoInverse,      // the number, n
    Wiener,         //
    NoKey,          // n
    Signature,      // s, m, e, s^e mod n
    FaultNone,      // the gcd
    NotNumber,      // the piece as typed
    TooLarge,       // the piece as typed, the largest number
    NotKeyLine,     //
    SameKey,        // the line that gave the same n
    FewKeys,        // the keys read
    TooManyKeys,    // the lines that may be keys, the most compared
    FileUnreadable, // the system's reason
    NotText,        //
};
using Refusal = texts::Refusal<RefusalKind>;
const char* ruleSentence(RefusalKind kind);

// What an attack gives: what it recovered as the driver prints it (KEY,
// VALUE pairs: "p" "101", or "187" "11*17" for a shared prime), or the
// refusal; and the section that works it through either way.
struct Outcome {
    std::vector<std::pair<std::string, std::string>> found;
    std::optional<Refusal> refusal;
    explain::Section section;
};

// The attack on numbers in the order inputOrder names.
Outcome runAttack(AttackId attack, const std::vector<std::uint64_t>& numbers,
                  texts::Translator translator = nullptr);

// The numbers as typed, separated by blanks (the one reader of a typed
// number), or the refusal of the first piece that is not a whole number
// from 0 up, or is one beyond the largest the window reads (2^63 - 1).
std::variant<std::vector<std::uint64_t>, Refusal> readNumbers(const std::string& typed);

// What the attack gives when its numbers were refused before it ran.
Outcome refusedOutcome(AttackId attack, Refusal refusal, texts::Translator translator = nullptr);

// "p=101 q=103 steps=1", as the driver prints it.
std::string foundText(const Outcome& outcome);

// The worked example of the lesson, and the same attack on numbers where it
// does not work.
std::vector<std::uint64_t> readyExample(AttackId attack);
std::vector<std::uint64_t> failingExample(AttackId attack);

// A new example of the same kind, which satisfies the attack's condition,
// from the numbers the source draws (the system's random source in the
// window, a seeded generator in the tests).
using Draw = std::function<std::uint64_t()>;
std::vector<std::uint64_t> randomExample(AttackId attack, const Draw& draw);
std::vector<std::uint64_t> randomExample(AttackId attack); // from std::random_device

} // namespace rsa::attacks
