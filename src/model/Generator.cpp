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
#include "model/FitGrid.h"
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
    p.ListW.Clear();
    p.ListF.Clear();
    std::unordered_set<std::string> listed;
    for (const std::string& word : placed) {
        if (listed.count(word) || listed.count(Reverse(word))) continue;
        p.ListW.AddItem(word);
        listed.insert(word);
    }
}

// Fills the empty cells of the shown attempt's grid and copies every cell into FG, column by
// column, each one white; the cursor ends on the last cell written.
template <class Rng>
void fillGrid(Puzzle& p, std::vector<GridCell>& cells, const std::vector<char>& pool, bool fromPool,
              Rng& rnd) {
    const int cols = p.GridCols, rows = p.GridRows;
    p.FG.setCols(cols);
    p.FG.setRows(rows);
    p.FG.ScrollBars = 0;
    p.FG.ColWidth = kColumnWidth;
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
            p.FG.setTextMatrix(y - 1, x - 1, std::string(1, letterOf(cell)));
            p.FG.setBackColor(y - 1, x - 1, kWhite);
        }
    // Each cell in turn was the current one while it was written; the last one stays so.
    p.FG.setRow(rows - 1);
    p.FG.setCol(cols - 1);
    p.FG.touch();
}

template <class Rng>
GenerateOutcome generate(Puzzle& p, Host& host, Rng& rnd, const GenerateOptions& options) {
    BusyPointer busy(host);
    p.FG.Visible = false;

    p.GridCols = sizeFromText(p.Textm);
    p.GridRows = sizeFromText(p.Textn);
    if (p.GridCols < kMinSize || p.GridRows < kMinSize || p.GridCols > kMaxSize ||
        p.GridRows > kMaxSize) {
        host.beep();
        return GenerateOutcome::BadSize;
    }
    const int cols = p.GridCols, rows = p.GridRows;
    GenerationScratch& s = p.scratch;
    const std::size_t cells = static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows);
    s.TrialGrids.resize(kAttemptSlots);
    for (std::vector<GridCell>& g : s.TrialGrids) g.assign(cells, kEmptyCell);

    PreparedWords prepared;
    if (!prepareWords(p, prepared) || prepared.WordsToPlace.empty())
        return GenerateOutcome::NothingToPlace;
    const std::vector<std::string>& words = prepared.WordsToPlace;
    const std::vector<char>& pool = prepared.LetterPool;
    s.TrialPlacements.assign(kAttemptSlots + 1, PlacementList(words.size()));
    s.Decoys.clear();
    s.BestAttempt = 0;
    s.AttemptsMade = 0;
    p.AllSameLetter = allSameLetter(pool);
    if (p.AllSameLetter) return GenerateOutcome::NothingToPlace;
    const LevelRules rules = levelRules(p.Difficulty);

    const std::unique_ptr<PlacementSearch> search = makeSearch(options.search, pool);
    const AttemptsResult attempts =
        layAttempts(p, words, rules, *search, rnd, options.attemptTimeLimit);
    s.BestAttempt = attempts.best;
    s.AttemptsMade = attempts.made;
    // With no word placed anywhere the attempts' index 0 supplies the all-empty records and
    // attempt 1's empty grid becomes a grid of filler alone.
    p.Placements = s.TrialPlacements[static_cast<std::size_t>(attempts.best)];
    std::vector<GridCell>& shown =
        s.TrialGrids[static_cast<std::size_t>(attempts.best > 0 ? attempts.best - 1 : 0)];

    if (rules.decoysPerWord > 0 && attempts.best > 0) {
        s.Decoys = makeDecoys(words, pool, rules.decoysPerWord, rnd);
        if (attempts.best == attempts.made) {
            // The search is still on the working grid, which holds just what the winning
            // attempt's copy holds: go on there and copy the result back.
            placeDecoys(s.Decoys, *search, cols, rows, rnd);
            shown = s.WorkGrid;
        } else {
            search->attach(shown, cols, rows);
            placeDecoys(s.Decoys, *search, cols, rows, rnd);
        }
    }

    listPlacedWords(p, attempts.best > 0
                           ? attempts.placedWords[static_cast<std::size_t>(attempts.best - 1)]
                           : std::vector<std::string>{});
    fillGrid(p, shown, pool, rules.fillerFromPool, rnd);
    FitGrid(p);
    p.GridActive = true;
    Update(p);
    p.FG.Visible = true;
    return GenerateOutcome::Created;
}

}  // namespace

GenerateOutcome CommandGo_Click(Puzzle& p, Host& host, Random& rnd) {
    return CommandGo_Click(p, host, rnd, GenerateOptions{});
}

GenerateOutcome CommandGo_Click(Puzzle& p, Host& host, Random& rnd,
                                const GenerateOptions& options) {
    // The program's own generator draws inline; scripted and counting sources go through Random.
    if (auto* own = dynamic_cast<SeededRandom*>(&rnd)) return generate(p, host, *own, options);
    return generate(p, host, rnd, options);
}

}  // namespace lettermaze
