#include "model/Random.h"

#include <chrono>

namespace lettermaze {

std::uint32_t SeededRandom::clockSeed() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto sinceMidnight = now - floor<days>(now);
    return static_cast<std::uint32_t>(duration_cast<microseconds>(sinceMidnight).count());
}

}  // namespace lettermaze
