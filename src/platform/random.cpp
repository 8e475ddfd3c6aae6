#include "platform/random.h"

#include "platform/clock.h"

#include <bit>

namespace platform {

namespace {
std::uint64_t mix64(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}
} // namespace

MixingRandom::MixingRandom(const Clock &clock, std::uint64_t initialState)
    : m_clock(clock)
    , m_state(initialState)
{ }

float MixingRandom::next()
{
    m_state += 0x9e3779b97f4a7c15ULL;
    // The top 24 bits fit a float's mantissa exactly: the largest value is
    // 1 - 2^-24, so rounding can never produce 1.
    const auto top24 = static_cast<std::uint32_t>(mix64(m_state) >> 40);
    return static_cast<float>(top24) * 0x1.0p-24f;
}

void MixingRandom::reseed(double seed)
{
    m_state = mix64(m_state ^ std::bit_cast<std::uint64_t>(seed));
}

void MixingRandom::reseedFromTimer()
{
    reseed(timerSeconds(m_clock));
}

} // namespace platform
