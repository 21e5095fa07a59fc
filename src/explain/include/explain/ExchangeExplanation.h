#pragma once

// The step window's sections for the exchange window's acts: sending,
// receiving, signing and verifying are each eight modular powers, shown with
// the same square-and-multiply tables as the main window's encryption, and a
// fresh key with its Euclid table. Plain data and plain numbers, no Qt; the
// texts pass through the translator handed in (Turkish without one).

#include "explain/Explanation.h"

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace rsa::explain {

// A card's eight blocks, or as many as a message of letters packs into.
struct BlockValues : std::vector<std::uint32_t> {
    BlockValues() = default;
    BlockValues(const std::array<std::uint32_t, 8>& card)
        : std::vector<std::uint32_t>(card.begin(), card.end()) {}
    BlockValues(std::vector<std::uint32_t> blocks)
        : std::vector<std::uint32_t>(std::move(blocks)) {}
};

enum class ExchangeAct { Send, Receive, Sign, Verify };

struct ExchangePowers {
    ExchangeAct act;
    std::uint64_t exponent; // e to send and verify, d to receive and sign
    std::uint64_t n;
    BlockValues in;       // the card, the cipher or the signature blocks
    BlockValues out;      // each in^exponent mod n
    BlockValues card{};   // for Verify: the card the signature is checked against
    std::string cardText; // for Receive: the card (or the message) the blocks make
    bool letters = false; // the blocks hold a message of letters, not a card
};

Section explainExchange(const ExchangePowers& powers, Translator translator = nullptr);

// A fresh pair drawn from the system's random source.
Section explainFreshKey(std::uint64_t p, std::uint64_t q, std::uint64_t e, std::uint64_t d,
                        std::uint64_t range, Translator translator = nullptr);

// A message of letters before its powers: the letter table, the packing rule
// for the n in use and the message's blocks, each with its letters.
struct LetterPacking {
    std::uint64_t n;
    std::size_t perBlock;                     // letters a block
    std::uint64_t largest;                    // the largest block of perBlock letters
    std::uint64_t nextLargest;                // of one letter more
    std::vector<std::string> table;           // the letters in code order, the blank last
    std::vector<std::uint32_t> blocks;        // the message packed
    std::vector<std::string> lettersOfBlocks; // what each block holds
};
Section explainLetterPacking(const LetterPacking& packing, Translator translator = nullptr);

// An act the exchange window refused, titled with the act's name; sentence is
// the window's own, already in the language in use.
Section explainExchangeRefusal(const std::string& act, const std::string& sentence,
                               Translator translator = nullptr);

} // namespace rsa::explain
