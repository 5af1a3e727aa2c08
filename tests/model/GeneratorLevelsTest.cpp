#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <set>

#include "GeneratorSupport.h"
#include "fakes/ScriptedRandom.h"
#include "model/Attempts.h"
#include "model/Decoys.h"
#include "model/LevelRules.h"
#include "model/Text1252.h"
#include "model/Puzzle.h"
#include "model/WindowState.h"
#include "model/GenerationScratch.h"

using namespace lettermaze;
using namespace lettermaze::testing;

namespace {

// No palindromes, so a run read from the grid tells whether the word was turned round.
const std::vector<std::string> kShortWords = {"CAT",  "DOG",  "BIRD", "FISH",
                                              "WOLF", "BEAR", "LION", "MOTH"};

struct Tally {
    std::array<int, 4> directions{};  // Down, Right, DownRight, DownLeft
    int reversed = 0;
    int placed = 0;
    double share(Direction d) const {
        return static_cast<double>(directions[static_cast<std::size_t>(d)]) / placed;
    }
};

Tally tallyLevel(int level, int puzzles) {
    Tally t;
    for (int n = 0; n < puzzles; ++n) {
        Puzzle p;
        WindowState window = windowWith(kShortWords, 30, 30, level);
        GenerationScratch scratch;
        FakeHost host;
        SeededRandom rnd(static_cast<std::uint32_t>(1000 * level + n));
        EXPECT_EQ(createPuzzle(p, window, scratch, host, rnd), GenerateOutcome::Created);
        for (const PlacementRecord& r : p.placements) {
            if (r.empty()) continue;
            ++t.placed;
            ++t.directions[static_cast<std::size_t>(recordDirection(r))];
            if (runLetters(p, r) != *r.word) ++t.reversed;
        }
    }
    return t;
}

bool spelledInGrid(const Puzzle& p, const std::string& text) {
    const int cols = p.grid.columnCount(), rows = p.grid.rowCount(), L = static_cast<int>(text.size());
    const std::string back = reverseText(text);
    for (Direction d :
         {Direction::Down, Direction::Right, Direction::DownRight, Direction::DownLeft})
        for (int x = 0; x < cols; ++x)
            for (int y = 0; y < rows; ++y) {
                const int xe = x + stepX(d) * (L - 1), ye = y + stepY(d) * (L - 1);
                if (xe < 0 || xe >= cols || ye >= rows) continue;
                std::string run;
                for (int i = 0; i < L; ++i)
                    run += p.grid.letterAt(y + stepY(d) * i, x + stepX(d) * i);
                if (run == text || run == back) return true;
            }
    return false;
}

}  // namespace

TEST(GeneratorLevels, directionSharesAndReversalRatesFollowTheLevelTable) {
    for (int level = 0; level <= 9; ++level) {
        SCOPED_TRACE(::testing::Message() << "level " << level);
        const LevelRules rules = levelRules(level);
        const Tally t = tallyLevel(level, 250);
        ASSERT_GT(t.placed, 1900);
        const double q = rules.diagonalShare;
        EXPECT_NEAR(t.share(Direction::Right), 0.5 - q, 0.035);
        EXPECT_NEAR(t.share(Direction::Down), 0.5 - q, 0.035);
        EXPECT_NEAR(t.share(Direction::DownRight), q, 0.035);
        EXPECT_NEAR(t.share(Direction::DownLeft), q, 0.035);
        EXPECT_NEAR(static_cast<double>(t.reversed) / t.placed, rules.reverseChance, 0.035);
        if (level <= 1) {
            EXPECT_EQ(t.directions[static_cast<std::size_t>(Direction::DownRight)], 0);
            EXPECT_EQ(t.directions[static_cast<std::size_t>(Direction::DownLeft)], 0);
        }
        if (level == 0) {
            EXPECT_EQ(t.reversed, 0);
        }
    }
}

TEST(GeneratorLevels, theTableGivesTheListedOddsDecoysAndFillerAndClampsTheSlider) {
    EXPECT_EQ(levelRules(0).reverseChance, 0.0f);
    EXPECT_EQ(levelRules(2).reverseChance, 0.14f);
    EXPECT_EQ(levelRules(2).diagonalShare, 0.08f);
    EXPECT_EQ(levelRules(6).reverseChance, 0.25f);
    EXPECT_EQ(levelRules(6).diagonalShare, 0.18f);
    EXPECT_EQ(levelRules(9).reverseChance, 0.4f);
    EXPECT_EQ(levelRules(9).diagonalShare, 0.3f);
    const std::array<int, 10> decoys = {0, 0, 0, 0, 1, 3, 5, 7, 9, 11};
    const std::array<bool, 10> pool = {false, false, false, true, false,
                                       true,  true,  true,  true, true};
    for (int level = 0; level <= 9; ++level) {
        EXPECT_EQ(levelRules(level).decoysPerWord, decoys[static_cast<std::size_t>(level)]);
        EXPECT_EQ(levelRules(level).fillerFromPool, pool[static_cast<std::size_t>(level)]);
    }
    EXPECT_EQ(levelRules(14).decoysPerWord, 11);
    EXPECT_EQ(levelRules(-2).reverseChance, 0.0f);
}

TEST(GeneratorLevels, directionThresholdsAreComparedInSinglePrecision) {
    const float q = 0.08f;
    const float right = 0.5f + q;
    EXPECT_EQ(wordDirection(right, q), Direction::DownLeft);
    EXPECT_EQ(wordDirection(std::nextafter(right, 1.0f), q), Direction::Right);
    EXPECT_EQ(wordDirection(0.5f, q), Direction::DownRight);
    EXPECT_EQ(wordDirection(std::nextafter(0.5f, 1.0f), q), Direction::DownLeft);
    EXPECT_EQ(wordDirection(0.5f - q, q), Direction::Down);
    EXPECT_EQ(wordDirection(std::nextafter(0.5f - q, 1.0f), q), Direction::DownRight);
    EXPECT_EQ(wordDirection(0.5f, 0.0f), Direction::Down);
    EXPECT_EQ(wordDirection(std::nextafter(0.5f, 1.0f), 0.0f), Direction::Right);
}

TEST(GeneratorDecoys, belowLevelFourThereAreNone) {
    for (int level = 0; level <= 3; ++level) {
        Puzzle p;
        WindowState window = windowWith(kShortWords, 20, 20, level);
        GenerationScratch scratch;
        FakeHost host;
        SeededRandom rnd(static_cast<std::uint32_t>(level + 1));
        ASSERT_EQ(createPuzzle(p, window, scratch, host, rnd), GenerateOutcome::Created);
        EXPECT_TRUE(scratch.decoys.empty());
    }
}

TEST(GeneratorDecoys, eachIsAPrefixOfAWordFollowedByADifferentLetter) {
    const std::vector<std::string> words = {"OX", "PARROT", "CAMEL", "OWL", "HEDGEHOG"};
    for (int level = 4; level <= 9; ++level) {
        SCOPED_TRACE(::testing::Message() << "level " << level);
        Puzzle p;
        WindowState window = windowWith(words, 30, 30, level);
        GenerationScratch scratch;
        FakeHost host;
        SeededRandom rnd(static_cast<std::uint32_t>(70 + level));
        ASSERT_EQ(createPuzzle(p, window, scratch, host, rnd), GenerateOutcome::Created);
        const auto& decoys = scratch.decoys;
        // OX is too short to yield any.
        EXPECT_EQ(decoys.size(), static_cast<std::size_t>(4 * ((level - 4) * 2 + 1)));
        std::map<std::string, int> perWord;
        int inGrid = 0;
        for (const std::string& d : decoys) {
            const std::size_t j = d.size() - 1;
            EXPECT_GE(j, 2u);
            bool shaped = false;
            for (const std::string& w : words)
                if (w.size() > 2 && j < w.size() && w.compare(0, j, d, 0, j) == 0 && w[j] != d[j]) {
                    shaped = true;
                    ++perWord[w];
                }
            EXPECT_TRUE(shaped) << d;
            if (spelledInGrid(p, d)) ++inGrid;
        }
        for (const auto& [w, n] : perWord) EXPECT_GE(n, (level - 4) * 2 + 1) << w;
        // In a roomy grid nearly every decoy finds room and stays readable.
        EXPECT_GE(inGrid * 10, static_cast<int>(decoys.size()) * 9);
        for (std::size_t k = 0; k < words.size(); ++k) {
            ASSERT_FALSE(p.placements[k].empty());
            const std::string run = runLetters(p, p.placements[k]);
            EXPECT_TRUE(run == words[k] || run == reverseText(words[k]));
        }
    }
}

TEST(GeneratorDecoys, goIntoTheWinningAttemptsGridWhenLaterAttemptsFollowedIt) {
    // HIPPOPOTAMUSES never fits, so all twenty attempts run and the first one wins.
    const std::vector<std::string> words = {"CAMEL", "HIPPOPOTAMUSES", "PARROT", "OWL"};
    Puzzle p;
    WindowState window = windowWith(words, 12, 12, 6);
    GenerationScratch scratch;
    FakeHost host;
    SeededRandom rnd(90);
    ASSERT_EQ(createPuzzle(p, window, scratch, host, rnd), GenerateOutcome::Created);
    ASSERT_EQ(scratch.attemptsMade, 20);
    ASSERT_LT(scratch.bestAttempt, 20);
    int shortDecoys = 0, inGrid = 0;
    for (const std::string& d : scratch.decoys) {
        if (d.size() > 6) continue;  // the long word's decoys may find no room
        ++shortDecoys;
        if (spelledInGrid(p, d)) ++inGrid;
    }
    EXPECT_GE(shortDecoys, 10);
    EXPECT_GE(inGrid * 10, shortDecoys * 9);
    for (std::size_t k : {0u, 2u, 3u}) {
        const std::string run = runLetters(p, p.placements[k]);
        EXPECT_TRUE(run == words[k] || run == reverseText(words[k]));
    }
}

TEST(GeneratorDecoys, theWrongLetterIsRedrawnUntilItDiffers) {
    ScriptedRandom rnd({
        0.0f,        // the only word, CAT
        0.0f,        // j = Int(0 x 1) + 2 = 2
        0.9f, 0.0f,  // pool letter 3 is T, the word's own third letter; then C
        0.5f,        // j = 2 again
        0.4f,        // pool letter 2, A
    });
    const auto decoys = makeDecoys({"CAT"}, {'C', 'A', 'T'}, 2, rnd);
    EXPECT_EQ(decoys, (std::vector<std::string>{"CAC", "CAA"}));
    EXPECT_EQ(rnd.draws, 6);
}

TEST(GeneratorFiller, comesFromTheLetterPoolOnLevelThreeAndFiveToNine) {
    const std::vector<std::string> words = {"QXQ", "XQQX", "QQX"};
    for (int level = 0; level <= 9; ++level) {
        SCOPED_TRACE(::testing::Message() << "level " << level);
        Puzzle p;
        WindowState window = windowWith(words, 20, 20, level);
        GenerationScratch scratch;
        FakeHost host;
        SeededRandom rnd(static_cast<std::uint32_t>(level + 40));
        ASSERT_EQ(createPuzzle(p, window, scratch, host, rnd), GenerateOutcome::Created);
        const std::string letters = gridLetters(p);
        ASSERT_EQ(letters.size(), 400u);
        const std::set<char> distinct(letters.begin(), letters.end());
        if (level == 3 || level >= 5) {
            EXPECT_EQ(distinct, (std::set<char>{'Q', 'X'}));
        } else {
            // 400 cells of A to Z: every letter turns up.
            EXPECT_EQ(distinct.size(), 26u);
        }
    }
}
