#pragma once
// A random source that returns a script of values, then repeats a fallback.
#include <deque>
#include <vector>

#include "model/Random.h"

namespace lettermaze::testing {

class ScriptedRandom : public Random {
  public:
    ScriptedRandom(const std::vector<float>& values, float fallback = 0.0f)
        : values_(values.begin(), values.end()), fallback_(fallback) {}
    float next() override {
        ++draws;
        if (values_.empty()) return fallback_;
        const float v = values_.front();
        values_.pop_front();
        return v;
    }
    float peek(int ahead) const override {
        const auto at = static_cast<std::size_t>(ahead);
        return at < values_.size() ? values_[at] : fallback_;
    }
    int draws = 0;

  private:
    std::deque<float> values_;
    float fallback_;
};

}  // namespace lettermaze::testing
