#pragma once
// The generator's working arrays. They keep the last click's contents until the next click;
// nothing but the generator reads them.
#include <vector>

#include "model/Placements.h"

namespace lettermaze {

struct GenerationScratch {
    // Cells of each attempt's grid, column-major (x - 1) * rows + (y - 1); 0 is an empty cell.
    std::vector<std::vector<char>> TrialGrids;
    std::vector<char> WorkGrid;
    // Records of each attempt, attempt index 0 unused.
    std::vector<PlacementList> TrialPlacements;
};

}  // namespace lettermaze
