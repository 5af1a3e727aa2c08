// The fast search against the literal reference: same start, same draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <random>
#include <sstream>

#include "GeneratorSupport.h"
#include "model/BitsetSearch.h"
#include "model/LiteralSearch.h"

using namespace lettermaze;
using namespace lettermaze::testing;

namespace {

// Words of random length and letters.
Words randomWords(std::mt19937& gen, int count, int shortest, int longest,
                  std::string_view alphabet) {
    Words words(static_cast<std::size_t>(count));
    for (std::string& w : words)
        for (w.resize(shortest + gen() % (longest - shortest + 1)); char& c : w)
            c = alphabet[gen() % alphabet.size()];
    return words;
}

// Whether text fits anywhere, either way round: draws of 0 make the literal scan try every start.
bool fitsAnywhere(PlacementSearch& literal, std::string text, int cols, int rows) {
    ScriptedRandom zero({});
    for (int turn = 0; turn < 2; ++turn, std::reverse(text.begin(), text.end()))
        for (const Direction d :
             {Direction::Down, Direction::Right, Direction::DownRight, Direction::DownLeft})
            if (fitsIn(d, static_cast<int>(text.size()), cols, rows) && literal.find(text, d, zero))
                return true;
    return false;
}

// Everything a generation made, as text: grid, records, list, decoys, attempts and draws; once
// drawn through Random, once through the generator's own inlined source. Either search must make
// the same.
void expectSameGenerations(const Words& words, int cols, int rows, int level, std::uint32_t seed) {
    std::ostringstream made[2];
    for (const SearchKind kind : {SearchKind::Bitset, SearchKind::Literal})
        for (const bool counted : {true, false}) {
            std::ostringstream& out = made[kind == SearchKind::Literal];
            Creation c(words, cols, rows, level);
            SeededRandom own(seed);
            ScriptedRandom counting(own);
            out << static_cast<int>(
                       c.run(counted ? static_cast<Random&>(counting) : own,
                             {.search = kind, .attemptTimeLimit = std::chrono::hours(1)}))
                << ' ' << gridLetters(c.p);
            for (const PlacementRecord& r : c.p.placements)
                out << ' ' << r.word.value_or("-") << r.x1.value_or(0) << ',' << r.y1.value_or(0)
                    << ',' << r.x2.value_or(0) << ',' << r.y2.value_or(0);
            for (const std::string& w : c.p.hiddenWords.items()) out << " listed " << w;
            for (const std::string& w : c.scratch.decoys) out << " decoy " << w;
            out << " attempts " << c.scratch.attemptsMade << " best " << c.scratch.bestAttempt
                << " draws " << counting.draws << '\n';
        }
    EXPECT_EQ(made[0].str(), made[1].str())
        << cols << "x" << rows << " level " << level << " seed " << seed;
}

}  // namespace

// Column 1 of the first board reads A . B C. Firsts: Int(0.3 x 4) + 1 = 2; DownLeft's column
// Int(0 x 2) + 3 = 3 and row Int(0.99 x 2) + 1 = 2; Right's row Int(0.5 x 5) + 1 = 3, where
// rows 3 and 4 clash and row 5 reads . A . .
TEST(PlacementSearch, bothSearchesFindDrawAndWriteAsTheScanRules) {
    // The rule a case pins; the board: its size, then its columns top to bottom, one after
    // another ('.' empty, the cells not given empty too); the text, its direction and the draws
    // given; where the text was found and after how many draws.
    // clang-format off
    const std::tuple<const char*, int, int, std::string, std::string, Direction, std::vector<float>,
                     std::optional<Spot>, int> cases[] = {
        {"a cell accepts its own letter or nothing", 2, 4, "A.BC", "AAB", Direction::Down, {0, 0}, Spot{1, 1}, 2},
        {"a column without a start draws no row", 2, 4, "A.BC", "CAB", Direction::Down, {0, 0, 0}, Spot{2, 1}, 2},
        {"columns left of the first are never tried", 4, 4, ".... AAAA AAAA AAAA", "BC", Direction::Down, {0.3f}, std::nullopt, 1},
        {"no start in range draws nothing", 4, 4, ".... AAAA AAAA AAAA", "BC", Direction::Right, {0.3f}, std::nullopt, 0},
        {"down-left starts at or right of its length", 5, 5, "", "ABC", Direction::DownLeft, {0, 0.99f}, Spot{3, 2}, 2},
        {"right runs may end on the last column", 3, 5, "AAAA. ....A", "BAC", Direction::Right, {0, 0.5f}, Spot{1, 5}, 2},
    };
    // clang-format on
    for (const auto& [rule, cols, rows, board, text, d, script, found, draws] : cases)
        for (const bool fast : {false, true}) {
            std::vector<GridCell> cells;
            for (const char c : board)
                if (c != ' ') cells.push_back(c == '.' ? kEmptyCell : cellOf(c));
            cells.resize(static_cast<std::size_t>(cols * rows), kEmptyCell);
            BitsetSearch bitset({'A', 'B', 'C'});
            LiteralSearch literal;
            PlacementSearch& search = fast ? static_cast<PlacementSearch&>(bitset) : literal;
            search.attach(cells, cols, rows);
            ScriptedRandom rnd(script), again(script), fresh(script);
            const std::optional<Spot> at = search.find(text, d, rnd);
            // Asked again before any write: the same answer.
            const std::optional<Spot> repeated = search.find(text, d, again);
            if (at) search.write(text, d, *at);
            std::string written;  // the cells of the run found, after writing there
            for (int i = 0; at && i < ssize(text); ++i)
                written +=
                    letterOf(cells[(at->x - 1 + stepX(d) * i) * rows + at->y - 1 + stepY(d) * i]);
            EXPECT_EQ(std::tuple(at, rnd.draws, repeated, again.draws, written),
                      std::tuple(found, draws, found, draws, at ? text : ""))
                << rule << (fast ? ", bitset" : ", literal");
            // A new grid owes nothing to what was found on the last one; the text fits an empty
            // one.
            std::vector<GridCell> empty(cells.size(), kEmptyCell);
            search.attach(empty, cols, rows);
            EXPECT_TRUE(search.find(text, d, fresh)) << rule << (fast ? ", bitset" : ", literal");
        }
}

// A grid taller than 64 rows, where runs straight down read the bitsets by rows: the last start
// row of every height of scan range is found, wherever it falls among a vector's rows, in the
// second block of columns. The first sixteen columns, a B every L rows, hold no start but use up
// the cell scan's budget.
TEST(PlacementSearch, straightDownATallGridTheLastStartRowIsFoundAtEveryHeight) {
    const int cols = 17, rows = 100;
    for (int lastRow = 1; lastRow <= 70; ++lastRow) {
        const int L = rows - lastRow + 1;
        std::vector<GridCell> cells(cols * rows, cellOf('C'));
        for (int x = 0; x < cols; ++x)
            for (int y = 0; y < rows; ++y)
                if (x < 16 ? (y + 1) % L == 0 : y + 1 < lastRow) cells[x * rows + y] = cellOf('B');
        for (const bool fast : {false, true}) {
            BitsetSearch bitset({'B', 'C'});
            LiteralSearch literal;
            PlacementSearch& search = fast ? static_cast<PlacementSearch&>(bitset) : literal;
            std::vector<GridCell> board = cells;
            search.attach(board, cols, rows);
            ScriptedRandom zero({});
            EXPECT_EQ(search.find(std::string(L, 'C'), Direction::Down, zero),
                      (Spot{cols, lastRow}))
                << "last start row " << lastRow << (fast ? ", bitset" : ", literal");
        }
    }
}

TEST(PlacementSearch, bitsetAndLiteralAgreeOnRandomBoardsOfEveryHeight) {
    std::mt19937 gen(12345);
    const int heights[] = {4, 5, 31, 63, 64, 65, 100, 127, 128, 129, 191, 192, 200};
    int found = 0, notFound = 0, nowhere = 0;
    for (int round = 0; round < 600; ++round) {
        const int rows = heights[round % std::size(heights)],
                  cols = 4 + static_cast<int>(gen() % 60);
        const double density = (gen() % 100) / 100.0;
        std::vector<GridCell> cells(static_cast<std::size_t>(cols * rows), kEmptyCell);
        for (GridCell& c : cells)
            if (gen() % 1000 < density * 1000) c = cellOf("AB"[gen() % 2]);
        std::vector<GridCell> copy = cells;
        LiteralSearch literal;
        BitsetSearch bitset({'A', 'B', 'C', 'D'});
        literal.attach(cells, cols, rows);
        bitset.attach(copy, cols, rows);
        // Several tries on one board, with writes in between: the same text again, turned
        // round, with another last letter, or a new one (C fits empty cells only, Z is not among
        // the search's letters).
        std::string text;
        for (int step = 0; step < 12; ++step) {
            const auto d = static_cast<Direction>(gen() % 4);
            const unsigned choice = gen() % 4;
            if (choice == 1)
                std::reverse(text.begin(), text.end());
            else if (choice == 3 && !text.empty())
                text.back() = "ABC"[gen() % 3];  // a near miss, as decoys are
            else if (choice == 2 || text.empty())
                text = randomWords(gen, 1, 2, 17, "ABCABCABCZ")[0];
            if (!fitsIn(d, static_cast<int>(text.size()), cols, rows)) continue;
            SCOPED_TRACE(::testing::Message() << "round " << round << '.' << step << ' ' << text);
            const SeededRandom source(static_cast<std::uint32_t>(gen()));
            ScriptedRandom r1(source), r2(source);
            const std::optional<Spot> a = literal.find(text, d, r1), b = bitset.find(text, d, r2);
            ASSERT_EQ(std::pair(a, r1.draws), std::pair(b, r2.draws));
            if (a && gen() % 2 == 0) {
                ++found, literal.write(text, d, *a), bitset.write(text, d, *a);
                ASSERT_EQ(cells, copy);
            } else if (!a) {
                ++notFound;
                // The search may not know, but what it knows is so.
                if (bitset.lastTextFitsNowhere()) {
                    ++nowhere;
                    ASSERT_FALSE(fitsAnywhere(literal, text, cols, rows));
                }
            }
        }
    }
    // Every outcome was exercised many times.
    EXPECT_TRUE(found > 300 && notFound > 300 && nowhere > 100)
        << found << " found, " << notFound << " not found, " << nowhere << " fitting nowhere";
}

TEST(PlacementSearch, wholeGenerationsAreTheSameWithEitherSearch) {
    const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::mt19937 gen(777);
    for (int round = 0; round < 160; ++round) {
        const int cols = 4 + static_cast<int>(gen() % 37), rows = 4 + static_cast<int>(gen() % 37);
        // Small alphabets make words cross and crowd; long words fail and force more attempts.
        const std::string alphabet = std::array{"AB", "ETAOIN", letters.c_str()}[round % 3];
        const int count = 1 + static_cast<int>(gen() % 40);
        const Words words = randomWords(gen, count, 2, 3 + static_cast<int>(gen() % 20), alphabet);
        expectSameGenerations(words, cols, rows, round % 10, static_cast<std::uint32_t>(gen()));
    }
    // Crowded grids, and heights across the 64-row words of the bitsets.
    expectSameGenerations(randomWords(gen, 60, 5, 12, "ETAOINSHRDLU"), 30, 30, 9, 1);
    expectSameGenerations(randomWords(gen, 40, 40, 70, letters), 70, 129, 9, 2);
    expectSameGenerations(randomWords(gen, 30, 60, 130, letters), 140, 200, 7, 3);
    expectSameGenerations(randomWords(gen, 80, 3, 9, "AB"), 12, 65, 8, 4);
}

TEST(PlacementSearch, skippingDrawsThatCannotMatterKeepsTheOddsOfEveryPlacement) {
    // Crowded enough that many columns hold no start; no word reads the same backwards.
    const Words words = {"LEMON", "PEAR", "FIG", "KIWI", "PLUM"};
    // Per word, the chi-square statistics of the ten levels' independent samples and their
    // degrees of freedom, summed.
    std::vector<double> statistic(words.size());
    std::vector<int> freedom(words.size());
    for (int level = 0; level <= 9; ++level) {
        // Per word, how often each place came up in each sample: its run's ends, as digits, and
        // whether it reads backwards; -2 for a word left out. Sample 0 when every column draws
        // its first row, sample 1 as now, from disjoint seeds so that the two are independent.
        std::vector<std::map<int, std::array<int, 2>>> tally(words.size());
        for (std::uint32_t n = 0; n < 1500; ++n)
            for (const SearchKind kind : {SearchKind::LiteralEveryColumn, SearchKind::Bitset}) {
                const int sample = kind == SearchKind::Bitset;
                Creation c(words, 6, 6, level);
                const std::uint32_t seed = 100000 * level + n + 50000 * sample;
                EXPECT_EQ(c.run(seed, {.search = kind}), GenerateOutcome::Created);
                for (std::size_t k = 0; k < words.size(); ++k) {
                    const PlacementRecord& r = c.p.placements[k];
                    const bool backwards = !r.empty() && runLetters(c.p, r) != *r.word;
                    const double ends =
                        r.empty() ? -1 : *r.x1 * 1000 + *r.y1 * 100 + *r.x2 * 10 + *r.y2;
                    ++tally[k][static_cast<int>(ends) * 2 + backwards][sample];
                }
            }
        // Chi-square test of homogeneity for two samples of equal size; places too rare for
        // the test share one bin, -3.
        for (std::size_t k = 0; k < words.size(); ++k) {
            std::map<int, std::array<int, 2>> bins;
            for (const auto& [place, c] : tally[k])
                for (const int s : {0, 1}) bins[c[0] + c[1] >= 20 ? place : -3][s] += c[s];
            for (const auto& [place, c] : bins)
                statistic[k] += std::pow(c[0] - c[1], 2) / (c[0] + c[1]);
            freedom[k] += static_cast<int>(bins.size()) - 1;
        }
    }
    for (std::size_t k = 0; k < words.size(); ++k) {
        ASSERT_GT(freedom[k], 100);
        // Wilson and Hilferty's normal approximation of the statistic: far out in the tail (z of
        // 5 is a chance of 3 in 10 million) it is close enough.
        const double n = 9.0 * freedom[k] / 2.0;
        EXPECT_LT((std::cbrt(statistic[k] / freedom[k]) - (1.0 - 1.0 / n)) * std::sqrt(n), 5.0)
            << words[k] << ": chi-square " << statistic[k] << " with " << freedom[k]
            << " degrees of freedom";
    }
}
