// The Create button: size checks, attempts, placement, levels, decoys, filler and the lists.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <set>

#include "GeneratorSupport.h"
#include "model/Attempts.h"
#include "model/Decoys.h"
#include "model/Text1252.h"
#include "solve/Occurrences.h"

using namespace lettermaze;
using namespace lettermaze::testing;

namespace {

const Words kAnimals = {"CAT",   "HORSE", "TIGER", "ZEBRA",  "MOUSE",
                        "EAGLE", "SHEEP", "LLAMA", "BEAVER", "OTTER"};

// Every placed record names its word and reads it, or its reverse, in the grid; returns how
// many of the decoys can be read there too.
int readable(const Creation& c, const Words& words) {
    for (std::size_t k = 0; k < words.size(); ++k) {
        if (c.p.placements[k].empty()) continue;
        EXPECT_EQ(*c.p.placements[k].word, words[k]);
        const std::string run = runLetters(c.p, c.p.placements[k]);
        EXPECT_TRUE(run == words[k] || run == reverseText(words[k])) << run;
    }
    int n = 0;
    for (const std::string& d : c.scratch.decoys) n += !findOccurrences(c.p.grid, d).empty();
    return n;
}

// Answers every search at the top-left cell and notes the text and direction asked for.
struct RecordingSearch : PlacementSearch {
    std::vector<std::pair<std::string, Direction>> asked;
    void attach(std::vector<GridCell>&, int, int) override {}
    std::optional<Spot> find(std::string_view text, Direction d, Random&) override {
        asked.emplace_back(std::string(text), d);
        return Spot{1, 1};
    }
    // Never called: decoys here draw from a script.
    std::optional<Spot> find(std::string_view, Direction, SeededRandom&) override { return {}; }
    void write(std::string_view, Direction, Spot) override {}
};

}  // namespace

// Sizes are read as numbers, rounded half to even and must lie in 4..200; a refusal beeps and
// hides the grid but keeps the last puzzle's lists and records. No line break, no word, or
// words of one letter only stop silently. The pointer is busy while it works.
TEST(Generator, refusesSizesOutsideFourToTwoHundredAndStopsSilentlyWithNothingToPlace) {
    // The size boxes and the word box after a 10 x 10 puzzle of CAT and DOG, and what a click
    // then does and leaves.
    // clang-format off
    const std::array<std::string, 4> cases[] = {
        {"4.5", "200.5", "CAT\r\n", "created: busy idle, shown, 4 columns, 1 listed, 1 attempts"},
        {"3", "10", "CAT\r\n", "refused: busy beep idle, 3 columns, 2 listed, 1 attempts, kept"},
        {"99999", "10", "CAT\r\n", "refused: busy beep idle, 32767 columns, 2 listed, 1 attempts, kept"},
        {"10", "201", "CAT\r\n", "refused: busy beep idle, 10 columns, 2 listed, 1 attempts, kept"},
        {"10", "10", "CAT", "stopped: busy idle, 10 columns, 2 listed, 1 attempts, kept"},
        {"10", "10", "A\r\nB\r\n", "stopped: busy idle, 10 columns, 2 listed, 1 attempts, kept"},
        {"10", "10", "AA\r\nAAA\r\n", "stopped: busy idle, 10 columns, one letter, 2 listed, 0 attempts, kept"}};
    // clang-format on
    for (const auto& [cols, rows, words, expected] : cases) {
        Creation c({"CAT", "DOG"}, 10, 10, 3);
        ASSERT_EQ(c.run(1), GenerateOutcome::Created);
        const PlacementList records = c.p.placements;
        c.window.columnsText = cols, c.window.rowsText = rows, c.window.wordText = words;
        c.host.log.clear();
        std::string got =
            std::array{"created:", "refused:", "stopped:"}[static_cast<int>(c.run(1))];
        for (const std::string& request : c.host.log) got += " " + request;
        got += (c.p.shown ? ", shown, " : ", ") + std::to_string(c.scratch.columns) + " columns, ";
        got += c.scratch.allSameLetter ? "one letter, " : "";
        got += std::to_string(c.p.hiddenWords.count()) + " listed, ";
        got += std::to_string(c.scratch.attemptsMade) + " attempts";
        EXPECT_EQ(got + (c.p.placements == records ? ", kept" : ""), expected);
    }
}

// Every cell one white letter, the last cell written current, the grid fitted whole to the
// window, fresh lists and their captions.
TEST(Generator, leavesEveryCellOneWhiteLetterTheGridFittedAndFreshLists) {
    Creation run(kAnimals, 15, 11, 9);
    Puzzle& p = run.p;
    p.foundWords.add("OLD"), p.hiddenWords.add("STALE"), p.grid.setColourAt(1, 1, 255);
    run.window.gridFrame.rowHeight = 255;
    ASSERT_EQ(run.run(3), GenerateOutcome::Created);
    EXPECT_EQ(foundCaption(p) + hiddenCaption(p), "Found (0)Hidden (10)");
    const GridFrame& f = run.window.gridFrame;
    EXPECT_EQ(std::vector({p.grid.rowCount(), p.grid.columnCount(), p.grid.cursorRow(),
                           p.grid.cursorColumn(), f.scrollBars, f.width, f.height,
                           static_cast<int>(gridLetters(p).size()), colouredCells(p.grid),
                           p.inPlay + p.shown}),
              std::vector({11, 15, 10, 14, 0, 15 * 300, 11 * 255, 11 * 15, 0, 2}));
}

// Twenty attempts at most, each word tried 41 times; the first attempt that places every word
// ends the series, and of the rest the first that placed the most wins.
TEST(Generator, keepsTheFirstBestOfAtMostTwentyAttempts) {
    Creation first(kAnimals, 20, 20, 5), q({"CAT", "HIPPOPOTAMUS", "DOG"}, 6, 6, 2);
    ASSERT_EQ(first.run(11), GenerateOutcome::Created);
    EXPECT_EQ(first.scratch.attemptsMade * 100 + first.scratch.bestAttempt, 101);
    ASSERT_EQ(q.run(4), GenerateOutcome::Created);
    EXPECT_EQ(q.scratch.attemptsMade * 100 + q.scratch.bestAttempt, 2001);
    readable(q, {"CAT", "HIPPOPOTAMUS", "DOG"});
    EXPECT_EQ(q.p.hiddenWords.items(), (Words{"CAT", "DOG"}));
    // A word that never fits costs two draws (reversal, direction) at each of its 41 tries in
    // each of the 20 attempts; then 16 filler draws, and nothing is listed or decoyed.
    Creation r({"HIPPOPOTAMUS"}, 4, 4, 9);
    ScriptedRandom none({}, 0.0f);
    ASSERT_EQ(r.run(none), GenerateOutcome::Created);
    EXPECT_EQ(none.draws, 20 * 41 * 2 + 16);
    EXPECT_EQ(r.scratch.bestAttempt + r.p.hiddenWords.count() + r.scratch.decoys.size(), 0u);
    // Out of time after the first attempt.
    ASSERT_EQ(q.run(none, {.attemptTimeLimit = std::chrono::nanoseconds(-1)}),
              GenerateOutcome::Created);
    EXPECT_EQ(q.scratch.attemptsMade, 1);
}

// Every record reads true at every level. Decoys come from level 4 and filler from the words'
// letters at level 3 and from level 5; level 0 neither turns words round nor lays them along a
// diagonal.
TEST(GeneratorLevels, decoysFillerAndDirectionsFollowTheLevelTable) {
    const Words words = {"CAT", "DOG", "BIRD", "FISH", "WOLF", "BEAR"};
    for (int level = 0; level <= 9; ++level) {
        Creation run(words, 30, 30, level);
        ASSERT_EQ(run.run(static_cast<std::uint32_t>(level)), GenerateOutcome::Created);
        readable(run, words);
        const std::string letters = gridLetters(run.p);
        EXPECT_EQ(std::set(letters.begin(), letters.end()).size() < 26, level == 3 || level >= 5)
            << level;
        EXPECT_EQ(run.scratch.decoys.size(), 6u * std::max(0, 2 * level - 7)) << level;
        for (const PlacementRecord& r : run.p.placements)
            EXPECT_TRUE(level > 0 ||
                        (runLetters(run.p, r) == *r.word && (*r.x1 == *r.x2 || *r.y1 == *r.y2)));
    }
    // A word's direction, from a single-precision draw: down up to 0.5 - q, then each diagonal
    // q, then right.
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
    EXPECT_GE(readable(run, words) * 10, 44 * 9);
    // HIPPOPOTAMUSES never fits: all twenty attempts run and the first wins.
    const Words crowded = {"CAMEL", "HIPPOPOTAMUSES", "PARROT", "OWL"};
    Creation c(crowded, 12, 12, 6);
    ASSERT_EQ(c.run(90), GenerateOutcome::Created);
    ASSERT_LT(c.scratch.bestAttempt, c.scratch.attemptsMade);
    EXPECT_GE(readable(c, crowded), 14);
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
