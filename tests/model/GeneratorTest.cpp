#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "GeneratorSupport.h"
#include "fakes/ScriptedRandom.h"
#include "model/Text1252.h"
#include "model/Puzzle.h"
#include "model/WindowState.h"
#include "model/GenerationScratch.h"

using namespace lettermaze;
using namespace lettermaze::testing;

namespace {

const std::vector<std::string> kAnimals = {"CAT",   "HORSE", "TIGER", "ZEBRA",  "MOUSE",
                                           "EAGLE", "SHEEP", "LLAMA", "BEAVER", "OTTER"};

struct SizeCase {
    std::string text;
    bool accepted;
    int value;  // the columns the generation keeps
};

}  // namespace

TEST(GeneratorSize, onlyFourToTwoHundredIsAcceptedAfterRoundingHalvesToEven) {
    const std::vector<SizeCase> cases = {
        {"3", false, 3},      {"4", true, 4},      {"4.5", true, 4},  {"200", true, 200},
        {"200.5", true, 200}, {"201", false, 201}, {"abc", false, 0}, {"99999", false, 32767},
    };
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(c.text);
        Puzzle p;
        WindowState window = windowWith({"CAT", "DOG"}, 10, 10, 3);
        GenerationScratch scratch;
        window.columnsText = c.text;
        FakeHost host;
        SeededRandom rnd(1);
        const GenerateOutcome outcome = createPuzzle(p, window, scratch, host, rnd);
        EXPECT_EQ(outcome, c.accepted ? GenerateOutcome::Created : GenerateOutcome::BadSize);
        EXPECT_EQ(host.beeps, c.accepted ? 0 : 1);
        EXPECT_EQ(p.shown, c.accepted);
        EXPECT_EQ(scratch.columns, c.value);
        EXPECT_EQ(host.busyOn, 1);
        EXPECT_EQ(host.busyOff, 1);
        EXPECT_FALSE(host.busy);
        if (c.accepted) {
            EXPECT_EQ(p.grid.columnCount(), c.value);
        }
    }
}

TEST(GeneratorSize, aBadRowCountIsRefusedLikeABadColumnCount) {
    Puzzle p;
    WindowState window = windowWith({"CAT", "DOG"}, 10, 3, 3);
    GenerationScratch scratch;
    FakeHost host;
    SeededRandom rnd(1);
    EXPECT_EQ(createPuzzle(p, window, scratch, host, rnd), GenerateOutcome::BadSize);
    EXPECT_EQ(host.beeps, 1);
    EXPECT_EQ(scratch.rows, 3);
}

TEST(GeneratorSize, aRefusedClickHidesTheGridButKeepsTheLastPuzzlesListsAndRecords) {
    Puzzle p;
    WindowState window = windowWith(kAnimals, 12, 12, 3);
    GenerationScratch scratch;
    FakeHost host;
    SeededRandom rnd(5);
    ASSERT_EQ(createPuzzle(p, window, scratch, host, rnd), GenerateOutcome::Created);
    const auto listed = p.hiddenWords.items();
    const PlacementList records = p.placements;
    window.rowsText = "201";
    EXPECT_EQ(createPuzzle(p, window, scratch, host, rnd), GenerateOutcome::BadSize);
    EXPECT_FALSE(p.shown);
    EXPECT_EQ(p.hiddenWords.items(), listed);
    EXPECT_EQ(p.placements, records);
    EXPECT_TRUE(p.inPlay);
}

TEST(GeneratorStops, noLineBreakNoWordOrOneLetterOnlyStopSilently) {
    for (const std::string text : {"CAT", "A\r\nB\r\n", "AA\r\nAAA\r\n"}) {
        SCOPED_TRACE(text);
        Puzzle p;
        WindowState window;
        GenerationScratch scratch;
        window.wordText = text;
        FakeHost host;
        SeededRandom rnd(1);
        EXPECT_EQ(createPuzzle(p, window, scratch, host, rnd), GenerateOutcome::NothingToPlace);
        EXPECT_EQ(host.beeps, 0);
        EXPECT_TRUE(host.messages.empty());
        EXPECT_FALSE(p.shown);
        EXPECT_FALSE(host.busy);
        EXPECT_FALSE(p.inPlay);
    }
    Puzzle p;
    WindowState window;
    GenerationScratch scratch;
    window.wordText = "AA\r\nAAA\r\n";
    FakeHost host;
    SeededRandom rnd(1);
    createPuzzle(p, window, scratch, host, rnd);
    EXPECT_TRUE(scratch.allSameLetter);
}

TEST(GeneratorResult, leavesEveryCellOneWhiteLetterAnEmptyFoundListAndFreshCaptions) {
    Puzzle p;
    WindowState window = windowWith(kAnimals, 15, 11, 9);
    GenerationScratch scratch;
    p.foundWords.add("OLD");
    p.hiddenWords.add("STALE");
    p.grid.setRowCount(3);
    p.grid.setColumnCount(3);
    p.grid.setColourAt(1, 1, 255);
    FakeHost host;
    SeededRandom rnd(3);
    ASSERT_EQ(createPuzzle(p, window, scratch, host, rnd), GenerateOutcome::Created);
    EXPECT_EQ(p.grid.rowCount(), 11);
    EXPECT_EQ(p.grid.columnCount(), 15);
    for (int r = 0; r < 11; ++r)
        for (int c = 0; c < 15; ++c) {
            EXPECT_EQ(p.grid.letterAt(r, c).size(), 1u);
            EXPECT_EQ(p.grid.colourAt(r, c), kWhite);
        }
    EXPECT_EQ(p.foundWords.count(), 0);
    EXPECT_FALSE(std::count(p.hiddenWords.items().begin(), p.hiddenWords.items().end(), "STALE"));
    EXPECT_EQ(foundCaption(p), "Found (0)");
    EXPECT_EQ(hiddenCaption(p), "Hidden (" + std::to_string(p.hiddenWords.count()) + ")");
    EXPECT_TRUE(p.inPlay);
    EXPECT_TRUE(p.shown);
    // The last cell written is the current one.
    EXPECT_EQ(p.grid.cursorRow(), 10);
    EXPECT_EQ(p.grid.cursorColumn(), 14);
}

TEST(GeneratorResult, theGridIsFittedToTheWindow) {
    Puzzle p;
    WindowState window = windowWith({"CAT", "DOG"}, 4, 4, 0);
    GenerationScratch scratch;
    window.gridFrame.rowHeight = 255;
    FakeHost host;
    SeededRandom rnd(2);
    ASSERT_EQ(createPuzzle(p, window, scratch, host, rnd), GenerateOutcome::Created);
    EXPECT_EQ(window.gridFrame.scrollBars, 0);
    EXPECT_EQ(window.gridFrame.width, 1200);
    EXPECT_EQ(window.gridFrame.height, 4 * 255);
    EXPECT_EQ(window.gridFrame.columnWidth, 300);
}

TEST(GeneratorResult, everyRecordSpellsItsWordOrItsReverseAtEveryLevel) {
    const std::vector<std::string> words = {"ANT",    "TAN",  "NAT",  "ANTE",   "NEAT",
                                            "TENANT", "ETNA", "TEAT", "NATANT", "ATE"};
    int crossings = 0;
    for (int level = 0; level <= 9; ++level)
        for (std::uint32_t seed = 1; seed <= 20; ++seed) {
            SCOPED_TRACE(::testing::Message() << "level " << level << " seed " << seed);
            Puzzle p;
            WindowState window = windowWith(words, 7, 6, level);
            GenerationScratch scratch;
            FakeHost host;
            SeededRandom rnd(seed);
            ASSERT_EQ(createPuzzle(p, window, scratch, host, rnd), GenerateOutcome::Created);
            ASSERT_EQ(p.placements.size(), words.size());
            std::vector<int> used(7 * 6, 0);
            for (std::size_t k = 0; k < words.size(); ++k) {
                const PlacementRecord& r = p.placements[k];
                if (r.empty()) continue;
                ASSERT_EQ(*r.word, words[k]);
                const std::string run = runLetters(p, r);
                EXPECT_TRUE(run == words[k] || run == reverseText(words[k])) << run;
                const int dx = stepX(recordDirection(r)), dy = stepY(recordDirection(r));
                for (int i = 0; i < static_cast<int>(run.size()); ++i)
                    ++used[(static_cast<int>(*r.x1) - 1 + dx * i) * 6 + static_cast<int>(*r.y1) -
                           1 + dy * i];
            }
            crossings += static_cast<int>(
                std::count_if(used.begin(), used.end(), [](int n) { return n > 1; }));
        }
    // Letters are shared where words cross, and the runs above still read true.
    EXPECT_GT(crossings, 100);
}

TEST(GeneratorAttempts, anAttemptThatPlacesEveryWordIsTheLast) {
    Puzzle p;
    WindowState window = windowWith(kAnimals, 20, 20, 5);
    GenerationScratch scratch;
    FakeHost host;
    SeededRandom rnd(11);
    ASSERT_EQ(createPuzzle(p, window, scratch, host, rnd), GenerateOutcome::Created);
    EXPECT_EQ(scratch.attemptsMade, 1);
    EXPECT_EQ(scratch.bestAttempt, 1);
    for (const PlacementRecord& r : p.placements) EXPECT_FALSE(r.empty());
    ASSERT_EQ(scratch.trialPlacements.size(), 21u);
    for (const PlacementRecord& r : scratch.trialPlacements[0]) EXPECT_TRUE(r.empty());
    for (const PlacementRecord& r : scratch.trialPlacements[2]) EXPECT_TRUE(r.empty());
}

TEST(GeneratorAttempts, aWordThatNeverFitsMakesTwentyAttemptsAndIsLeftOut) {
    Puzzle p;
    WindowState window = windowWith({"CAT", "HIPPOPOTAMUS", "DOG"}, 6, 6, 2);
    GenerationScratch scratch;
    FakeHost host;
    SeededRandom rnd(4);
    ASSERT_EQ(createPuzzle(p, window, scratch, host, rnd), GenerateOutcome::Created);
    EXPECT_EQ(scratch.attemptsMade, 20);
    EXPECT_EQ(scratch.bestAttempt, 1);  // every attempt places two words; ties keep the first
    EXPECT_TRUE(p.placements[1].empty());
    EXPECT_FALSE(p.placements[0].empty());
    EXPECT_EQ(p.hiddenWords.items(), (std::vector<std::string>{"CAT", "DOG"}));
}

TEST(GeneratorAttempts, anAttemptOverTheTimeLimitEndsTheSeries) {
    Puzzle p;
    WindowState window = windowWith({"CAT", "HIPPOPOTAMUS", "DOG"}, 6, 6, 2);
    GenerationScratch scratch;
    FakeHost host;
    SeededRandom rnd(4);
    GenerateOptions options;
    options.attemptTimeLimit = std::chrono::nanoseconds(-1);
    ASSERT_EQ(createPuzzle(p, window, scratch, host, rnd, options), GenerateOutcome::Created);
    EXPECT_EQ(scratch.attemptsMade, 1);
}

TEST(GeneratorAttempts, whenNoWordFitsAnywhereTheGridIsAllFillerWithNothingListed) {
    Puzzle p;
    WindowState window = windowWith({"ELEPHANT", "GIRAFFES"}, 4, 4, 9);
    GenerationScratch scratch;
    FakeHost host;
    SeededRandom rnd(8);
    ASSERT_EQ(createPuzzle(p, window, scratch, host, rnd), GenerateOutcome::Created);
    EXPECT_EQ(scratch.bestAttempt, 0);
    EXPECT_EQ(scratch.attemptsMade, 20);
    EXPECT_TRUE(scratch.decoys.empty());
    EXPECT_EQ(p.hiddenWords.count(), 0);
    ASSERT_EQ(p.placements.size(), 2u);
    EXPECT_TRUE(p.placements[0].empty() && p.placements[1].empty());
    EXPECT_TRUE(p.inPlay);
    EXPECT_TRUE(p.shown);
    EXPECT_EQ(gridLetters(p).size(), 16u);
    EXPECT_EQ(hiddenCaption(p), "Hidden");  // both lists empty: no counts
}

TEST(GeneratorPlacement, aWordAsLongAsTheGridIsWideOnlyGoesRightFromColumnOne) {
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        Puzzle p;
        WindowState window = windowWith({"CROCODILES", "ANT"}, 10, 6, 9);
        GenerationScratch scratch;
        FakeHost host;
        SeededRandom rnd(seed);
        ASSERT_EQ(createPuzzle(p, window, scratch, host, rnd), GenerateOutcome::Created);
        const PlacementRecord& r = p.placements[0];
        ASSERT_FALSE(r.empty());
        EXPECT_EQ(*r.x1, 1);
        EXPECT_EQ(*r.x2, 10);
        EXPECT_EQ(*r.y1, *r.y2);
    }
}

TEST(GeneratorPlacement, scriptedDrawsPlaceTheWordsWhereTheScansFindRoom) {
    // Level 0: no reversal (R < 0 never holds), r <= 0.5 goes down, r > 0.5 goes right.
    Puzzle p;
    WindowState window = windowWith({"ABC", "EF"}, 4, 4, 0);
    GenerationScratch scratch;
    FakeHost host;
    ScriptedRandom rnd({
        0.0f, 0.0f,  // ABC: no reversal, down
        0.0f,        // first column Int(0 x 4) + 1 = 1
        0.99f,       // its first row Int(0.99 x (4 - 3)) + 1 = 1
        0.0f, 0.9f,  // EF: no reversal, right
        0.5f,        // first column Int(0.5 x (4 - 2)) + 1 = 2
        0.0f,        // its first row 1, which is free in columns 2 and 3
    });
    ASSERT_EQ(createPuzzle(p, window, scratch, host, rnd), GenerateOutcome::Created);
    EXPECT_EQ(p.placements[0], PlacementRecord::placed("ABC", 1, 1, 1, 3));
    EXPECT_EQ(p.placements[1], PlacementRecord::placed("EF", 2, 1, 3, 1));
    // Eight draws place the words; the eleven empty cells take one filler draw each (0 is A).
    EXPECT_EQ(rnd.draws, 8 + 11);
    EXPECT_EQ(gridLetters(p),
              "ABCA"
              "EAAA"
              "FAAA"
              "AAAA");
}

TEST(GeneratorPlacement, aScanTriesOnlyRowsFromEachColumnsOwnRandomStart) {
    Puzzle p;
    WindowState window = windowWith({"ABCD", "EF"}, 4, 4, 0);
    GenerationScratch scratch;
    FakeHost host;
    ScriptedRandom rnd({
        0.0f, 0.0f, 0.0f, 0.0f,  // ABCD: no reversal, down, column 1, row 1
        0.0f, 0.0f,              // EF: no reversal, down
        0.0f,                    // first column 1, whose rows all clash: it draws no row
        0.9f,                    // column 2 draws its own first row Int(0.9 x 2) + 1 = 2
    });
    ASSERT_EQ(createPuzzle(p, window, scratch, host, rnd), GenerateOutcome::Created);
    EXPECT_EQ(p.placements[0], PlacementRecord::placed("ABCD", 1, 1, 1, 4));
    EXPECT_EQ(p.placements[1], PlacementRecord::placed("EF", 2, 2, 2, 3));
    EXPECT_EQ(p.grid.letterAt(0, 1), "A");  // row 1 of column 2 was never tried: filler
    EXPECT_EQ(rnd.draws, 8 + 10);
}

TEST(GeneratorLists, aWordTypedTwiceIsPlacedTwiceButListedOnce) {
    Puzzle p;
    WindowState window = windowWith({"STOP", "POTS", "STOP", "SPOT"}, 12, 12, 2);
    GenerationScratch scratch;
    FakeHost host;
    SeededRandom rnd(21);
    ASSERT_EQ(createPuzzle(p, window, scratch, host, rnd), GenerateOutcome::Created);
    for (const PlacementRecord& r : p.placements) ASSERT_FALSE(r.empty());
    EXPECT_NE(p.placements[0], p.placements[2]);
    EXPECT_EQ(p.placements[1].word, "POTS");
    // POTS is STOP reversed: only the first of the two is listed.
    EXPECT_EQ(p.hiddenWords.items(), (std::vector<std::string>{"SPOT", "STOP"}));
}

TEST(GeneratorLists, theFirstOfAWordAndItsReverseIsTheOneListed) {
    Puzzle p;
    WindowState window = windowWith({"LIVE", "EVIL"}, 10, 10, 0);
    GenerationScratch scratch;
    FakeHost host;
    SeededRandom rnd(6);
    ASSERT_EQ(createPuzzle(p, window, scratch, host, rnd), GenerateOutcome::Created);
    EXPECT_EQ(p.hiddenWords.items(), std::vector<std::string>{"LIVE"});
    EXPECT_EQ(runLetters(p, p.placements[1]), "EVIL");
}
