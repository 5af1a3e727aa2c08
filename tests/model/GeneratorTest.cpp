#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "GeneratorSupport.h"
#include "fakes/ScriptedRandom.h"
#include "model/Text1252.h"

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
        Puzzle p = puzzleWith({"CAT", "DOG"}, 10, 10, 3);
        p.Textm = c.text;
        FakeHost host;
        SeededRandom rnd(1);
        const GenerateOutcome outcome = CommandGo_Click(p, host, rnd);
        EXPECT_EQ(outcome, c.accepted ? GenerateOutcome::Created : GenerateOutcome::BadSize);
        EXPECT_EQ(host.beeps, c.accepted ? 0 : 1);
        EXPECT_EQ(p.FG.Visible, c.accepted);
        EXPECT_EQ(p.GridCols, c.value);
        EXPECT_EQ(host.busyOn, 1);
        EXPECT_EQ(host.busyOff, 1);
        EXPECT_FALSE(host.busy);
        if (c.accepted) {
            EXPECT_EQ(p.FG.Cols(), c.value);
        }
    }
}

TEST(GeneratorSize, aBadRowCountIsRefusedLikeABadColumnCount) {
    Puzzle p = puzzleWith({"CAT", "DOG"}, 10, 3, 3);
    FakeHost host;
    SeededRandom rnd(1);
    EXPECT_EQ(CommandGo_Click(p, host, rnd), GenerateOutcome::BadSize);
    EXPECT_EQ(host.beeps, 1);
    EXPECT_EQ(p.GridRows, 3);
}

TEST(GeneratorSize, aRefusedClickHidesTheGridButKeepsTheLastPuzzlesListsAndRecords) {
    Puzzle p = puzzleWith(kAnimals, 12, 12, 3);
    FakeHost host;
    SeededRandom rnd(5);
    ASSERT_EQ(CommandGo_Click(p, host, rnd), GenerateOutcome::Created);
    const auto listed = p.ListW.items();
    const PlacementList records = p.Placements;
    p.Textn = "201";
    EXPECT_EQ(CommandGo_Click(p, host, rnd), GenerateOutcome::BadSize);
    EXPECT_FALSE(p.FG.Visible);
    EXPECT_EQ(p.ListW.items(), listed);
    EXPECT_EQ(p.Placements, records);
    EXPECT_TRUE(p.GridActive);
}

TEST(GeneratorStops, noLineBreakNoWordOrOneLetterOnlyStopSilently) {
    for (const std::string text : {"CAT", "A\r\nB\r\n", "AA\r\nAAA\r\n"}) {
        SCOPED_TRACE(text);
        Puzzle p;
        p.WordList = text;
        FakeHost host;
        SeededRandom rnd(1);
        EXPECT_EQ(CommandGo_Click(p, host, rnd), GenerateOutcome::NothingToPlace);
        EXPECT_EQ(host.beeps, 0);
        EXPECT_TRUE(host.messages.empty());
        EXPECT_FALSE(p.FG.Visible);
        EXPECT_FALSE(host.busy);
        EXPECT_FALSE(p.GridActive);
    }
    Puzzle p;
    p.WordList = "AA\r\nAAA\r\n";
    FakeHost host;
    SeededRandom rnd(1);
    CommandGo_Click(p, host, rnd);
    EXPECT_TRUE(p.AllSameLetter);
}

TEST(GeneratorResult, leavesEveryCellOneWhiteLetterAnEmptyFoundListAndFreshCaptions) {
    Puzzle p = puzzleWith(kAnimals, 15, 11, 9);
    p.ListF.AddItem("OLD");
    p.ListW.AddItem("STALE");
    p.FG.setRows(3);
    p.FG.setCols(3);
    p.FG.setBackColor(1, 1, 255);
    FakeHost host;
    SeededRandom rnd(3);
    ASSERT_EQ(CommandGo_Click(p, host, rnd), GenerateOutcome::Created);
    EXPECT_EQ(p.FG.Rows(), 11);
    EXPECT_EQ(p.FG.Cols(), 15);
    for (int r = 0; r < 11; ++r)
        for (int c = 0; c < 15; ++c) {
            EXPECT_EQ(p.FG.TextMatrix(r, c).size(), 1u);
            EXPECT_EQ(p.FG.backColor(r, c), kWhite);
        }
    EXPECT_EQ(p.ListF.ListCount(), 0);
    EXPECT_FALSE(std::count(p.ListW.items().begin(), p.ListW.items().end(), "STALE"));
    EXPECT_EQ(p.LabelF, "Found (0)");
    EXPECT_EQ(p.LabelH, "Hidden (" + std::to_string(p.ListW.ListCount()) + ")");
    EXPECT_TRUE(p.GridActive);
    EXPECT_TRUE(p.FG.Visible);
    // The last cell written is the current one.
    EXPECT_EQ(p.FG.Row(), 10);
    EXPECT_EQ(p.FG.Col(), 14);
}

TEST(GeneratorResult, theGridIsFittedToTheWindow) {
    Puzzle p = puzzleWith({"CAT", "DOG"}, 4, 4, 0);
    p.FG.RowHeight = 255;
    FakeHost host;
    SeededRandom rnd(2);
    ASSERT_EQ(CommandGo_Click(p, host, rnd), GenerateOutcome::Created);
    EXPECT_EQ(p.FG.ScrollBars, 0);
    EXPECT_EQ(p.FG.Width, 1200);
    EXPECT_EQ(p.FG.Height, 4 * 255);
    EXPECT_EQ(p.FG.ColWidth, 300);
}

TEST(GeneratorResult, everyRecordSpellsItsWordOrItsReverseAtEveryLevel) {
    const std::vector<std::string> words = {"ANT",    "TAN",  "NAT",  "ANTE",   "NEAT",
                                            "TENANT", "ETNA", "TEAT", "NATANT", "ATE"};
    int crossings = 0;
    for (int level = 0; level <= 9; ++level)
        for (std::uint32_t seed = 1; seed <= 20; ++seed) {
            SCOPED_TRACE(::testing::Message() << "level " << level << " seed " << seed);
            Puzzle p = puzzleWith(words, 7, 6, level);
            FakeHost host;
            SeededRandom rnd(seed);
            ASSERT_EQ(CommandGo_Click(p, host, rnd), GenerateOutcome::Created);
            ASSERT_EQ(p.Placements.size(), words.size());
            std::vector<int> used(7 * 6, 0);
            for (std::size_t k = 0; k < words.size(); ++k) {
                const PlacementRecord& r = p.Placements[k];
                if (r.empty()) continue;
                ASSERT_EQ(*r.word, words[k]);
                const std::string run = runLetters(p, r);
                EXPECT_TRUE(run == words[k] || run == Reverse(words[k])) << run;
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
    Puzzle p = puzzleWith(kAnimals, 20, 20, 5);
    FakeHost host;
    SeededRandom rnd(11);
    ASSERT_EQ(CommandGo_Click(p, host, rnd), GenerateOutcome::Created);
    EXPECT_EQ(p.scratch.AttemptsMade, 1);
    EXPECT_EQ(p.scratch.BestAttempt, 1);
    for (const PlacementRecord& r : p.Placements) EXPECT_FALSE(r.empty());
    ASSERT_EQ(p.scratch.TrialPlacements.size(), 21u);
    for (const PlacementRecord& r : p.scratch.TrialPlacements[0]) EXPECT_TRUE(r.empty());
    for (const PlacementRecord& r : p.scratch.TrialPlacements[2]) EXPECT_TRUE(r.empty());
}

TEST(GeneratorAttempts, aWordThatNeverFitsMakesTwentyAttemptsAndIsLeftOut) {
    Puzzle p = puzzleWith({"CAT", "HIPPOPOTAMUS", "DOG"}, 6, 6, 2);
    FakeHost host;
    SeededRandom rnd(4);
    ASSERT_EQ(CommandGo_Click(p, host, rnd), GenerateOutcome::Created);
    EXPECT_EQ(p.scratch.AttemptsMade, 20);
    EXPECT_EQ(p.scratch.BestAttempt, 1);  // every attempt places two words; ties keep the first
    EXPECT_TRUE(p.Placements[1].empty());
    EXPECT_FALSE(p.Placements[0].empty());
    EXPECT_EQ(p.ListW.items(), (std::vector<std::string>{"CAT", "DOG"}));
}

TEST(GeneratorAttempts, anAttemptOverTheTimeLimitEndsTheSeries) {
    Puzzle p = puzzleWith({"CAT", "HIPPOPOTAMUS", "DOG"}, 6, 6, 2);
    FakeHost host;
    SeededRandom rnd(4);
    GenerateOptions options;
    options.attemptTimeLimit = std::chrono::nanoseconds(-1);
    ASSERT_EQ(CommandGo_Click(p, host, rnd, options), GenerateOutcome::Created);
    EXPECT_EQ(p.scratch.AttemptsMade, 1);
}

TEST(GeneratorAttempts, whenNoWordFitsAnywhereTheGridIsAllFillerWithNothingListed) {
    Puzzle p = puzzleWith({"ELEPHANT", "GIRAFFES"}, 4, 4, 9);
    FakeHost host;
    SeededRandom rnd(8);
    ASSERT_EQ(CommandGo_Click(p, host, rnd), GenerateOutcome::Created);
    EXPECT_EQ(p.scratch.BestAttempt, 0);
    EXPECT_EQ(p.scratch.AttemptsMade, 20);
    EXPECT_TRUE(p.scratch.Decoys.empty());
    EXPECT_EQ(p.ListW.ListCount(), 0);
    ASSERT_EQ(p.Placements.size(), 2u);
    EXPECT_TRUE(p.Placements[0].empty() && p.Placements[1].empty());
    EXPECT_TRUE(p.GridActive);
    EXPECT_TRUE(p.FG.Visible);
    EXPECT_EQ(gridLetters(p).size(), 16u);
    EXPECT_EQ(p.LabelH, "Hidden");  // both lists empty: no counts
}

TEST(GeneratorPlacement, aWordAsLongAsTheGridIsWideOnlyGoesRightFromColumnOne) {
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        Puzzle p = puzzleWith({"CROCODILES", "ANT"}, 10, 6, 9);
        FakeHost host;
        SeededRandom rnd(seed);
        ASSERT_EQ(CommandGo_Click(p, host, rnd), GenerateOutcome::Created);
        const PlacementRecord& r = p.Placements[0];
        ASSERT_FALSE(r.empty());
        EXPECT_EQ(*r.x1, 1);
        EXPECT_EQ(*r.x2, 10);
        EXPECT_EQ(*r.y1, *r.y2);
    }
}

TEST(GeneratorPlacement, scriptedDrawsPlaceTheWordsWhereTheScansFindRoom) {
    // Level 0: no reversal (R < 0 never holds), r <= 0.5 goes down, r > 0.5 goes right.
    Puzzle p = puzzleWith({"ABC", "EF"}, 4, 4, 0);
    FakeHost host;
    ScriptedRandom rnd({
        0.0f, 0.0f,  // ABC: no reversal, down
        0.0f,        // first column Int(0 x 4) + 1 = 1
        0.99f,       // its first row Int(0.99 x (4 - 3)) + 1 = 1
        0.0f, 0.9f,  // EF: no reversal, right
        0.5f,        // first column Int(0.5 x (4 - 2)) + 1 = 2
        0.0f,        // its first row 1, which is free in columns 2 and 3
    });
    ASSERT_EQ(CommandGo_Click(p, host, rnd), GenerateOutcome::Created);
    EXPECT_EQ(p.Placements[0], PlacementRecord::placed("ABC", 1, 1, 1, 3));
    EXPECT_EQ(p.Placements[1], PlacementRecord::placed("EF", 2, 1, 3, 1));
    // Eight draws place the words; the eleven empty cells take one filler draw each (0 is A).
    EXPECT_EQ(rnd.draws, 8 + 11);
    EXPECT_EQ(gridLetters(p),
              "ABCA"
              "EAAA"
              "FAAA"
              "AAAA");
}

TEST(GeneratorPlacement, aScanTriesOnlyRowsFromEachColumnsOwnRandomStart) {
    Puzzle p = puzzleWith({"ABCD", "EF"}, 4, 4, 0);
    FakeHost host;
    ScriptedRandom rnd({
        0.0f, 0.0f, 0.0f, 0.0f,  // ABCD: no reversal, down, column 1, row 1
        0.0f, 0.0f,              // EF: no reversal, down
        0.0f,                    // first column 1, whose rows all clash: it draws no row
        0.9f,                    // column 2 draws its own first row Int(0.9 x 2) + 1 = 2
    });
    ASSERT_EQ(CommandGo_Click(p, host, rnd), GenerateOutcome::Created);
    EXPECT_EQ(p.Placements[0], PlacementRecord::placed("ABCD", 1, 1, 1, 4));
    EXPECT_EQ(p.Placements[1], PlacementRecord::placed("EF", 2, 2, 2, 3));
    EXPECT_EQ(p.FG.TextMatrix(0, 1), "A");  // row 1 of column 2 was never tried: filler
    EXPECT_EQ(rnd.draws, 8 + 10);
}

TEST(GeneratorLists, aWordTypedTwiceIsPlacedTwiceButListedOnce) {
    Puzzle p = puzzleWith({"STOP", "POTS", "STOP", "SPOT"}, 12, 12, 2);
    FakeHost host;
    SeededRandom rnd(21);
    ASSERT_EQ(CommandGo_Click(p, host, rnd), GenerateOutcome::Created);
    for (const PlacementRecord& r : p.Placements) ASSERT_FALSE(r.empty());
    EXPECT_NE(p.Placements[0], p.Placements[2]);
    EXPECT_EQ(p.Placements[1].word, "POTS");
    // POTS is STOP reversed: only the first of the two is listed.
    EXPECT_EQ(p.ListW.items(), (std::vector<std::string>{"SPOT", "STOP"}));
}

TEST(GeneratorLists, theFirstOfAWordAndItsReverseIsTheOneListed) {
    Puzzle p = puzzleWith({"LIVE", "EVIL"}, 10, 10, 0);
    FakeHost host;
    SeededRandom rnd(6);
    ASSERT_EQ(CommandGo_Click(p, host, rnd), GenerateOutcome::Created);
    EXPECT_EQ(p.ListW.items(), std::vector<std::string>{"LIVE"});
    EXPECT_EQ(runLetters(p, p.Placements[1]), "EVIL");
}
