#pragma once

// The files learners hand each other. A .ENC file is what the main window's
// File -> Save writes: the cipher box's text in windows-1254 and CR LF, one
// line. A .SIG file holds a card number and its signature in two such lines:
//
//     1234 5678 9012 3456<CR><LF>
//      S1 S2 S3 S4 S5 S6 S7 S8<CR><LF>
//
// the card in four groups with leading zeros, then the eight signature blocks
// in the cipher box's form. Reading accepts LF alone too, and a last line
// without its break. Both are written through the program's safe file writer.

#include "exchange/Blocks.h"

#include <optional>
#include <string>
#include <vector>

namespace rsa::exchange {

std::string encFileBytes(const Blocks& cipher);

struct SignedCard {
    Blocks card{};
    ReceivedBlocks signature;
};

std::string sigFileBytes(const Blocks& card, const Blocks& signature);

// A file that cannot be read, that is not one line (.ENC) or two lines
// (.SIG), or whose lines do not parse, is refused with the reason.
Result<ReceivedBlocks> readEncFile(const std::string& path);
Result<SignedCard> readSigFile(const std::string& path);

// The lines of a file's bytes: CR LF or LF ends a line, and a last line
// without its break counts as well.
std::vector<std::string> linesOf(const std::string& bytes);

// Writes bytes as the whole file; nothing on success, else the reason.
std::optional<std::string> writeExchangeFile(const std::string& path, const std::string& bytes);

} // namespace rsa::exchange
