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

    // Whether the key was made for these primes. Values compare across types:
    // a Single 61 from the random pair is the Double 61 typed.
    bool madeFor(const Variant& otherP, const Variant& otherQ) const;
    bool sameAs(const KeyOrigin& other) const;
};

struct WindowVariables {
    // Key values, shared by the key set-up and the cipher.
    Variant p;
    Variant q;
    Variant phi;
    Variant e;
    Variant d;
    std::array<Variant, 8> c; // c1..c8, the cipher blocks of the last encryption

    // A key belongs to the primes it was computed from: the cipher refuses to
    // use it with others, and the decryption refuses blocks another key made.
    std::optional<KeyOrigin> key;       // set when the key computation accepts an exponent
    std::optional<KeyOrigin> cipherKey; // the key of the last successful encryption

    // Working values of the encryption and the decryption. nEnc and nDec stay
    // stored: each is p * q as the command found them, with the type of that
    // product, and p and q may change (or change type, typed after drawn)
    // before anyone reads it; nEnc is also set by an encryption that then
    // refuses its blocks, which leaves no other trace. The loop counter after
    // the last block (var encCounter) stays stored: it could be worked out
    // from cipherKey's e, but find() hands out the place a value lives, and a
    // counter computed on each reading would need one of its own.
    Variant nEnc;
    std::array<Variant, 8> m; // m1..m8, the plain blocks
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

    // The exponent the encryption uses, the one the last accepted key was
    // made with; Empty until a key is accepted. Not stored: it is the key's e.
    const Variant& eAccepted() const;

    // A variable by its name ("p", "c1", "encCounter"), or nullptr for an
    // unknown name. The derived ones are read where they live: eAccepted is
    // the key's e, and encAcc, the last block's running power, is c8, which
    // the encryption assigns together with it and from it.
    const Variant* find(std::string_view name) const;
};

} // namespace rsa
