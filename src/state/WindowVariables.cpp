#include "state/WindowVariables.h"

#include "value/Operations.h"

namespace rsa {

namespace {

// "c3" -> index 2 into the block array named "c"; -1 when name is not of that form.
int blockIndex(std::string_view name, char prefix) {
    if (name.size() != 2 || name[0] != prefix || name[1] < '1' || name[1] > '8') {
        return -1;
    }
    return name[1] - '1';
}

const Variant empty;

} // namespace

bool KeyOrigin::madeFor(const Variant& otherP, const Variant& otherQ) const {
    return isTrue(isEqual(p, otherP)) && isTrue(isEqual(q, otherQ));
}

bool KeyOrigin::sameAs(const KeyOrigin& other) const {
    return madeFor(other.p, other.q) && isTrue(isEqual(e, other.e));
}

const Variant& WindowVariables::eAccepted() const {
    return key ? key->e : empty;
}

const Variant* WindowVariables::find(std::string_view name) const {
    struct Named {
        std::string_view name;
        Variant WindowVariables::*member;
    };
    static constexpr Named scalars[] = {
        {"p", &WindowVariables::p},
        {"q", &WindowVariables::q},
        {"phi", &WindowVariables::phi},
        {"e", &WindowVariables::e},
        {"d", &WindowVariables::d},
        {"nEnc", &WindowVariables::nEnc},
        {"encCounter", &WindowVariables::encCounter},
        {"nDec", &WindowVariables::nDec},
    };
    for (const Named& entry : scalars) {
        if (entry.name == name) {
            return &(this->*entry.member);
        }
    }
    if (name == "eAccepted") {
        return &eAccepted();
    }
    if (name == "encAcc") {
        return &c[7];
    }
    for (auto [prefix, blocks] : {std::pair{'c', &c}, std::pair{'m', &m}, std::pair{'r', &r}}) {
        if (const int index = blockIndex(name, prefix); index >= 0) {
            return &(*blocks)[static_cast<std::size_t>(index)];
        }
    }
    return nullptr;
}

} // namespace rsa
