#pragma once
// The one source of random numbers: uniform single-precision values in [0, 1). The program seeds
// it once from the clock; tests and the command-line tool use a fixed seed; tests that pin exact
// draws use a scripted source (tests/fakes).
#include <cstdint>

namespace lettermaze {

class Random {
public:
    virtual ~Random() = default;
    // A value in [0, 1), never 1.
    virtual float next() = 0;
    // The value next() would give after `ahead` further draws, without drawing it. The placement
    // search looks at the draws its first candidate would use and takes them only if it fits.
    virtual float peek(int ahead) const = 0;
};

// PCG32 (a 64-bit linear congruential state, output permuted by xorshift and a random rotation):
// a few instructions a draw, and its output depends on nothing but the seed, so a seed gives
// the same puzzle on every machine. 24 random bits divided by 2^24 can never reach 1. The class
// is final so that code handed a SeededRandom draws without a virtual call.
class SeededRandom final : public Random {
public:
    explicit SeededRandom(std::uint32_t seed) { reseed(seed); }
    float next() override {
        const std::uint64_t old = state_;
        state_ = advance(old);
        return unit(old);
    }
    float peek(int ahead) const override {
        std::uint64_t s = state_;
        for (int n = 0; n < ahead; ++n) s = advance(s);
        return unit(s);
    }
    void reseed(std::uint32_t seed) {
        state_ = advance(0) + seed;
        state_ = advance(state_);
    }

    // The seed the program uses at start: seconds since midnight, as the time of day gives it,
    // mixed with the sub-second part so two starts in the same second still differ.
    static std::uint32_t clockSeed();

private:
    static constexpr std::uint64_t kMultiplier = 6364136223846793005ULL;
    static constexpr std::uint64_t kIncrement = 1442695040888963407ULL;
    static std::uint64_t advance(std::uint64_t s) { return s * kMultiplier + kIncrement; }
    // The draw that state s gives.
    static float unit(std::uint64_t s) {
        const auto mixed = static_cast<std::uint32_t>(((s >> 18) ^ s) >> 27);
        const auto rotation = static_cast<unsigned>(s >> 59);
        const std::uint32_t bits = (mixed >> rotation) | (mixed << ((32 - rotation) & 31));
        return static_cast<float>(bits >> 8) * (1.0f / 16777216.0f);
    }

    std::uint64_t state_ = 0;
};

}  // namespace lettermaze
