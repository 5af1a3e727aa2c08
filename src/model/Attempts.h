#pragma once
// Laying the words out: up to 20 whole attempts, keeping the one that placed the most.
#include <chrono>
#include <string>
#include <vector>

#include "model/GenerationScratch.h"
#include "model/LevelRules.h"
#include "model/PlacementSearch.h"

namespace lettermaze {

struct AttemptsResult {
    int best = 0;       // the attempt that placed the most words first; 0 when none placed any
    int bestCount = 0;  // how many words it placed
    int made = 0;       // how many attempts ran
    // Per attempt (attempt a at a - 1): the typed form of every word it placed, in order.
    std::vector<std::vector<std::string>> placedWords;
};

// Runs the attempts on scratch (its working grid, trial grids and trial records, which the caller
// has sized) with the grid size scratch.columns x scratch.rows. The overload for the program's own
// generator makes its draws without a virtual call.
AttemptsResult layAttempts(GenerationScratch& scratch, const std::vector<std::string>& words,
                           const LevelRules& rules, PlacementSearch& search, Random& rnd,
                           std::chrono::steady_clock::duration attemptTimeLimit);
AttemptsResult layAttempts(GenerationScratch& scratch, const std::vector<std::string>& words,
                           const LevelRules& rules, PlacementSearch& search, SeededRandom& rnd,
                           std::chrono::steady_clock::duration attemptTimeLimit);

// The direction a word takes for a draw r, with q the share of each diagonal.
Direction wordDirection(float r, float q);

}  // namespace lettermaze
