#pragma once
// A random source that returns a script of values, then repeats a fallback.
#include <deque>
#include <stdexcept>

#include "model/Random.h"

namespace lettermaze::testing {

class ScriptedRandom : public Random {
public:
    ScriptedRandom(std::initializer_list<float> values, float fallback = 0.0f)
        : values_(values), fallback_(fallback) {}
    void push(float v) { values_.push_back(v); }
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
