#pragma once
// The generator's working arrays. They keep the last click's contents until the next click;
// nothing but the generator (and tests that look behind it) reads them.
#include <cstdint>
#include <string>
#include <vector>

#include "model/Placements.h"

namespace lettermaze {

// One cell of a working grid: 0 while empty, otherwise 1 + the letter's windows-1252 byte, so
// that every byte a word may hold (even NUL) stays distinct from an empty cell.
using GridCell = std::uint16_t;
inline constexpr GridCell kEmptyCell = 0;
inline GridCell cellOf(char letter) {
    return static_cast<GridCell>(static_cast<unsigned char>(letter) + 1);
}
inline char letterOf(GridCell cell) {
    return static_cast<char>(cell - 1);
}

// The generator's state between clicks: the size it was last asked for, the word box's lines as
// it cleaned them, and every attempt's grid and records.
struct GenerationScratch {
    std::int16_t columns = 0;
    std::int16_t rows = 0;
    std::vector<std::string> wordLines;
    std::int32_t lastLine = 0;  // the last line read: at most 200
    bool wordReversed = false;  // the try being placed runs backwards
    bool allSameLetter = false;  // the words held one letter only, so nothing was made

    // Cells of each attempt's grid, column-major (x - 1) * rows + (y - 1); attempt a is at a - 1.
    std::vector<std::vector<GridCell>> trialGrids;
    std::vector<GridCell> workGrid;
    // Records of each attempt, attempt index 0 unused (its records stay empty).
    std::vector<PlacementList> trialPlacements;
    // The near-miss decoys of the last click, in the order they were made and tried.
    std::vector<std::string> decoys;
    // The attempt whose grid was shown (0 when no attempt placed a word) and how many were made.
    int bestAttempt = 0;
    int attemptsMade = 0;
};

}  // namespace lettermaze
