#pragma once

#include <array>
#include <cstdint>

namespace quelbor {

// The random numbers of the Monte Carlo trials, the same bits on every platform. The standard
// library's distributions are not used: how std::normal_distribution and its kin turn bits
// into numbers is left to each library, and libstdc++ and the web page's libc++ differ.
//
// Generator: xoshiro256** (Blackman and Vigna, 2018), period 2^256 − 1, its four words of
// state filled from the seed by splitmix64, as its authors advise. Uniform numbers in [0, 1):
// the top 53 bits of a draw times 2^-53. Standard normal deviates: Marsaglia's polar method,
// which needs only + − × ÷, sqrt (all correctly rounded in IEEE 754) and a logarithm of our
// own (portableLog); each accepted pair gives two deviates, used in turn.
class RandomDeviates
{
public:
    explicit RandomDeviates(std::uint64_t seed);

    std::uint64_t bits();
    double uniform();        // in [0, 1)
    double standardNormal(); // mean 0, standard deviation 1

private:
    std::array<std::uint64_t, 4> m_state{};
    double m_spareNormal = 0;
    bool m_hasSpare = false;
};

} // namespace quelbor
