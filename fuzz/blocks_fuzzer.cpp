// A row of blocks and a card number as a learner pastes them: what
// parseBlocks accepts is at least eight blocks none beyond the largest
// modulus, and their row as the main window writes it reads back as the same
// eight; what parseCard accepts is eight blocks below 100, and its card text
// reads back as the same card.

#include "Report.h"
#include "exchange/Blocks.h"

#include <algorithm>
#include <cstdint>
#include <string>

using namespace rsa::exchange;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (const Result<ReceivedBlocks> received = parseBlocks(text)) {
        const Blocks& blocks = received->blocks;
        rsa::fuzz::require(
            received->found >= blockCount &&
                std::all_of(blocks.begin(), blocks.end(),
                            [](std::uint32_t block) { return block <= largestModulus; }),
            "accepted blocks are eight or more, none beyond the modulus", text);
        const Result<ReceivedBlocks> again = parseBlocks(blocksText(blocks));
        rsa::fuzz::require(again && again->found == blockCount && again->blocks == blocks,
                           "the row of the blocks reads back as the same eight", text);
    }
    if (const Result<Blocks> card = parseCard(text)) {
        rsa::fuzz::require(std::all_of(card->begin(), card->end(),
                                       [](std::uint32_t block) { return block < 100; }),
                           "a card's blocks are two digits each", text);
        const Result<Blocks> again = parseCard(cardText(*card));
        rsa::fuzz::require(again && *again == *card, "the card's text reads back as the card",
                           text);
    }
    return 0;
}
