#pragma once
// The one source of random numbers: uniform single-precision values in [0, 1). The program seeds
// it once from the clock; tests and the command-line tool use a fixed seed; tests that pin exact
// draws use a scripted source (tests/fakes).
#include <cstdint>
#include <random>

namespace lettermaze {

class Random {
public:
    virtual ~Random() = default;
    // A value in [0, 1), never 1.
    virtual float next() = 0;
};

// Mersenne Twister: its output is fixed by the C++ standard, so a seed gives the same puzzle on
// every machine. 24 random bits divided by 2^24 can never reach 1.
class SeededRandom : public Random {
public:
    explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}
    float next() override {
        return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
    }
    void reseed(std::uint32_t seed) { engine_.seed(seed); }

    // The seed the program uses at start: seconds since midnight, as the time of day gives it,
    // mixed with the sub-second part so two starts in the same second still differ.
    static std::uint32_t clockSeed();

private:
    std::mt19937 engine_;
};

}  // namespace lettermaze
