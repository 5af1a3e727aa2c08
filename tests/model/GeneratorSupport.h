#pragma once
// Helpers for the generator's tests: a puzzle made as the Create button makes it, and runs read
// back from the grid.
#include "fakes/Builders.h"
#include "model/Generator.h"
#include "model/PlacementSearch.h"

namespace lettermaze::testing {

// Lines joined with CR LF, each line ended, as the word box holds them.
inline std::string crlf(const Words& lines) {
    std::string out;
    for (const std::string& l : lines) out += l + "\r\n";
    return out;
}

// A window asking for these words at this size and level, and the puzzle and scratch it fills.
struct Creation {
    Puzzle p;
    WindowState window;
    GenerationScratch scratch;
    FakeHost host;
    Creation(const Words& words, int cols, int rows, int level) {
        window.wordText = crlf(words);
        window.columnsText = std::to_string(cols);
        window.rowsText = std::to_string(rows);
        window.level = level;
    }
    GenerateOutcome run(Random& rnd, const GenerateOptions& options = {}) {
        return createPuzzle(p, window, scratch, host, rnd, options);
    }
    GenerateOutcome run(std::uint32_t seed, const GenerateOptions& options = {}) {
        SeededRandom rnd(seed);
        return run(rnd, options);
    }
};

inline Direction recordDirection(const PlacementRecord& r) {
    const double dx = *r.x2 - *r.x1, dy = *r.y2 - *r.y1;
    if (dy == 0) return Direction::Right;
    if (dx == 0) return Direction::Down;
    return dx > 0 ? Direction::DownRight : Direction::DownLeft;
}

// The letters of a record's run, read from the grid from its first cell to its last.
inline std::string runLetters(const Puzzle& p, const PlacementRecord& r) {
    const Direction d = recordDirection(r);
    std::string s;
    for (int x = static_cast<int>(*r.x1), y = static_cast<int>(*r.y1);;
         x += stepX(d), y += stepY(d)) {
        s += p.grid.letterAt(y - 1, x - 1);
        if (x == *r.x2 && y == *r.y2) break;
    }
    return s;
}

// Every text of length 1 in the grid, column by column.
inline std::string gridLetters(const Puzzle& p) {
    std::string s;
    for (int c = 0; c < p.grid.columnCount(); ++c)
        for (int r = 0; r < p.grid.rowCount(); ++r) s += p.grid.letterAt(r, c);
    return s;
}

}  // namespace lettermaze::testing
