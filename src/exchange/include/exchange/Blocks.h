#pragma once

// The two forms a message takes between learners: a card number of sixteen
// digits, cut into eight two-digit blocks as the main window cuts it, and a
// row of eight cipher (or signature) blocks, written as the main window's
// cipher box shows them (each number after a blank: " 1730 180 ...").

#include "exchange/Refusal.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace rsa::exchange {

inline constexpr std::size_t blockCount = 8;
// Every modulus the exchange works with lies below 2^31, so a block of more
// is never below it.
inline constexpr std::uint32_t largestModulus = 2147483647;

using Blocks = std::array<std::uint32_t, blockCount>;

// The blocks read from a text. The main window appends every encryption to
// its box, so a text may hold more than eight: the last eight are the newest
// message, and found tells how many there were.
struct ReceivedBlocks {
    Blocks blocks{};
    std::size_t found = 0;
    bool tookLastEight() const { return found > blockCount; }
};

// Editors that save UTF-8 may put its byte order mark first; it is no block.
std::string_view withoutByteOrderMark(std::string_view text);

// Blocks are whole numbers (reading/WholeNumber.h) without a sign, separated
// by blanks, tabs, line breaks or commas (any run of them counts as one
// separator). Refused: fewer than eight blocks, a piece that is not such a
// number (a sign or a point included), a block beyond largestModulus; the
// refusal counts the piece's place in the whole text and quotes at most its
// start.
Result<ReceivedBlocks> parseBlocks(std::string_view text);

// The row as the main window shows it: " 1730 180 1794 ...".
std::string blocksText(const Blocks& blocks);

// A card number as sixteen digits, or four groups of four separated by
// blanks; its blocks are the digits two by two, "1234 ..." gives 12, 34, ...
Result<Blocks> parseCard(std::string_view text);

// The card of eight blocks below 100, in four groups with leading zeros:
// "0012 3400 0000 0099".
std::string cardText(const Blocks& card);

} // namespace rsa::exchange
