#include "AttackTask.h"

namespace rsa::exercise {

const AttackTask* attackTask(Kind kind) {
    switch (kind) {
    case Kind::Task:
    case Kind::Attacker:
        break;
    case Kind::Fermat:
        return &fermatTask();
    case Kind::Shared:
        return &sharedPrimeTask();
    case Kind::SmallE:
        return &smallETask();
    case Kind::Common:
        return &commonModulusTask();
    case Kind::Wiener:
        return &wienerTask();
    case Kind::Hastad:
        return &hastadTask();
    }
    return nullptr;
}

std::optional<attacks::AttackId> attackOf(Kind kind) {
    if (const AttackTask* attack = attackTask(kind)) {
        return attack->attack;
    }
    return std::nullopt;
}

} // namespace rsa::exercise
