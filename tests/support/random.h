// The tests' one source of made-up input: xorshift64, so that every run
// tries the same cases from the same seed.
#pragma once

#include <cstdint>

namespace qhj::testing {

class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) { }

    std::uint64_t below(std::uint64_t bound)
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 7;
        m_state ^= m_state << 17;
        return m_state % bound;
    }

private:
    std::uint64_t m_state;
};

} // namespace qhj::testing
