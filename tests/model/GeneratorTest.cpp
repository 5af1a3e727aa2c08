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
#include "model/Text1252.h"
#include "solve/Occurrences.h"

using namespace lettermaze;
using namespace lettermaze::testing;

namespace {

using Words = std::vector<std::string>;
const Words kAnimals = {"CAT", "HORSE", "TIGER", "ZEBRA", "MOUSE", "EAGLE", "SHEEP", "LLAMA",
                        "BEAVER", "OTTER"};

// A window asking for these words at this size and level, and the puzzle and scratch it fills.
struct Creation {
    Puzzle p;
    WindowState window;
    GenerationScratch scratch;
    FakeHost host;
    Creation(const Words& words, int cols, int rows, int level)
        : window(windowWith(words, cols, rows, level)) {}
    GenerateOutcome run(Random& rnd, const GenerateOptions& options = {}) {
        return createPuzzle(p, window, scratch, host, rnd, options);
    }
    GenerateOutcome run(std::uint32_t seed) { return run(*std::make_unique<SeededRandom>(seed)); }
    // Every placed record names its word and reads it, or its reverse, in the grid; returns
    // how many of the decoys can be read there too.
    int readable(const Words& words) const {
        for (std::size_t k = 0; k < words.size(); ++k) {
            if (p.placements[k].empty()) continue;
            EXPECT_EQ(*p.placements[k].word, words[k]);
            const std::string run = runLetters(p, p.placements[k]);
            EXPECT_TRUE(run == words[k] || run == reverseText(words[k])) << run;
        }
        int n = 0;
        for (const std::string& d : scratch.decoys) n += !findOccurrences(p.grid, d).empty();
        return n;
    }
};

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
// words of one letter only stop silently. The pointer is busy while it works.
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
        ASSERT_EQ(run.run(1), GenerateOutcome::Created);
        const PlacementList records = run.p.placements;
        run.window.columnsText = c.cols, run.window.rowsText = c.rows;
        run.window.wordText = c.words, run.host.log.clear();
        EXPECT_EQ(run.run(1), c.outcome) << c.cols << c.rows << c.words;
        const bool created = c.outcome == GenerateOutcome::Created;
        const bool bad = c.outcome == GenerateOutcome::BadSize;
        EXPECT_EQ(run.host.log, (bad ? Words{"busy", "beep", "idle"} : Words{"busy", "idle"}));
        EXPECT_EQ(run.p.shown, created);
        EXPECT_EQ(run.scratch.columns, c.keptCols);
        EXPECT_EQ(run.scratch.allSameLetter, c.words.starts_with("AA"));
        EXPECT_EQ(run.p.hiddenWords.count() + run.scratch.attemptsMade,
                  created ? 2 : 3 - run.scratch.allSameLetter);
        if (!created) {
            EXPECT_EQ(run.p.placements, records);
        }
    }
}

// Every cell one white letter, the last cell written current, the grid fitted whole to the
// window, fresh lists and their captions.
TEST(Generator, leavesEveryCellOneWhiteLetterTheGridFittedAndFreshLists) {
    Creation run(kAnimals, 15, 11, 9);
    Puzzle& p = run.p;
    p.foundWords.add("OLD");
    p.hiddenWords.add("STALE");
    p.grid.setColourAt(1, 1, 255);
    run.window.gridFrame.rowHeight = 255;
    ASSERT_EQ(run.run(3), GenerateOutcome::Created);
    for (int r = 0; r < 11; ++r)
        for (int c = 0; c < 15; ++c)
            EXPECT_TRUE(p.grid.letterAt(r, c).size() == 1 && p.grid.colourAt(r, c) == kWhite);
    EXPECT_EQ(foundCaption(p) + hiddenCaption(p), "Found (0)Hidden (10)");
    EXPECT_TRUE(p.inPlay && p.shown);
    const GridFrame& f = run.window.gridFrame;
    EXPECT_EQ(std::vector({p.grid.rowCount(), p.grid.columnCount(), p.grid.cursorRow(),
                           p.grid.cursorColumn(), f.scrollBars, f.width, f.height}),
              std::vector({11, 15, 10, 14, 0, 15 * 300, 11 * 255}));
}

// Twenty attempts at most, each word tried 41 times; the first attempt that places every word
// ends the series, and of the rest the first that placed the most wins. Words cross where
// their letters agree, and every record reads true at every level.
TEST(Generator, keepsTheFirstBestOfAtMostTwentyAttemptsAndEveryRecordReadsTrue) {
    const Words words = {"ANT",    "TAN",  "NAT",  "ANTE",   "NEAT",
                         "TENANT", "ETNA", "TEAT", "NATANT", "ATE"};
    int crossings = 0;
    for (int level = 0; level <= 9; ++level)
        for (std::uint32_t seed = 1; seed <= 6; ++seed) {
            Creation run(words, 7, 6, level);
            ASSERT_EQ(run.run(seed), GenerateOutcome::Created);
            run.readable(words);
            std::set<std::pair<int, int>> cells;
            for (const PlacementRecord& r : run.p.placements)
                for (int i = 0; !r.empty() && i < static_cast<int>(r.word->size()); ++i) {
                    const Direction d = recordDirection(r);
                    cells.emplace(*r.x1 + stepX(d) * i, *r.y1 + stepY(d) * i);
                    ++crossings;
                }
            crossings -= static_cast<int>(cells.size());
        }
    EXPECT_GT(crossings, 30);
    Creation first(kAnimals, 20, 20, 5), q({"CAT", "HIPPOPOTAMUS", "DOG"}, 6, 6, 2);
    ASSERT_EQ(first.run(11), GenerateOutcome::Created);
    EXPECT_EQ(first.scratch.attemptsMade * 100 + first.scratch.bestAttempt, 101);
    ASSERT_EQ(q.run(4), GenerateOutcome::Created);
    EXPECT_EQ(q.scratch.attemptsMade * 100 + q.scratch.bestAttempt, 2001);
    q.readable({"CAT", "HIPPOPOTAMUS", "DOG"});
    EXPECT_EQ(q.p.hiddenWords.items(), (Words{"CAT", "DOG"}));
    // A word that never fits costs two draws (reversal, direction) at each of its 41 tries in
    // each of the 20 attempts; then 16 filler draws, and nothing is listed or decoyed.
    Creation r({"HIPPOPOTAMUS"}, 4, 4, 9);
    ScriptedRandom none({}, 0.0f);
    ASSERT_EQ(r.run(none), GenerateOutcome::Created);
    EXPECT_EQ(none.draws, 20 * 41 * 2 + 16);
    EXPECT_EQ(r.scratch.bestAttempt + r.p.hiddenWords.count() + r.scratch.decoys.size(), 0u);
    GenerateOptions hurried;  // out of time after the first attempt
    hurried.attemptTimeLimit = std::chrono::nanoseconds(-1);
    ASSERT_EQ(q.run(none, hurried), GenerateOutcome::Created);
    EXPECT_EQ(q.scratch.attemptsMade, 1);
}

// Level 0: no reversal, a draw up to 0.5 goes down and above it right. Each column's scan
// draws its own first row, but a column whose rows all clash draws none; so EF skips row 1 of
// column 2, which gets filler (0 draws A). A word typed twice is placed twice but listed once.
TEST(Generator, placesEachWordAtTheFirstFreeStartOfItsScanAndListsItOnce) {
    Creation run({"ABCD", "EF"}, 4, 4, 0);
    ScriptedRandom rnd({0, 0, 0, 0, 0, 0, 0, 0.9f});
    ASSERT_EQ(run.run(rnd), GenerateOutcome::Created);
    EXPECT_EQ(run.p.placements, (PlacementList{PlacementRecord::placed("ABCD", 1, 1, 1, 4),
                                               PlacementRecord::placed("EF", 2, 2, 2, 3)}));
    EXPECT_EQ(gridLetters(run.p) + std::to_string(rnd.draws), "ABCDAEFAAAAAAAAA18");
    Creation twice({"STOP", "POTS", "STOP", "SPOT"}, 12, 12, 2);
    ASSERT_EQ(twice.run(21), GenerateOutcome::Created);
    EXPECT_NE(twice.p.placements[0], twice.p.placements[2]);
    EXPECT_EQ(twice.p.hiddenWords.items(), (Words{"SPOT", "STOP"}));
}

// Decoys come from level 4 and filler from the words' letters at level 3 and from level 5;
// level 0 neither turns words round nor lays them along a diagonal. The direction is read from
// a single-precision draw: down up to 0.5 - q, then each diagonal q, then right.
TEST(GeneratorLevels, decoysFillerAndDirectionsFollowTheLevelTable) {
    const Words words = {"CAT", "DOG", "BIRD", "FISH", "WOLF", "BEAR"};
    for (int level = 0; level <= 9; ++level) {
        Creation run(words, 30, 30, level);
        ASSERT_EQ(run.run(static_cast<std::uint32_t>(level)), GenerateOutcome::Created);
        const std::string letters = gridLetters(run.p);
        EXPECT_EQ(std::set<char>(letters.begin(), letters.end()).size() < 26,
                  levelRules(level).fillerFromPool) << level;
        EXPECT_EQ(run.scratch.decoys.size(), 6u * std::max(0, 2 * level - 7)) << level;
        for (const PlacementRecord& r : run.p.placements)
            if (level == 0)
                EXPECT_TRUE(runLetters(run.p, r) == *r.word && (*r.x1 == *r.x2 || *r.y1 == *r.y2));
    }
    const float q = 0.08f;
    const auto above = [](float v) { return std::nextafter(v, 1.0f); };
    const std::pair<float, Direction> cases[] = {
        {0.5f + q, Direction::DownLeft}, {above(0.5f + q), Direction::Right},
        {0.5f, Direction::DownRight},    {above(0.5f), Direction::DownLeft},
        {0.5f - q, Direction::Down},     {above(0.5f - q), Direction::DownRight}};
    for (const auto& [r, d] : cases) EXPECT_EQ(wordDirection(r, q), d) << r;
}

// Decoys (level 4 up) are a word's first j letters (2 <= j < length) and a pool letter that
// differs from the word's next one, the cut and the letter drawn again until it differs; they
// are placed into the winning attempt's grid, even when that is not the last attempt.
TEST(GeneratorDecoys, areAPrefixAndADifferentLetterPlacedIntoTheWinningGrid) {
    const Words words = {"OX", "PARROT", "CAMEL", "OWL", "HEDGEHOG"};
    Creation run(words, 30, 30, 9);
    ASSERT_EQ(run.run(79), GenerateOutcome::Created);
    ASSERT_EQ(run.scratch.decoys.size(), 4u * 11);  // OX is too short to yield any
    for (const std::string& d : run.scratch.decoys) {
        const std::size_t j = d.size() - 1;
        EXPECT_TRUE(std::any_of(words.begin(), words.end(), [&](const std::string& w) {
            return j >= 2 && j < w.size() && w.compare(0, j, d, 0, j) == 0 && w[j] != d[j];
        })) << d;
    }
    EXPECT_GE(run.readable(words) * 10, 44 * 9);
    // HIPPOPOTAMUSES never fits: all twenty attempts run and the first wins.
    const Words crowded = {"CAMEL", "HIPPOPOTAMUSES", "PARROT", "OWL"};
    Creation c(crowded, 12, 12, 6);
    ASSERT_EQ(c.run(90), GenerateOutcome::Created);
    ASSERT_LT(c.scratch.bestAttempt, c.scratch.attemptsMade);
    EXPECT_GE(c.readable(crowded), 14);
    // CAMEL: j = Int(0.99 x 3) + 2, its L is drawn, then C; then CAT (the last word is drawn
    // too): j = 2, A.
    ScriptedRandom rnd({0, 0.99f, 0.99f, 0, 0, 0, 0.4f});
    EXPECT_EQ(makeDecoys({"CAMEL", "CAT"}, {'C', 'A', 'L'}, 1, rnd), (Words{"CAMEC", "CAA"}));
    EXPECT_EQ(rnd.draws, 7);
}

// A decoy is turned round when its first draw is above 0.7 and goes right above 0.7, down-left
// above 0.5, down-right above 0.3 and down otherwise.
TEST(GeneratorDecoys, directionAndReversalFollowTheDecoyOdds) {
    const std::pair<float, Direction> cases[] = {
        {0.3f, Direction::Down},      {0.31f, Direction::DownRight}, {0.5f, Direction::DownRight},
        {0.51f, Direction::DownLeft}, {0.7f, Direction::DownLeft},   {0.71f, Direction::Right}};
    for (const auto& [draw, direction] : cases) {
        RecordingSearch search;
        ScriptedRandom rnd({0.71f, draw, 0.7f, draw});
        EXPECT_EQ(placeDecoys({"ABC", "XYZ"}, search, 9, 9, rnd), 2);
        EXPECT_EQ(search.asked, (std::vector<std::pair<std::string, Direction>>{
                                    {"CBA", direction}, {"XYZ", direction}}));
    }
}
