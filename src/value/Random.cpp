#include "value/Random.h"

namespace rsa {

Variant RandomSequence::Rnd() {
    // xorshift64*: a small generator with a long period and good high bits.
    m_state ^= m_state >> 12;
    m_state ^= m_state << 25;
    m_state ^= m_state >> 27;
    const std::uint64_t output = m_state * 0x2545F4914F6CDD1DULL;
    const auto top24 = static_cast<float>(output >> 40);
    return Variant::single(top24 / 16777216.0f);
}

} // namespace rsa
