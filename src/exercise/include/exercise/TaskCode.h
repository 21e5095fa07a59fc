#pragma once

// The code of an exercise task: eight characters a teacher can read aloud or
// write on a board. The first names the kind (G: a task, S: the attacker's
// task; F, P, E, M, W, H: Fermat's method, a shared prime, small e, a common
// modulus, Wiener's and Håstad's attack), the second the level (K: kolay, T: orta, Z: zor), five
// carry the task's serial number and the last is a check character. A code is read off a board, so
// the alphabet holds one character of each pair a class confuses there: no 0, O, Q, 1, I, L, 8, B,
// 9; of 5/S, 2/Z, 6/G and U/V only the letter, and the digit or V read in its place is read as that
// letter. It has 23 characters, a prime, and the check makes the weighted sum of all eight 0 modulo
// 23, so every single mistyped character and every swap of two neighbours is refused rather than
// opening another task. The code determines the task completely.

#include "attacks/Attack.h"
#include "texts/Wording.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace rsa::exercise {

inline constexpr std::string_view alphabet = "347ACDEFGHJKMNPRSTUWXYZ";
inline constexpr int codeLength = 8;
// 23^5 serial numbers per kind and level.
inline constexpr std::uint32_t serialCount = 23u * 23u * 23u * 23u * 23u;

enum class Kind { Task, Attacker, Fermat, Shared, SmallE, Common, Wiener, Hastad };
enum class Level { Kolay, Orta, Zor };

struct TaskCode {
    Kind kind = Kind::Task;
    Level level = Level::Kolay;
    std::uint32_t serial = 0; // below serialCount

    std::string text() const;
    bool operator==(const TaskCode& other) const {
        return kind == other.kind && level == other.level && serial == other.serial;
    }
};

// Why a typed code was refused, and what its sentence names.
enum class CodeRule {
    Empty,
    WrongLength,      // how many characters were typed
    ForeignCharacter, // the character as typed (UTF-8), its place counted from 1
    CheckFails,       // a character mistyped or two swapped, which ones unknown
    UnknownKind,
    UnknownLevel,
};
using CodeProblem = texts::Refusal<CodeRule>;
// The sentence of each rule, in texts/ExerciseTexts.h.
const char* ruleSentence(CodeRule rule);

// Reads a typed code: blanks and hyphens between characters are ignored,
// small letters count as capitals, and 5, 2, 6 and V count as S, Z, G and U.
std::variant<TaskCode, CodeProblem> readTaskCode(std::string_view typed);

// A new code whose serial comes from randomNumber (any 32-bit value), and one
// drawn from the operating system's random source.
TaskCode codeFromRandom(Kind kind, Level level, std::uint32_t randomNumber);
TaskCode newTaskCode(Kind kind, Level level);

// The code a learner is shown when every answer of the task is right: six
// characters of the same alphabet, fixed by the task code, and another one
// when answers of the task were shown before they were found.
enum class Earned { Clean, AfterReveal };
std::string resultCode(const TaskCode& code, Earned earned = Earned::Clean);

// "kolay", "orta", "zor" and "task", "attacker", then the attacks library's
// names of the attacks ("fermat", "small-e", ...): the words of the command
// line and of the scenario driver, the same in every language.
const char* levelName(Level level);
const char* kindName(Kind kind);
// The attack a kind of task practises; nothing for the task and the
// attacker's task.
std::optional<attacks::AttackId> attackOf(Kind kind);
// The attack's task named by its attack's name; nothing for any other word.
std::optional<Kind> attackKindNamed(std::string_view name);
// The kinds whose task is an attack, in the order the window offers them.
inline constexpr Kind attackKinds[] = {Kind::Fermat, Kind::Shared, Kind::SmallE,
                                       Kind::Common, Kind::Wiener, Kind::Hastad};
// The level of a name levelName() gives; nothing for any other word.
std::optional<Level> levelNamed(std::string_view name);

} // namespace rsa::exercise
