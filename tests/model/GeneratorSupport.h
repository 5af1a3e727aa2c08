#pragma once
// Helpers for the generator's tests: puzzles set up as the window would, runs read back from
// the grid, and a random source that counts what it hands out.
#include <cstdint>
#include <string>
#include <vector>

#include "fakes/FakeHost.h"
#include "model/Generator.h"
#include "model/PlacementSearch.h"
#include "model/Puzzle.h"
#include "model/Random.h"
#include "model/WindowState.h"

namespace lettermaze::testing {

// The word box holding these words, each ended by Enter (CR LF).
inline std::string wordBox(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& w : words) text += w + "\r\n";
    return text;
}

inline WindowState windowWith(const std::vector<std::string>& words, int cols, int rows, int level) {
    WindowState window;
    window.wordText = wordBox(words);
    window.columnsText = std::to_string(cols);
    window.rowsText = std::to_string(rows);
    window.level = level;
    return window;
}

// Counts the draws of a seeded source, so two runs can be shown to consume the same numbers.
class CountingRandom : public Random {
  public:
    explicit CountingRandom(std::uint32_t seed) : inner_(seed) {}
    float next() override {
        ++draws;
        return inner_.next();
    }
    float peek(int ahead) const override { return inner_.peek(ahead); }
    long draws = 0;

  private:
    SeededRandom inner_;
};

// The letters of a record's run, read from the grid from its first cell to its last.
inline std::string runLetters(const Puzzle& p, const PlacementRecord& r) {
    const int x1 = static_cast<int>(*r.x1), y1 = static_cast<int>(*r.y1);
    const int x2 = static_cast<int>(*r.x2), y2 = static_cast<int>(*r.y2);
    const int dx = (x2 > x1) - (x2 < x1), dy = (y2 > y1) - (y2 < y1);
    std::string s;
    for (int x = x1, y = y1;; x += dx, y += dy) {
        s += p.grid.letterAt(y - 1, x - 1);
        if (x == x2 && y == y2) break;
    }
    return s;
}

inline Direction recordDirection(const PlacementRecord& r) {
    const double dx = *r.x2 - *r.x1, dy = *r.y2 - *r.y1;
    if (dy == 0) return Direction::Right;
    if (dx == 0) return Direction::Down;
    return dx > 0 ? Direction::DownRight : Direction::DownLeft;
}

// Every text of length 1 in the grid, column by column.
inline std::string gridLetters(const Puzzle& p) {
    std::string s;
    for (int c = 0; c < p.grid.columnCount(); ++c)
        for (int r = 0; r < p.grid.rowCount(); ++r) s += p.grid.letterAt(r, c);
    return s;
}

}  // namespace lettermaze::testing
