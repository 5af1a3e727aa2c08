#pragma once
// A random source that plays a script of values, then repeats a fallback; or plays a copy of a
// seeded source. Either way it counts its draws, so two runs can be shown to consume the same
// numbers.
#include <optional>
#include <vector>

#include "model/Random.h"

namespace lettermaze::testing {

class ScriptedRandom : public Random {
  public:
    ScriptedRandom(std::vector<float> values, float fallback = 0.0f)
        : values_(std::move(values)), fallback_(fallback) {}
    explicit ScriptedRandom(const SeededRandom& source) : seeded_(source) {}
    float next() override {
        const float v = seeded_ ? seeded_->next() : peek(0);
        ++draws;
        return v;
    }
    float peek(int ahead) const override {
        if (seeded_) return seeded_->peek(ahead);
        const auto at = static_cast<std::size_t>(draws + ahead);
        return at < values_.size() ? values_[at] : fallback_;
    }
    int draws = 0;

  private:
    std::vector<float> values_;
    float fallback_ = 0.0f;
    std::optional<SeededRandom> seeded_;
};

}  // namespace lettermaze::testing
