#include "exercise/TaskCode.h"

#include <random>

namespace rsa::exercise {

namespace {

constexpr char kindLetters[] = {'G', 'S', 'F', 'P', 'E', 'M', 'W', 'H'};
constexpr char levelLetters[] = {'K', 'T', 'Z'};
constexpr int base = static_cast<int>(alphabet.size());

// What a character read off a board stands for: its look-alike in the
// alphabet, or itself.
char standsFor(char c) {
    constexpr std::string_view read = "526V", meant = "SZGU";
    const std::size_t at = read.find(c);
    return at == std::string_view::npos ? c : meant[at];
}

int valueOf(char letter) {
    const std::size_t at = alphabet.find(letter);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

// The character that makes sum(position * value) over all eight 0 mod 23.
char checkCharacter(std::string_view first) {
    int sum = 0;
    for (std::size_t i = 0; i < first.size(); ++i) {
        sum += static_cast<int>(i + 1) * valueOf(first[i]);
    }
    // 8 * 3 = 24 = 1 mod 23, so 3 is the inverse of the check's weight.
    const int value = ((base - sum % base) * 3) % base;
    return alphabet[static_cast<std::size_t>(value)];
}

int indexOf(const char* letters, int count, char letter) {
    for (int i = 0; i < count; ++i) {
        if (letters[i] == letter) {
            return i;
        }
    }
    return -1;
}

// The whole UTF-8 character that starts at text[at].
std::string characterAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return std::string(text.substr(at, length));
}

} // namespace

std::string TaskCode::text() const {
    std::string code;
    code += kindLetters[static_cast<int>(kind)];
    code += levelLetters[static_cast<int>(level)];
    std::string digits(5, alphabet[0]);
    std::uint32_t rest = serial;
    for (int i = 4; i >= 0; --i, rest /= base) {
        digits[static_cast<std::size_t>(i)] = alphabet[rest % base];
    }
    code += digits;
    code += checkCharacter(code);
    return code;
}

std::variant<TaskCode, CodeProblem> readTaskCode(std::string_view typed) {
    std::string code;
    for (std::size_t at = 0; at < typed.size(); ++at) {
        const char c = typed[at];
        if (c == ' ' || c == '\t' || c == '-') {
            continue;
        }
        const char capital = standsFor(c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
        if (valueOf(capital) < 0) {
            return CodeProblem{CodeRule::ForeignCharacter,
                               {characterAt(typed, at), std::to_string(code.size() + 1)}};
        }
        code += capital;
    }
    if (code.empty()) {
        return CodeProblem{CodeRule::Empty, {}};
    }
    if (code.size() != codeLength) {
        return CodeProblem{CodeRule::WrongLength, {std::to_string(code.size())}};
    }
    if (checkCharacter(std::string_view(code).substr(0, codeLength - 1)) != code.back()) {
        return CodeProblem{CodeRule::CheckFails, {}};
    }
    const int kind = indexOf(kindLetters, static_cast<int>(sizeof kindLetters), code[0]);
    if (kind < 0) {
        std::string letters;
        for (std::size_t i = 2; i < sizeof kindLetters; ++i) {
            letters += (i == 2 ? "" : ", ") + std::string(1, kindLetters[i]);
        }
        return CodeProblem{CodeRule::UnknownKind, {letters}};
    }
    const int level = indexOf(levelLetters, 3, code[1]);
    if (level < 0) {
        return CodeProblem{CodeRule::UnknownLevel, {}};
    }
    std::uint32_t serial = 0;
    for (int i = 2; i < 7; ++i) {
        serial = serial * base + static_cast<std::uint32_t>(valueOf(code[i]));
    }
    return TaskCode{static_cast<Kind>(kind), static_cast<Level>(level), serial};
}

TaskCode codeFromRandom(Kind kind, Level level, std::uint32_t randomNumber) {
    return TaskCode{kind, level, randomNumber % serialCount};
}

TaskCode newTaskCode(Kind kind, Level level) {
    std::random_device source;
    return codeFromRandom(kind, level, source());
}

namespace {

std::string hashed(const std::string& text) {
    // FNV-1a, then SplitMix64's finaliser to spread it.
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
    }
    hash = (hash ^ (hash >> 30)) * 0xbf58476d1ce4e5b9ULL;
    hash = (hash ^ (hash >> 27)) * 0x94d049bb133111ebULL;
    hash ^= hash >> 31;
    std::string result;
    for (int i = 0; i < 6; ++i, hash /= base) {
        result += alphabet[hash % base];
    }
    return result;
}

} // namespace

std::string resultCode(const TaskCode& code, Earned earned) {
    const std::string clean = hashed(code.text() + "/sonuç");
    if (earned == Earned::Clean) {
        return clean;
    }
    // A teacher tells the two apart by the code alone, so they never agree.
    std::string salt = "/gösterildi";
    for (;; salt += '/') {
        const std::string revealed = hashed(code.text() + "/sonuç" + salt);
        if (revealed != clean) {
            return revealed;
        }
    }
}

const char* levelName(Level level) {
    static const char* const names[] = {"kolay", "orta", "zor"};
    return names[static_cast<int>(level)];
}

std::optional<Level> levelNamed(std::string_view name) {
    for (Level level : {Level::Kolay, Level::Orta, Level::Zor}) {
        if (name == levelName(level)) {
            return level;
        }
    }
    return std::nullopt;
}

const char* kindName(Kind kind) {
    if (kind == Kind::Task || kind == Kind::Attacker) {
        return kind == Kind::Task ? "task" : "attacker";
    }
    return attacks::driverName(*attackOf(kind));
}

std::optional<Kind> attackKindNamed(std::string_view name) {
    for (Kind kind : attackKinds) {
        if (name == kindName(kind)) {
            return kind;
        }
    }
    return std::nullopt;
}

} // namespace rsa::exercise
