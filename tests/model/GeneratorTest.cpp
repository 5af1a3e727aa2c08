// The Create button: size checks, attempts, placement, decoys, levels, filler and the lists.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <set>

#include "GeneratorSupport.h"
#include "fakes/ScriptedRandom.h"
#include "model/Attempts.h"
#include "model/Decoys.h"
#include "model/GenerationScratch.h"
#include "model/LevelRules.h"
#include "model/Puzzle.h"
#include "model/Text1252.h"
#include "model/WindowState.h"
#include "solve/Occurrences.h"

using namespace lettermaze;
using namespace lettermaze::testing;

namespace {

using Words = std::vector<std::string>;
const Words kAnimals = {"CAT", "HORSE", "TIGER", "ZEBRA", "MOUSE", "EAGLE", "SHEEP", "LLAMA", "BEAVER", "OTTER"};

// A window asking for these words at this size and level, and the puzzle and scratch it fills.
struct Creation {
    Puzzle p;
    WindowState window;
    GenerationScratch scratch;
    Creation(const Words& words, int cols, int rows, int level) : window(windowWith(words, cols, rows, level)) {}
};

GenerateOutcome generate(Creation& run, std::uint32_t seed) {
    FakeHost host;
    SeededRandom rnd(seed);
    return createPuzzle(run.p, run.window, run.scratch, host, rnd);
}

// Every placed record names its word and reads it, or its reverse, in the grid; returns how
// many of the decoys can be read there too.
int expectReadable(const Creation& run, const Words& words) {
    const Puzzle& p = run.p;
    for (std::size_t k = 0; k < words.size(); ++k) {
        if (p.placements[k].empty()) continue;
        EXPECT_EQ(*p.placements[k].word, words[k]);
        const std::string run = runLetters(p, p.placements[k]);
        EXPECT_TRUE(run == words[k] || run == reverseText(words[k])) << run;
    }
    int readable = 0;
    for (const std::string& d : run.scratch.decoys) readable += !findOccurrences(p.grid, d).empty();
    return readable;
}

// Answers every search at the top-left cell and notes the text and direction asked for.
struct RecordingSearch : PlacementSearch {
    std::vector<std::pair<std::string, Direction>> asked;
    void attach(std::vector<GridCell>&, int, int) override {}
    std::optional<Spot> find(std::string_view text, Direction d, Random&) override {
        asked.emplace_back(std::string(text), d);
        return Spot{1, 1};
    }
    std::optional<Spot> find(std::string_view text, Direction d, SeededRandom& rnd) override {
        return find(text, d, static_cast<Random&>(rnd));
    }
    void write(std::string_view, Direction, Spot) override {}
};

}  // namespace

// Sizes are read as numbers, rounded half to even and must lie in 4..200; a refusal beeps and
// hides the grid but keeps the last puzzle's lists and records. No line break, no word, or
// words of one letter only stop silently.
TEST(Generator, refusesSizesOutsideFourToTwoHundredAndStopsSilentlyWithNothingToPlace) {
    const struct {
        std::string cols, rows, words;
        GenerateOutcome outcome;
        int keptCols;
    } cases[] = {{"4.5", "200.5", "CAT\r\n", GenerateOutcome::Created, 4},
                 {"3", "10", "CAT\r\n", GenerateOutcome::BadSize, 3},
                 {"99999", "10", "CAT\r\n", GenerateOutcome::BadSize, 32767},
                 {"10", "201", "CAT\r\n", GenerateOutcome::BadSize, 10},
                 {"10", "10", "CAT", GenerateOutcome::NothingToPlace, 10},
                 {"10", "10", "A\r\nB\r\n", GenerateOutcome::NothingToPlace, 10},
                 {"10", "10", "AA\r\nAAA\r\n", GenerateOutcome::NothingToPlace, 10}};
    for (const auto& c : cases) {
        Creation run({"CAT", "DOG"}, 10, 10, 3);
        auto& [p, window, scratch] = run;
        ASSERT_EQ(generate(run, 1), GenerateOutcome::Created);
        const PlacementList records = p.placements;
        window.columnsText = c.cols, window.rowsText = c.rows, window.wordText = c.words;
        FakeHost host;
        SeededRandom rnd(1);
        EXPECT_EQ(createPuzzle(p, window, scratch, host, rnd), c.outcome) << c.cols << c.rows << c.words;
        EXPECT_EQ(host.beeps, c.outcome == GenerateOutcome::BadSize);
        EXPECT_EQ(p.shown, c.outcome == GenerateOutcome::Created);
        EXPECT_EQ(scratch.columns * 10 + host.busyOn + host.busyOff + host.busy, c.keptCols * 10 + 2);
        EXPECT_EQ(scratch.allSameLetter, c.words.starts_with("AA"));
        EXPECT_EQ(p.hiddenWords.items().size() + scratch.attemptsMade, c.outcome == GenerateOutcome::Created ? 2u : 3u - scratch.allSameLetter);
        if (c.outcome != GenerateOutcome::Created) { EXPECT_EQ(p.placements, records); }
    }
}

TEST(Generator, leavesEveryCellOneWhiteLetterTheGridFittedAndFreshLists) {
    Creation run(kAnimals, 15, 11, 9);
    auto& [p, window, scratch] = run;
    p.foundWords.add("OLD");
    p.hiddenWords.add("STALE");
    p.grid.setColourAt(1, 1, 255);
    window.gridFrame.rowHeight = 255;
    ASSERT_EQ(generate(run, 3), GenerateOutcome::Created);
    std::set<std::string> cells;
    for (int r = 0; r < 11; ++r)
        for (int c = 0; c < 15; ++c) cells.insert(p.grid.letterAt(r, c).size() == 1 && p.grid.colourAt(r, c) == kWhite ? "ok" : "bad");
    EXPECT_EQ(cells, std::set<std::string>{"ok"});
    EXPECT_EQ(foundCaption(p) + hiddenCaption(p), "Found (0)Hidden (10)");
    EXPECT_TRUE(p.inPlay && p.shown);
    // The last cell written is the current one; the grid shows all its cells.
    EXPECT_EQ(std::vector<int>({p.grid.rowCount(), p.grid.columnCount(), p.grid.cursorRow(), p.grid.cursorColumn(), window.gridFrame.scrollBars, window.gridFrame.width, window.gridFrame.height}),
              std::vector<int>({11, 15, 10, 14, 0, 15 * 300, 11 * 255}));
}

// Twenty attempts at most, each word tried 41 times; the first attempt that places every word
// ends the series, and of the rest the first that placed the most wins. Words cross where
// their letters agree, and every record reads true at every level.
TEST(Generator, keepsTheFirstBestOfAtMostTwentyAttemptsAndEveryRecordReadsTrue) {
    const Words words = {"ANT", "TAN", "NAT", "ANTE", "NEAT", "TENANT", "ETNA", "TEAT", "NATANT", "ATE"};
    int crossings = 0;
    for (int level = 0; level <= 9; ++level)
        for (std::uint32_t seed = 1; seed <= 6; ++seed) {
            Creation run(words, 7, 6, level);
            auto& [p, window, scratch] = run;
            ASSERT_EQ(generate(run, seed), GenerateOutcome::Created);
            expectReadable(run, words);
            std::set<std::pair<int, int>> cells;
            for (const PlacementRecord& r : p.placements)
                for (int i = 0; !r.empty() && i < static_cast<int>(r.word->size()); ++i, ++crossings)
                    cells.emplace(*r.x1 + stepX(recordDirection(r)) * i, *r.y1 + stepY(recordDirection(r)) * i);
            crossings -= static_cast<int>(cells.size());
        }
    EXPECT_GT(crossings, 30);
    Creation first(kAnimals, 20, 20, 5);
    ASSERT_EQ(generate(first, 11), GenerateOutcome::Created);
    EXPECT_EQ(first.scratch.attemptsMade * 100 + first.scratch.bestAttempt, 101);
    const Words tooLong = {"CAT", "HIPPOPOTAMUS", "DOG"};
    Creation q(tooLong, 6, 6, 2);
    ASSERT_EQ(generate(q, 4), GenerateOutcome::Created);
    EXPECT_EQ(q.scratch.attemptsMade * 100 + q.scratch.bestAttempt, 2001);
    expectReadable(q, tooLong);
    EXPECT_EQ(q.p.hiddenWords.items(), (Words{"CAT", "DOG"}));
    // A word that never fits costs two draws (reversal, direction) at each of its 41 tries in
    // each of the 20 attempts; then 16 filler draws, and nothing is listed or decoyed.
    Creation r({"HIPPOPOTAMUS"}, 4, 4, 9);
    FakeHost host;
    ScriptedRandom none({}, 0.0f);
    ASSERT_EQ(createPuzzle(r.p, r.window, r.scratch, host, none), GenerateOutcome::Created);
    EXPECT_EQ(none.draws, 20 * 41 * 2 + 16);
    EXPECT_EQ(r.scratch.bestAttempt + r.p.hiddenWords.count() + r.scratch.decoys.size(), 0u);
    GenerateOptions hurried;
    hurried.attemptTimeLimit = std::chrono::nanoseconds(-1);
    ASSERT_EQ(createPuzzle(q.p, q.window, q.scratch, host, none, hurried), GenerateOutcome::Created);
    EXPECT_EQ(q.scratch.attemptsMade, 1);
}

// Level 0: no reversal, a draw up to 0.5 goes down and above it right. Each column's scan
// draws its own first row, but a column whose rows all clash draws none; so EF skips row 1 of
// column 2, which gets filler (0 draws A).
// A word typed twice is placed twice but listed once, and never beside its own reverse.
TEST(Generator, placesEachWordAtTheFirstFreeStartOfItsScanAndListsItOnce) {
    Creation run({"ABCD", "EF"}, 4, 4, 0);
    auto& [p, window, scratch] = run;
    FakeHost host;
    ScriptedRandom rnd({0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.9f});
    ASSERT_EQ(createPuzzle(p, window, scratch, host, rnd), GenerateOutcome::Created);
    EXPECT_EQ(p.placements, (PlacementList{PlacementRecord::placed("ABCD", 1, 1, 1, 4), PlacementRecord::placed("EF", 2, 2, 2, 3)}));
    EXPECT_EQ(gridLetters(p) + std::to_string(rnd.draws), "ABCDAEFAAAAAAAAA18");
    Creation twice({"STOP", "POTS", "STOP", "SPOT"}, 12, 12, 2);
    ASSERT_EQ(generate(twice, 21), GenerateOutcome::Created);
    EXPECT_NE(twice.p.placements[0], twice.p.placements[2]);
    EXPECT_EQ(twice.p.hiddenWords.items(), (Words{"SPOT", "STOP"}));
}

TEST(GeneratorLevels, directionSharesReversalsDecoysAndFillerFollowTheLevelTable) {
    const Words words = {"CAT", "DOG", "BIRD", "FISH", "WOLF", "BEAR"};
    for (int level = 0; level <= 9; ++level) {
        SCOPED_TRACE(level);
        const LevelRules rules = levelRules(level);
        std::array<double, 5> share{};  // Down, Right, DownRight, DownLeft, reversed
        for (int n = 0; n < 150; ++n) {
            Creation run(words, 30, 30, level);
            auto& [p, window, scratch] = run;
            ASSERT_EQ(generate(run, static_cast<std::uint32_t>(1000 * level + n)), GenerateOutcome::Created);
            for (const PlacementRecord& r : p.placements) {
                share[static_cast<std::size_t>(recordDirection(r))] += 1.0 / 900;
                share[4] += (runLetters(p, r) != *r.word) / 900.0;
            }
            if (n == 0) {
                const std::string letters = gridLetters(p);
                EXPECT_EQ(std::set<char>(letters.begin(), letters.end()).size() < 26, rules.fillerFromPool);
                EXPECT_EQ(scratch.decoys.size(), 6u * rules.decoysPerWord);
            }
        }
        const double q = rules.diagonalShare;
        EXPECT_NEAR(share[0], 0.5 - q, 0.045);
        EXPECT_NEAR(share[1], 0.5 - q, 0.045);
        EXPECT_NEAR(share[2], q, 0.045);
        EXPECT_NEAR(share[3], q, 0.045);
        EXPECT_NEAR(share[4], rules.reverseChance, 0.045);
        if (level == 0) { EXPECT_EQ(share[2] + share[3] + share[4], 0); }
    }
    EXPECT_EQ(levelRules(14).decoysPerWord * 10 + levelRules(4).decoysPerWord, 111);
    EXPECT_EQ(levelRules(-2).reverseChance, 0.0f);
}

TEST(GeneratorLevels, directionThresholdsAreComparedInSinglePrecision) {
    const float q = 0.08f;
    const auto above = [](float v) { return std::nextafter(v, 1.0f); };
    const std::pair<float, Direction> cases[] = {
        {0.5f + q, Direction::DownLeft}, {above(0.5f + q), Direction::Right}, {0.5f, Direction::DownRight},
        {above(0.5f), Direction::DownLeft}, {0.5f - q, Direction::Down}, {above(0.5f - q), Direction::DownRight}};
    for (const auto& [r, d] : cases) EXPECT_EQ(wordDirection(r, q), d) << r;
}

// Decoys (level 4 up) are a word's first j letters (2 <= j < length) and a pool letter that
// differs from the word's next one, placed into the winning attempt's grid.
TEST(GeneratorDecoys, areAPrefixAndADifferentLetterPlacedIntoTheWinningGrid) {
    const Words words = {"OX", "PARROT", "CAMEL", "OWL", "HEDGEHOG"};
    Creation run(words, 30, 30, 9);
    auto& [p, window, scratch] = run;
    ASSERT_EQ(generate(run, 79), GenerateOutcome::Created);
    ASSERT_EQ(scratch.decoys.size(), 4u * 11);  // OX is too short to yield any
    for (const std::string& d : scratch.decoys) {
        const std::size_t j = d.size() - 1;
        EXPECT_TRUE(std::any_of(words.begin(), words.end(), [&](const std::string& w) {
            return j >= 2 && j < w.size() && w.compare(0, j, d, 0, j) == 0 && w[j] != d[j];
        })) << d;
    }
    EXPECT_GE(expectReadable(run, words) * 10, 44 * 9);
    // HIPPOPOTAMUSES never fits: all twenty attempts run and the first wins.
    const Words crowded = {"CAMEL", "HIPPOPOTAMUSES", "PARROT", "OWL"};
    Creation c(crowded, 12, 12, 6);
    ASSERT_EQ(generate(c, 90), GenerateOutcome::Created);
    ASSERT_LT(c.scratch.bestAttempt, c.scratch.attemptsMade);
    EXPECT_GE(expectReadable(c, crowded), 14);
}

TEST(GeneratorDecoys, theCutAndTheLetterAreDrawnTheLetterAgainUntilItDiffers) {
    ScriptedRandom rnd({0.0f, 0.99f, 0.99f, 0.0f,  // CAMEL; j = Int(0.99 x 3) + 2; L is its own, then C
                        0.0f, 0.0f, 0.4f});         // then CAT (the last word is drawn too): j = 2, A
    EXPECT_EQ(makeDecoys({"CAMEL", "CAT"}, {'C', 'A', 'L'}, 1, rnd), (Words{"CAMEC", "CAA"}));
    EXPECT_EQ(rnd.draws, 7);
}

// A decoy is turned round when its first draw is above 0.7 and goes right above 0.7, down-left
// above 0.5, down-right above 0.3 and down otherwise.
TEST(GeneratorDecoys, directionAndReversalFollowTheDecoyOdds) {
    const std::pair<float, Direction> cases[] = {
        {0.3f, Direction::Down}, {0.31f, Direction::DownRight}, {0.5f, Direction::DownRight},
        {0.51f, Direction::DownLeft}, {0.7f, Direction::DownLeft}, {0.71f, Direction::Right}};
    for (const auto& [draw, direction] : cases) {
        RecordingSearch search;
        ScriptedRandom rnd({0.71f, draw, 0.7f, draw});
        EXPECT_EQ(placeDecoys({"ABC", "XYZ"}, search, 9, 9, rnd), 2);
        EXPECT_EQ(search.asked, (std::vector<std::pair<std::string, Direction>>{{"CBA", direction}, {"XYZ", direction}}));
    }
}
