// The Create button. It checks the size, prepares the words, lays them out in up to 20
// attempts (Attempts.cpp), adds decoys to the winning grid on the hard levels (Decoys.cpp),
// lists the placed words once each, fills every empty cell and rebuilds the grid while it is
// hidden. A click that is refused leaves the previous puzzle's lists and records alone but the
// grid hidden.
#include "model/Generator.h"

#include <limits>
#include <memory>
#include <unordered_set>

#include "model/Attempts.h"
#include "model/BitsetSearch.h"
#include "model/Decoys.h"
#include "model/GridFrame.h"
#include "model/LevelRules.h"
#include "model/LiteralSearch.h"
#include "model/NumericValue.h"
#include "model/Text1252.h"
#include "model/WordEntry.h"
#include "model/WordPrep.h"

namespace lettermaze {

namespace {

constexpr int kMinSize = 4;
constexpr int kMaxSize = 200;
constexpr int kAttemptSlots = 20;

// The pointer goes back to normal however the click ends.
class BusyPointer {
  public:
    explicit BusyPointer(Host& host) : host_(host) { host_.setBusy(true); }
    ~BusyPointer() { host_.setBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

  private:
    Host& host_;
};

// A size box's value as the 16-bit count it is stored in. A value beyond that range keeps
// the nearest end of it, which is out of the allowed sizes like any other.
std::int16_t sizeFromText(const std::string& text) {
    const double v = numericValue(text);
    if (const std::optional<std::int16_t> n = toInt16(v)) return *n;
    return v > 0 ? std::numeric_limits<std::int16_t>::max()
                 : std::numeric_limits<std::int16_t>::min();
}

bool allSameLetter(const std::vector<char>& pool) {
    for (std::size_t i = 1; i < pool.size(); ++i)
        if (pool[i - 1] != pool[i]) return false;
    return true;
}

std::unique_ptr<PlacementSearch> makeSearch(SearchKind kind, const std::vector<char>& pool) {
    switch (kind) {
        case SearchKind::Literal:
            return std::make_unique<LiteralSearch>();
        case SearchKind::LiteralEveryColumn:
            return std::make_unique<LiteralSearch>(LiteralSearch::Draws::EveryColumn);
        case SearchKind::Bitset:
            break;
    }
    return std::make_unique<BitsetSearch>(pool);
}

// The hidden list: each placed word once, and never beside its own reverse.
void listPlacedWords(Puzzle& p, const std::vector<std::string>& placed) {
    p.hiddenWords.clear();
    p.foundWords.clear();
    std::unordered_set<std::string> listed;
    for (const std::string& word : placed) {
        if (listed.count(word) || listed.count(reverseText(word))) continue;
        p.hiddenWords.add(word);
        listed.insert(word);
    }
}

// Fills the empty cells of the shown attempt's grid and copies every cell into the puzzle's grid,
// column by column, each one white; the cursor ends on the last cell written.
template <class Rng>
void fillGrid(Puzzle& p, const GenerationScratch& scratch, std::vector<GridCell>& cells,
              const std::vector<char>& pool, bool fromPool, Rng& rnd) {
    const int cols = scratch.columns, rows = scratch.rows;
    Grid& g = p.grid;
    g.setColumnCount(cols);
    g.setRowCount(rows);
    const int poolSize = static_cast<int>(pool.size());
    for (int x = 1; x <= cols; ++x)
        for (int y = 1; y <= rows; ++y) {
            GridCell& cell = cells[static_cast<std::size_t>(x - 1) * rows + (y - 1)];
            if (cell == kEmptyCell) {
                const char filler = fromPool
                                        ? pool[static_cast<std::size_t>(scaledDraw(rnd, poolSize))]
                                        : static_cast<char>(65 + scaledDraw(rnd, 26));
                cell = cellOf(filler);
            }
            g.setLetterAt(y - 1, x - 1, std::string(1, letterOf(cell)));
            g.setColourAt(y - 1, x - 1, kWhite);
        }
    // Each cell in turn was the current one while it was written; the last one stays so.
    g.setCursorRow(rows - 1);
    g.setCursorColumn(cols - 1);
    g.touch();
}

template <class Rng>
GenerateOutcome generate(Puzzle& p, GenerationScratch& scratch, const PuzzleRequest& request,
                         Host& host, Rng& rnd, const GenerateOptions& options) {
    BusyPointer busy(host);
    p.shown = false;

    scratch.columns = sizeFromText(request.columnsText);
    scratch.rows = sizeFromText(request.rowsText);
    if (scratch.columns < kMinSize || scratch.rows < kMinSize || scratch.columns > kMaxSize ||
        scratch.rows > kMaxSize) {
        host.beep();
        return GenerateOutcome::BadSize;
    }
    const int cols = scratch.columns, rows = scratch.rows;
    GenerationScratch& s = scratch;
    const std::size_t cells = static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows);
    s.trialGrids.resize(kAttemptSlots);
    for (std::vector<GridCell>& g : s.trialGrids) g.assign(cells, kEmptyCell);

    PreparedWords prepared;
    if (!prepareWords(request.wordText, scratch, prepared) || prepared.words.empty())
        return GenerateOutcome::NothingToPlace;
    const std::vector<std::string>& words = prepared.words;
    const std::vector<char>& pool = prepared.letterPool;
    // Only the attempts of the last click wrote records; the others' are empty already.
    s.trialPlacements.resize(kAttemptSlots + 1);
    for (int a = 0; a <= kAttemptSlots; ++a) {
        PlacementList& records = s.trialPlacements[static_cast<std::size_t>(a)];
        if (a <= s.attemptsMade)
            records.assign(words.size(), PlacementRecord{});
        else
            records.resize(words.size());
    }
    s.decoys.clear();
    s.bestAttempt = 0;
    s.attemptsMade = 0;
    scratch.allSameLetter = allSameLetter(pool);
    if (scratch.allSameLetter) return GenerateOutcome::NothingToPlace;
    const LevelRules rules = levelRules(request.level);

    const std::unique_ptr<PlacementSearch> search = makeSearch(options.search, pool);
    const AttemptsResult attempts =
        layAttempts(s, words, rules, *search, rnd, options.attemptTimeLimit);
    s.bestAttempt = attempts.best;
    s.attemptsMade = attempts.made;
    // With no word placed anywhere the attempts' index 0 supplies the all-empty records and
    // attempt 1's empty grid becomes a grid of filler alone.
    p.placements = s.trialPlacements[static_cast<std::size_t>(attempts.best)];
    std::vector<GridCell>& winner =
        s.trialGrids[static_cast<std::size_t>(attempts.best > 0 ? attempts.best - 1 : 0)];

    if (rules.decoysPerWord > 0 && attempts.best > 0) {
        s.decoys = makeDecoys(words, pool, rules.decoysPerWord, rnd);
        if (attempts.best == attempts.made) {
            // The search is still on the working grid, which holds just what the winning
            // attempt's copy holds: go on there and copy the result back.
            placeDecoys(s.decoys, *search, cols, rows, rnd);
            winner = s.workGrid;
        } else {
            search->attach(winner, cols, rows);
            placeDecoys(s.decoys, *search, cols, rows, rnd);
        }
    }

    listPlacedWords(p, attempts.best > 0
                           ? attempts.placedWords[static_cast<std::size_t>(attempts.best - 1)]
                           : std::vector<std::string>{});
    fillGrid(p, s, winner, pool, rules.fillerFromPool, rnd);
    p.inPlay = true;
    p.shown = true;
    return GenerateOutcome::Created;
}

}  // namespace

GenerateOutcome generatePuzzle(Puzzle& p, GenerationScratch& scratch, const PuzzleRequest& request,
                               Host& host, Random& rnd, const GenerateOptions& options) {
    // The program's own generator draws inline; scripted and counting sources go through Random.
    if (auto* own = dynamic_cast<SeededRandom*>(&rnd))
        return generate(p, scratch, request, host, *own, options);
    return generate(p, scratch, request, host, rnd, options);
}

GenerateOutcome createPuzzle(Puzzle& p, WindowState& window, GenerationScratch& scratch, Host& host,
                             Random& rnd, const GenerateOptions& options) {
    const PuzzleRequest request{window.wordText, window.columnsText, window.rowsText, window.level};
    const GenerateOutcome outcome = generatePuzzle(p, scratch, request, host, rnd, options);
    if (outcome == GenerateOutcome::Created) {
        fitGrid(window.gridFrame, p.grid.rowCount(), p.grid.columnCount(), window.width,
                window.height);
        showCounts(p);
    }
    return outcome;
}

}  // namespace lettermaze
