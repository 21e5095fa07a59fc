#pragma once

// Turkish words as numbers, the way a Turkish class does it by hand: the 29
// letters of the alphabet in their order get the codes 00 to 28, as the
// textbook exercise that works modulo 29 numbers them (A = 0 … Z = 28), and
// the blank, which a message needs but the alphabet lacks, the next code, 29.
// Two digits a letter; a block holds as many letters, side by side, as keep
// every block below n: k letters make 2k digits, the largest of them all
// blanks, 2929…29, so k letters fit when n is above that number. The last
// block is filled up with blanks, which is why blanks at the end of a message
// do not come back and are dropped when it is read.

#include "exchange/Refusal.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace rsa::exchange {

struct Letter {
    const char* utf8;     // as the window shows it
    unsigned char cp1254; // as a saved file holds it
};

inline constexpr std::size_t letterCount = 30; // 29 letters and the blank
inline constexpr std::uint32_t blankCode = 29;
inline constexpr std::size_t longestMessage = 40;
// n below 2^31 holds at most four letters (29292929) a block.
inline constexpr std::size_t mostLettersPerBlock = 4;

// The table in code order: letters()[code].
const std::array<Letter, letterCount>& letters();

// A message as codes, one a character.
using LetterCodes = std::vector<std::uint32_t>;

// A message as typed: letters of the Turkish alphabet and blanks, lower case
// read as upper case by Turkish rules (i → İ, ı → I), at most longestMessage
// characters once blanks at the end are dropped. Refused: an empty message,
// a longer one, and any other character (named, with its position).
Result<LetterCodes> parseMessage(std::string_view text);

// The codes back as upper-case text.
std::string messageText(const LetterCodes& codes);

// How many letters go into one block for the modulus n: the most k (up to
// mostLettersPerBlock) whose largest block is below n, or 0 when n is 29 or
// less. largestBlock(k) is that block, the k-letter row of blanks (up to
// five letters it fits 32 bits).
std::size_t lettersPerBlock(std::uint32_t n);
std::uint32_t largestBlock(std::size_t perBlock);

// The codes side by side, perBlock letters a block, the last one filled up
// with blanks.
std::vector<std::uint32_t> packLetters(const LetterCodes& codes, std::size_t perBlock);

// Blocks back to codes, each as 2 · perBlock digits; blanks at the end
// dropped. Refused: a block that is not perBlock codes of the table (its
// 1-based index and its value).
Result<LetterCodes> unpackLetters(const std::vector<std::uint32_t>& blocks, std::size_t perBlock);

// How often each block occurs, most frequent first (equal counts in
// ascending order of the block).
std::vector<std::pair<std::uint32_t, std::size_t>>
blockCounts(const std::vector<std::uint32_t>& blocks);

// The letters in order of how often they occur in Turkish text, with their
// share in hundredths of a per cent (the table cited in the README).
struct LetterShare {
    std::uint32_t code;
    unsigned hundredths;
};
const std::array<LetterShare, letterCount - 1>& turkishLetterShares();

// A received message of at least this many one-letter blocks is long enough
// for the block counts to mirror the letter counts.
inline constexpr std::size_t blocksForFrequencies = 20;

} // namespace rsa::exchange
