#pragma once
// Helpers for the generator's tests: a puzzle made as the Create button makes it, and runs read
// back from the grid.
#include "fakes/Builders.h"
#include "model/Generator.h"
#include "model/PlacementSearch.h"

namespace lettermaze::testing {

// A window asking for these words at this size and level, and the puzzle and scratch it fills.
struct Creation {
    Puzzle p;
    WindowState window;
    GenerationScratch scratch;
    FakeHost host;
    Creation(const Words& words, int cols, int rows, int level) {
        // Each line ended with CR LF, as the word box holds them.
        for (const std::string& w : words) window.wordText += w + "\r\n";
        window.columnsText = std::to_string(cols), window.rowsText = std::to_string(rows);
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

// The letters of a record's run, read from the grid from its first cell to its last; none when
// the word was left out.
inline std::string runLetters(const Puzzle& p, const PlacementRecord& r) {
    if (r.empty()) return "";
    const int x2 = static_cast<int>(*r.x2), y2 = static_cast<int>(*r.y2);
    int x = static_cast<int>(*r.x1), y = static_cast<int>(*r.y1);
    std::string s = p.grid.letterAt(y - 1, x - 1);
    while (x != x2 || y != y2) {
        x += (x < x2) - (x > x2), y += (y < y2) - (y > y2);
        s += p.grid.letterAt(y - 1, x - 1);
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
