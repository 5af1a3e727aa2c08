// Each attempt starts from an empty grid and takes the words in order. A word gets up to 41
// tries; at each it may be turned round (the turns accumulate, so two cancel out), draws a
// direction, and asks the placement search for the first free run in that direction. Words
// that find no room in an attempt are simply left out of it. The attempts stop as soon as one
// places every word, after the twentieth, or after one that ran longer than the time limit;
// the attempt that placed the most words wins, the earlier one on a tie.
#include "model/Attempts.h"

namespace lettermaze {

namespace {
constexpr int kMaxAttempts = 20;
constexpr int kTriesPerWord = 41;
}  // namespace

Direction wordDirection(float r, float q) {
    return directionPast(r, 0.5f - q, 0.5f, 0.5f + q);
}

namespace {

template <class Rng>
AttemptsResult layAttemptsWith(GenerationScratch& scratch, const std::vector<std::string>& words,
                               const LevelRules& rules, PlacementSearch& search, Rng& rnd,
                               std::chrono::steady_clock::duration attemptTimeLimit) {
    const int cols = scratch.columns, rows = scratch.rows;
    const int W = static_cast<int>(words.size());
    GenerationScratch& s = scratch;
    AttemptsResult result;
    result.placedWords.resize(kMaxAttempts);
    std::string backward;
    for (int a = 1;; ++a) {
        const auto started = std::chrono::steady_clock::now();
        s.workGrid.assign(static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows),
                          kEmptyCell);
        search.attach(s.workGrid, cols, rows);
        std::vector<std::string>& placed = result.placedWords[static_cast<std::size_t>(a - 1)];
        PlacementList& records = s.trialPlacements[static_cast<std::size_t>(a)];
        for (int k = 0; k < W; ++k) {
            const std::string& word = words[static_cast<std::size_t>(k)];
            backward.assign(word.rbegin(), word.rend());
            scratch.wordReversed = false;
            const int L = static_cast<int>(word.size());
            for (int tryNumber = 1; tryNumber <= kTriesPerWord; ++tryNumber) {
                scratch.wordReversed ^= rnd.next() < rules.reverseChance;
                const Direction d = wordDirection(rnd.next(), rules.diagonalShare);
                if (!fitsIn(d, L, cols, rows)) continue;
                const std::string& text = scratch.wordReversed ? backward : word;
                const std::optional<Spot> at = search.find(text, d, rnd);
                if (!at) {
                    // Every try left would fail too, so only their draws are made.
                    if (search.lastTextFitsNowhere()) {
                        for (int left = kTriesPerWord - tryNumber; left > 0; --left) {
                            scratch.wordReversed ^= rnd.next() < rules.reverseChance;
                            rnd.next();
                        }
                        break;
                    }
                    continue;
                }
                records[static_cast<std::size_t>(k)] = PlacementRecord::placed(
                    word, at->x, at->y, at->x + stepX(d) * (L - 1), at->y + stepY(d) * (L - 1));
                search.write(text, d, *at);
                placed.push_back(word);
                break;
            }
        }
        s.trialGrids[static_cast<std::size_t>(a - 1)] = s.workGrid;
        const int count = static_cast<int>(placed.size());
        if (count > result.bestCount) {
            result.best = a;
            result.bestCount = count;
        }
        result.made = a;
        const auto took = std::chrono::steady_clock::now() - started;
        if (count >= W || a == kMaxAttempts || took > attemptTimeLimit) break;
    }
    return result;
}

}  // namespace

AttemptsResult layAttempts(GenerationScratch& scratch, const std::vector<std::string>& words,
                           const LevelRules& rules, PlacementSearch& search, Random& rnd,
                           std::chrono::steady_clock::duration attemptTimeLimit) {
    return layAttemptsWith(scratch, words, rules, search, rnd, attemptTimeLimit);
}

AttemptsResult layAttempts(GenerationScratch& scratch, const std::vector<std::string>& words,
                           const LevelRules& rules, PlacementSearch& search, SeededRandom& rnd,
                           std::chrono::steady_clock::duration attemptTimeLimit) {
    return layAttemptsWith(scratch, words, rules, search, rnd, attemptTimeLimit);
}

}  // namespace lettermaze
