#pragma once

// What a command did, as the command itself tells it: it completed, a rule of
// its own refused it (which rule, and the numbers the rule was checked on), or
// a run-time failure stopped it; and what it decided on the way (which numbers
// are prime, the private exponent, each block's power and sign). Whatever
// explains a command reads this record and the window variables, and never
// works a rule out a second time.

#include "state/WindowVariables.h"
#include "value/Variant.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace rsa {

// The nine commands a click can run.
enum class CommandId {
    listPrimes,
    drawPrimePair,
    listPhiDivisors,
    computeKey,
    encryptCard,
    decryptCard,
    saveCipherText,
    exitProgram,
    openAboutPage,
};

enum class Outcome {
    completed,
    refused, // a rule of the command stopped it and a message said why
    stopped, // a run-time failure ended it ("Hata N: NAME")
};

// The rules a command refuses by; numbers lists what each rule was checked on.
enum class Rule {
    none,
    notPrime,               // key: p or q is not prime; numbers: p, q
    equalPrimes,            // key: numbers: p
    exponentNotAboveOne,    // key: e is not a whole number above 1; numbers: e
    exponentSharesFactor,   // key: numbers: e, phi, gcd(e mod phi, phi)
    noKey,                  // encryption and decryption: no key was ever accepted
    keyForOtherPrimes,      // numbers: the key's p and q, then the current p and q
    blockNotBelowModulus,   // encryption: numbers: n, then every block of n or more
    noCipherBlocks,         // decryption: nothing was ever encrypted
    cipherBlocksOfOtherKey, // decryption: the blocks were made with another key
};

// The key a refused key computation leaves in place.
enum class KeptKey {
    none,           // no key was ever accepted
    fitsPrimes,     // the earlier key, made for the current p and q
    forOtherPrimes, // the earlier key, made for other primes: the cipher refuses it
};

// One block's power as the cipher worked it out: the block counted as the
// whole number base, the power was taken of its magnitude, and the result is
// that power with a minus sign when negative.
struct BlockPower {
    std::int64_t base = 0;
    std::uint64_t magnitude = 0; // |base|^exponent mod |modulus|
    bool negative = false;
};

// The eight powers of an encryption or a decryption, with the exponent (how
// many times each block was multiplied in) and the modulus they were taken
// with; none when nothing was multiplied.
struct BlockPowers {
    std::uint64_t exponent = 0;
    std::uint64_t modulus = 0;
    std::vector<BlockPower> blocks;
};

struct CommandRecord {
    CommandId command = CommandId::listPrimes;
    Outcome outcome = Outcome::completed;
    Rule rule = Rule::none;
    // For a refusal, as its rule lists; for a completed factor listing, the
    // divisors it listed; for the prime listing, the primes it listed.
    std::vector<Variant> numbers;
    // Whether p and q are prime, as the key computation, the random pair and
    // the divisor listing found them.
    bool pIsPrime = false;
    bool qIsPrime = false;
    Variant privateExponent; // the d a completed key computation found
    BlockPowers powers;      // a completed encryption or decryption
    // The texts the command read and took as numbers, where the step window
    // says how it read them: the encryption's four card groups.
    std::vector<std::string> typed;
    KeptKey keptKey = KeptKey::none; // refused key computations only
    int failureNumber = 0;           // stopped only: "Hata 6: Overflow"
    std::string failureName;

    static CommandRecord completed(std::vector<Variant> numbers = {}) {
        CommandRecord record;
        record.numbers = std::move(numbers);
        return record;
    }
    static CommandRecord refused(Rule rule, std::vector<Variant> numbers = {}) {
        CommandRecord record;
        record.outcome = Outcome::refused;
        record.rule = rule;
        record.numbers = std::move(numbers);
        return record;
    }
};

class WindowOperations;

// A command with its name; commands are told apart by the name, never by address.
struct Command {
    CommandId id;
    CommandRecord (*run)(WindowVariables& vars, WindowOperations& window);
};

} // namespace rsa
