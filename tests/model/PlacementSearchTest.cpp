// The fast search against the literal reference: same start, same draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <random>
#include <sstream>

#include "GeneratorSupport.h"
#include "fakes/ScriptedRandom.h"
#include "model/BitsetSearch.h"
#include "model/GenerationScratch.h"
#include "model/LiteralSearch.h"

using namespace lettermaze;
using namespace lettermaze::testing;

namespace {

// A cols x rows board, column-major, with the given columns' cells written ('.' stays empty).
std::vector<GridCell> board(int cols, int rows, const std::vector<std::string>& columns) {
    std::vector<GridCell> cells(static_cast<std::size_t>(cols * rows), kEmptyCell);
    for (std::size_t x = 0; x < columns.size(); ++x)
        for (std::size_t y = 0; y < columns[x].size(); ++y)
            if (columns[x][y] != '.') cells[x * rows + y] = cellOf(columns[x][y]);
    return cells;
}

struct ScanCase {
    const char* rule;
    int cols, rows;
    std::vector<std::string> columns;
    const char* text;
    Direction d;
    std::vector<float> script;
    std::optional<Spot> found;
    int draws;
};

// Column 1 of the first board reads A . B C. Firsts: Int(0.3 x 4) + 1 = 2; DownLeft's column
// Int(0 x 2) + 3 = 3 and row Int(0.99 x 2) + 1 = 2; Right's row Int(0.5 x 5) + 1 = 3, where
// rows 3 and 4 clash and row 5 reads . A . .
// clang-format off
const ScanCase kScanCases[] = {
    {"aCellAcceptsItsOwnLetterOrNothing", 2, 4, {"A.BC", "...."}, "AAB", Direction::Down, {0, 0}, Spot{1, 1}, 2},
    {"aColumnWithoutAStartDrawsNoRow", 2, 4, {"A.BC", "...."}, "CAB", Direction::Down, {0, 0, 0}, Spot{2, 1}, 2},
    {"columnsLeftOfTheFirstAreNeverTried", 4, 4, {"....", "AAAA", "AAAA", "AAAA"}, "BC", Direction::Down, {0.3f}, std::nullopt, 1},
    {"noStartInRangeDrawsNothing", 4, 4, {"....", "AAAA", "AAAA", "AAAA"}, "BC", Direction::Right, {0.3f}, std::nullopt, 0},
    {"downLeftStartsAtOrRightOfItsLength", 5, 5, {}, "ABC", Direction::DownLeft, {0, 0.99f}, Spot{3, 2}, 2},
    {"rightRunsMayEndOnTheLastColumn", 3, 5, {"AAAA.", "....A", "....."}, "BAC", Direction::Right, {0, 0.5f}, Spot{1, 5}, 2},
};
// clang-format on

void PrintTo(const ScanCase& c, std::ostream* out) {
    *out << c.rule;
}

class BothSearches : public ::testing::TestWithParam<std::tuple<ScanCase, bool>> {};

}  // namespace

TEST_P(BothSearches, findsAndWritesAsTheScanRules) {
    const auto& [c, fast] = GetParam();
    auto cells = board(c.cols, c.rows, c.columns);
    BitsetSearch bitset({'A', 'B', 'C'});
    LiteralSearch literal;
    PlacementSearch* search = fast ? static_cast<PlacementSearch*>(&bitset) : &literal;
    search->attach(cells, c.cols, c.rows);
    ScriptedRandom rnd(c.script);
    const std::optional<Spot> at = search->find(c.text, c.d, rnd);
    EXPECT_EQ(at, c.found);
    EXPECT_EQ(rnd.draws, c.draws);
    if (!at) return;
    search->write(c.text, c.d, *at);
    const std::string text = c.text;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int x = at->x - 1 + stepX(c.d) * static_cast<int>(i);
        const int y = at->y - 1 + stepY(c.d) * static_cast<int>(i);
        EXPECT_EQ(cells[static_cast<std::size_t>(x * c.rows + y)], cellOf(text[i])) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Rules, BothSearches,
                         ::testing::Combine(::testing::ValuesIn(kScanCases), ::testing::Bool()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).rule) +
                                    (std::get<1>(info.param) ? "_bitset" : "_literal");
                         });

namespace {

// Whether text fits anywhere, either way round: draws of 0 make the literal scan try every start.
bool fitsAnywhere(PlacementSearch& literal, std::string text, int cols, int rows) {
    for (int turn = 0; turn < 2; ++turn, std::reverse(text.begin(), text.end()))
        for (int n = 0; n < 4; ++n) {
            ScriptedRandom zero({});
            const auto d = static_cast<Direction>(n);
            if (fitsIn(d, static_cast<int>(text.size()), cols, rows) && literal.find(text, d, zero))
                return true;
        }
    return false;
}

}  // namespace

TEST(PlacementSearch, bitsetAndLiteralAgreeOnRandomBoardsOfEveryHeight) {
    std::mt19937 gen(12345);
    const std::vector<int> heights = {4, 5, 31, 63, 64, 65, 100, 127, 128, 129, 191, 192, 200};
    int found = 0, notFound = 0, nowhere = 0;
    for (int round = 0; round < 600; ++round) {
        const int rows = heights[static_cast<std::size_t>(round) % heights.size()];
        const int cols = 4 + static_cast<int>(gen() % 60);
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
            if (choice == 1) {
                std::reverse(text.begin(), text.end());
            } else if (choice == 3 && !text.empty()) {
                text.back() = "ABC"[gen() % 3];  // a near miss, as decoys are
            } else if (choice == 2 || text.empty()) {
                text.resize(2 + gen() % 16);
                for (char& c : text) c = "ABCABCABCZ"[gen() % 10];
            }
            if (!fitsIn(d, static_cast<int>(text.size()), cols, rows)) continue;
            const auto seed = static_cast<std::uint32_t>(gen());
            CountingRandom r1(seed), r2(seed);
            const std::optional<Spot> a = literal.find(text, d, r1);
            const std::optional<Spot> b = bitset.find(text, d, r2);
            ASSERT_EQ(a, b) << "round " << round << " step " << step << " text " << text;
            ASSERT_EQ(r1.draws, r2.draws) << "round " << round << " step " << step;
            if (a && gen() % 2 == 0) {
                ++found;
                literal.write(text, d, *a);
                bitset.write(text, d, *b);
                ASSERT_EQ(cells, copy);
            } else if (!a) {
                ++notFound;
                // The search may not know, but what it knows is so.
                if (bitset.lastTextFitsNowhere()) {
                    ++nowhere;
                    ASSERT_FALSE(fitsAnywhere(literal, text, cols, rows))
                        << "round " << round << " step " << step << " text " << text;
                }
            }
        }
    }
    // Every outcome was exercised many times.
    EXPECT_GT(found, 300);
    EXPECT_GT(notFound, 300);
    EXPECT_GT(nowhere, 100);
}

namespace {

// Everything a generation made, as text: grid, records, list, decoys, attempts and draws.
std::string generate(const std::vector<std::string>& words, int cols, int rows, int level,
                     std::uint32_t seed, SearchKind kind, bool counted) {
    Puzzle p;
    WindowState window = windowWith(words, cols, rows, level);
    GenerationScratch scratch;
    FakeHost host;
    CountingRandom counting(seed);
    SeededRandom own(seed);
    GenerateOptions options{.search = kind, .attemptTimeLimit = std::chrono::hours(1)};
    Random& rnd = counted ? static_cast<Random&>(counting) : own;
    std::ostringstream out;
    out << static_cast<int>(createPuzzle(p, window, scratch, host, rnd, options)) << ' '
        << gridLetters(p);
    for (const PlacementRecord& r : p.placements)
        out << ' ' << r.word.value_or("-") << r.x1.value_or(0) << ',' << r.y1.value_or(0) << ','
            << r.x2.value_or(0) << ',' << r.y2.value_or(0);
    for (const std::string& w : p.hiddenWords.items()) out << " listed " << w;
    for (const std::string& w : scratch.decoys) out << " decoy " << w;
    out << " attempts " << scratch.attemptsMade << " best " << scratch.bestAttempt;
    if (counted) out << " draws " << counting.draws;
    return out.str();
}

void expectSameGeneration(const std::vector<std::string>& words, int cols, int rows, int level,
                          std::uint32_t seed) {
    SCOPED_TRACE(::testing::Message() << cols << "x" << rows << " level " << level << " seed "
                                      << seed << " words " << words.size());
    EXPECT_EQ(generate(words, cols, rows, level, seed, SearchKind::Bitset, true),
              generate(words, cols, rows, level, seed, SearchKind::Literal, true));
    EXPECT_EQ(generate(words, cols, rows, level, seed, SearchKind::Bitset, false),
              generate(words, cols, rows, level, seed, SearchKind::Literal, false));
}

std::vector<std::string> randomWords(std::mt19937& gen, int count, int shortest, int longest,
                                     const std::string& alphabet) {
    std::vector<std::string> words;
    for (int k = 0; k < count; ++k) {
        const int L = shortest + static_cast<int>(gen() % (longest - shortest + 1));
        std::string w;
        for (int i = 0; i < L; ++i) w += alphabet[gen() % alphabet.size()];
        words.push_back(w);
    }
    return words;
}

}  // namespace

TEST(PlacementSearch, wholeGenerationsAreTheSameWithEitherSearch) {
    std::mt19937 gen(777);
    for (int round = 0; round < 160; ++round) {
        const int cols = 4 + static_cast<int>(gen() % 37);
        const int rows = 4 + static_cast<int>(gen() % 37);
        // Small alphabets make words cross and crowd; long words fail and force more attempts.
        const std::string alphabet = round % 3 == 0   ? "AB"
                                     : round % 3 == 1 ? "ETAOIN"
                                                      : "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
        const int count = 1 + static_cast<int>(gen() % 40);
        const auto words = randomWords(gen, count, 2, 3 + static_cast<int>(gen() % 20), alphabet);
        expectSameGeneration(words, cols, rows, round % 10, static_cast<std::uint32_t>(gen()));
    }
    // Crowded grids, and heights across the 64-row words of the bitsets.
    expectSameGeneration(randomWords(gen, 60, 5, 12, "ETAOINSHRDLU"), 30, 30, 9, 1);
    expectSameGeneration(randomWords(gen, 40, 40, 70, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"), 70, 129, 9, 2);
    expectSameGeneration(randomWords(gen, 30, 60, 130, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"), 140, 200, 7,
                         3);
    expectSameGeneration(randomWords(gen, 80, 3, 9, "AB"), 12, 65, 8, 4);
}

namespace {

// Where each word lay after one generation on a 6 x 6 grid: first cell, direction and whether
// it reads backwards, as one number; -1 for a word left out.
std::vector<int> wordPlaces(const std::vector<std::string>& words, int level, std::uint32_t seed,
                            SearchKind kind) {
    Puzzle p;
    WindowState window = windowWith(words, 6, 6, level);
    GenerationScratch scratch;
    FakeHost host;
    SeededRandom rnd(seed);
    GenerateOptions options;
    options.search = kind;
    EXPECT_EQ(createPuzzle(p, window, scratch, host, rnd, options), GenerateOutcome::Created);
    std::vector<int> places;
    for (const PlacementRecord& r : p.placements) {
        if (r.empty()) {
            places.push_back(-1);
            continue;
        }
        const int cell = static_cast<int>((*r.x1 - 1) * 6 + (*r.y1 - 1));
        const int backwards = runLetters(p, r) != *r.word;
        places.push_back((cell * 4 + static_cast<int>(recordDirection(r))) * 2 + backwards);
    }
    return places;
}

// Wilson and Hilferty's normal approximation of a chi-square statistic with df degrees of
// freedom: far out in the tail (z of 5 is a chance of 3 in 10 million) it is close enough.
double chiSquareZ(double statistic, int df) {
    const double k = 9.0 * df / 2.0;
    return (std::cbrt(statistic / df) - (1.0 - 1.0 / k)) * std::sqrt(k);
}

}  // namespace

TEST(PlacementSearch, skippingDrawsThatCannotMatterKeepsTheOddsOfEveryPlacement) {
    // Crowded enough that many columns hold no start; no word reads the same backwards.
    const std::vector<std::string> words = {"LEMON", "PEAR", "FIG", "KIWI", "PLUM"};
    constexpr int kPuzzles = 1500;
    // Per word, the chi-square statistics of the ten levels' independent samples and their
    // degrees of freedom, summed.
    std::vector<double> statistic(words.size());
    std::vector<int> freedom(words.size());
    for (int level = 0; level <= 9; ++level) {
        // Counts of each word's places when every column draws its first row, and as now.
        std::vector<std::map<int, std::array<int, 2>>> counts(words.size());
        for (int n = 0; n < kPuzzles; ++n) {
            // Disjoint seeds, so the two samples are independent.
            const auto seed = static_cast<std::uint32_t>(100000 * level + n);
            const auto before = wordPlaces(words, level, seed, SearchKind::LiteralEveryColumn);
            const auto now = wordPlaces(words, level, seed + 50000, SearchKind::Bitset);
            for (std::size_t k = 0; k < words.size(); ++k) {
                ++counts[k][before[k]][0];
                ++counts[k][now[k]][1];
            }
        }
        // Chi-square test of homogeneity for two samples of equal size; places too rare for
        // the test are pooled.
        for (std::size_t k = 0; k < words.size(); ++k) {
            std::array<int, 2> rare{};
            int bins = 0;
            const auto add = [&](const std::array<int, 2>& c) {
                const double d = c[0] - c[1];
                statistic[k] += d * d / (c[0] + c[1]);
                ++bins;
            };
            for (const auto& [place, c] : counts[k]) {
                if (c[0] + c[1] >= 20) {
                    add(c);
                } else {
                    rare[0] += c[0];
                    rare[1] += c[1];
                }
            }
            if (rare[0] + rare[1] > 0) add(rare);
            freedom[k] += bins - 1;
        }
    }
    for (std::size_t k = 0; k < words.size(); ++k) {
        ASSERT_GT(freedom[k], 100);
        EXPECT_LT(chiSquareZ(statistic[k], freedom[k]), 5.0)
            << words[k] << ": chi-square " << statistic[k] << " with " << freedom[k]
            << " degrees of freedom";
    }
}
