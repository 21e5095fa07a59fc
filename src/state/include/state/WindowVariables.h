#pragma once

// The values that live between clicks: the window's variables. Commands meet
// only here and in the text boxes. Every variable is Empty while the window is
// new; a command replaces a value only by assigning a new one. The values are
// not kept consistent with one another: each command takes what it finds.

#include "value/Random.h"
#include "value/Variant.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace rsa {

// The primes and the public exponent a key was computed from.
struct KeyOrigin {
    Variant p;
    Variant q;
    Variant e;
};

struct WindowVariables {
    // Key values, shared by the key set-up and the cipher.
    Variant p;
    Variant q;
    Variant phi;
    Variant e;
    Variant eAccepted; // the exponent the encryption uses; set only when accepted
    Variant d;
    std::array<Variant, 8> c; // c1..c8, the cipher blocks of the last encryption

    // A key belongs to the primes it was computed from: the cipher refuses to
    // use it with others, and the decryption refuses blocks another key made.
    std::optional<KeyOrigin> key;       // set when the key computation accepts an exponent
    std::optional<KeyOrigin> cipherKey; // the key of the last successful encryption

    // Working values of the encryption and the decryption.
    Variant nEnc;
    std::array<Variant, 8> m; // m1..m8, the plain blocks
    // The last block's running power and the loop counter after it, kept only
    // so that a learner can inspect them (var encAcc, var encCounter).
    Variant encAcc;
    Variant encCounter;
    Variant nDec;
    std::array<Variant, 8> r; // r1..r8, the decrypted blocks

    // The address "RSA hakkında" last opened in the web browser; empty until
    // the page has been opened once. The browser itself is a separate program.
    std::string Explorer;

    // The folder of the last successful save, where the next save dialog
    // opens; empty until a file has been saved.
    std::string saveFolder;

    // The random sequence of this run; it restarts only with a new window.
    RandomSequence random;

    // A variable by its name ("p", "c1", "encCounter"), or nullptr for an
    // unknown name.
    Variant* find(std::string_view name);
};

} // namespace rsa
