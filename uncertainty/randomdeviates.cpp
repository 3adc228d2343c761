#include "randomdeviates.h"

#include "portablelog.h"

#include <algorithm>
#include <cmath>

namespace quelbor {

namespace {

std::uint64_t rotateLeft(std::uint64_t x, int k)
{
    return (x << k) | (x >> (64 - k));
}

std::uint64_t splitmix64(std::uint64_t &state)
{
    std::uint64_t z = (state += 0x9e3779b97f4a7c15);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
    z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
    return z ^ (z >> 31);
}

} // namespace

RandomDeviates::RandomDeviates(std::uint64_t seed)
{
    std::generate(m_state.begin(), m_state.end(), [&seed] { return splitmix64(seed); });
}

std::uint64_t RandomDeviates::bits()
{
    std::array<std::uint64_t, 4> &s = m_state;
    const std::uint64_t result = rotateLeft(s[1] * 5, 7) * 9;
    const std::uint64_t t = s[1] << 17;
    s[2] ^= s[0];
    s[3] ^= s[1];
    s[1] ^= s[2];
    s[0] ^= s[3];
    s[2] ^= t;
    s[3] = rotateLeft(s[3], 45);
    return result;
}

double RandomDeviates::uniform()
{
    return static_cast<double>(bits() >> 11) * 0x1.0p-53;
}

double RandomDeviates::standardNormal()
{
    if (m_hasSpare) {
        m_hasSpare = false;
        return m_spareNormal;
    }
    // A point uniform in the unit disc (a pair is rejected with probability 1 − π/4); then
    // v·sqrt(−2 ln r / r) are two independent standard normal deviates.
    double v1 = 0;
    double v2 = 0;
    double r = 0;
    do {
        v1 = 2 * uniform() - 1;
        v2 = 2 * uniform() - 1;
        r = v1 * v1 + v2 * v2;
    } while (r >= 1 || r == 0);
    const double factor = std::sqrt(-2 * portableLog(r) / r);
    m_spareNormal = v2 * factor;
    m_hasSpare = true;
    return v1 * factor;
}

} // namespace quelbor
