#ifndef TANGLEWICK_PLATFORM_RANDOM_H
#define TANGLEWICK_PLATFORM_RANDOM_H

#include <cstdint>

namespace platform {

class Clock;

// The game's pseudo-random generator. Tests put a scripted one in its place.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // Next value, 0 <= r < 1.
    virtual float next() = 0;
    virtual void reseed(double seed) = 0;
    // Reseeds from the seconds elapsed since midnight, with their fraction.
    virtual void reseedFromTimer() = 0;
};

// A splitmix64 generator. A reseed mixes the seed into the current state
// instead of replacing it, so two reseeds with the same time of day (two
// New Words within one second) still give different draws.
class MixingRandom final : public RandomSource
{
public:
    MixingRandom(const Clock &clock, std::uint64_t initialState);

    float next() override;
    void reseed(double seed) override;
    void reseedFromTimer() override;

private:
    const Clock &m_clock;
    std::uint64_t m_state;
};

} // namespace platform

#endif
