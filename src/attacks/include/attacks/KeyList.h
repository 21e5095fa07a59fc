#pragma once

// A class's public keys as one list for the shared-prime attack: the lines
// the exchange window's "Kopyala" gives ("e = 17   n = 3233", or any form
// its key boxes read), or bare moduli, one a line, pasted or read from a text
// file. Each key is named by its line, so the class finds whose keys share a
// prime; a line that gives no key is skipped with the reason. No Qt.

#include "attacks/Attack.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace rsa::attacks {

// The gcd of every pair is quick at this size (19,900 pairs); a list of more
// lines that may be keys is refused rather than shown as tables no class
// reads (and Qt takes minutes to lay out).
inline constexpr std::size_t largestKeyList = 200;

struct ListedKey {
    std::size_t line; // from 1, as an editor counts them
    std::uint64_t n;
};

struct SkippedLine {
    std::size_t line;
    Refusal why;
};

struct KeyList {
    std::vector<ListedKey> keys;
    std::vector<SkippedLine> skipped;
};

// Text from "#" to the end of a line is a comment; a line left blank is
// passed over without a word. A line that is neither a key line nor one
// whole number, whose n the attacks do not take, or whose n an earlier line
// gave already, is skipped.
KeyList readKeyList(std::string_view text);

// The text of a key file, or why it is refused: it cannot be read (a folder,
// missing, over 1 MiB, ...) or holds a zero byte, so it is no text.
std::variant<std::string, Refusal> readKeyListFile(const std::string& path);

// Which keys of the list share a prime, by the gcd of every pair. Found:
// each broken key's line with its factors ("3" "11*17"), then "skipped" and
// the skipped lines ("2,4") when there are any.
Outcome runKeyList(const KeyList& list, texts::Translator translator = nullptr);

} // namespace rsa::attacks
