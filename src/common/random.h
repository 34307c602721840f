#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace velunto {

// The program's one generator for every random choice:
// seed := seed * 134775813 + 1 (mod 2^32); a value below n is the upper
// 32 bits of the 64-bit product seed * n.
class RandomSource
{
public:
    explicit RandomSource(std::uint32_t seed = 0) : m_seed(seed) {}

    void setSeed(std::uint32_t seed) { m_seed = seed; }
    std::uint32_t seed() const { return m_seed; }

    // ((hour * 60 + minute) * 60 + second) * 1000 + milliseconds of now.
    void seedFromTimeOfDay();

    // A value in 0 .. n-1; 0 when n <= 0.
    int below(int n)
    {
        m_seed = m_seed * 134775813u + 1u;
        if (n <= 0)
            return 0;
        return static_cast<int>((static_cast<std::uint64_t>(m_seed) * static_cast<std::uint32_t>(n)) >> 32);
    }

    // The simple exchange pass: item i is exchanged with item below(n), for
    // every i in order.
    template <typename T>
    void shuffle(std::vector<T>& items)
    {
        const int n = static_cast<int>(items.size());
        for (int i = 0; i < n; ++i)
            std::swap(items[i], items[below(n)]);
    }

private:
    std::uint32_t m_seed;
};

// The program-wide generator, seeded once at start.
RandomSource& randomSource();

} // namespace velunto
