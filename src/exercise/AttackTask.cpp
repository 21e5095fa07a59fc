#include "AttackTask.h"

#include <algorithm>

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

std::vector<std::int64_t> primesForCubes(Level level) {
    const LevelRange range = rangeOf(level);
    std::vector<std::int64_t> primes;
    for (const std::int64_t prime :
         primesBetween(range.lowestPrime, std::max<std::int64_t>(range.primesBelow, 50))) {
        if ((prime - 1) % 3 != 0) {
            primes.push_back(prime);
        }
    }
    return primes;
}

std::optional<attacks::AttackId> attackOf(Kind kind) {
    if (const AttackTask* attack = attackTask(kind)) {
        return attack->attack;
    }
    return std::nullopt;
}

} // namespace rsa::exercise
