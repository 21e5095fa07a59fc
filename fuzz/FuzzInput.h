#pragma once

// The fuzzers' input, read from the front in pieces, and how they report a
// broken rule: on stderr, then abort, which libFuzzer records as a crash with
// the input that caused it.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace rsa::fuzz {

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool empty() const { return m_at == m_size; }

    // Bytes past the end read as zero, so every input is a whole program.
    template <typename T> T take() {
        T value{};
        const std::size_t count = std::min(sizeof(T), m_size - m_at);
        std::memcpy(&value, m_data + m_at, count);
        m_at += count;
        return value;
    }

    std::string text(std::size_t most) {
        const std::size_t count = std::min(most, m_size - m_at);
        std::string taken(reinterpret_cast<const char*>(m_data + m_at), count);
        m_at += count;
        return taken;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

[[noreturn]] inline void broken(const std::string& rule) {
    std::fprintf(stderr, "broken rule: %s\n", rule.c_str());
    std::abort();
}

// The rule's description is made only when it is broken: describe() gives it.
template <typename Describe> void require(bool holds, Describe describe) {
    if (!holds) {
        broken(describe());
    }
}

} // namespace rsa::fuzz
