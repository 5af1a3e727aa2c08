// The fast search against the literal reference: same start, same draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <random>

#include "GeneratorSupport.h"
#include "fakes/ScriptedRandom.h"
#include "model/BitsetSearch.h"
#include "model/LiteralSearch.h"
#include "model/Puzzle.h"
#include "model/WindowState.h"
#include "model/GenerationScratch.h"

using namespace lettermaze;
using namespace lettermaze::testing;

namespace {

const std::vector<char> kLetters = {'A', 'B', 'C'};

std::unique_ptr<PlacementSearch> makeSearch(bool fast) {
    if (fast) return std::make_unique<BitsetSearch>(kLetters);
    return std::make_unique<LiteralSearch>();
}

// A cols x rows board with some cells already written, column-major.
std::vector<GridCell> board(int cols, int rows, const std::vector<std::string>& columns) {
    std::vector<GridCell> cells(static_cast<std::size_t>(cols * rows), kEmptyCell);
    for (std::size_t x = 0; x < columns.size(); ++x)
        for (std::size_t y = 0; y < columns[x].size(); ++y)
            if (columns[x][y] != '.') cells[x * rows + y] = cellOf(columns[x][y]);
    return cells;
}

class BothSearches : public ::testing::TestWithParam<bool> {};

}  // namespace

INSTANTIATE_TEST_SUITE_P(LiteralAndBitset, BothSearches, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "bitset" : "literal"; });

TEST_P(BothSearches, aCellAcceptsItsOwnLetterOrNothing) {
    // Column 1 reads A . B C from the top.
    auto cells = board(2, 4, {"A.BC", "...."});
    auto search = makeSearch(GetParam());
    search->attach(cells, 2, 4);
    // A over A, A into the empty cell, B over B.
    ScriptedRandom rnd({0.0f, 0.0f});
    EXPECT_EQ(search->find("AAB", Direction::Down, rnd), (Spot{1, 1}));
    // C clashes with A at row 1, and A with B from row 2: column 1 holds no start and draws no
    // first row; column 2 is free.
    ScriptedRandom again({0.0f, 0.0f, 0.0f});
    EXPECT_EQ(search->find("CAB", Direction::Down, again), (Spot{2, 1}));
    EXPECT_EQ(again.draws, 2);
}

TEST_P(BothSearches, columnsLeftOfTheFirstAreNeverTriedAndOnlyColumnsWithAStartDrawARow) {
    auto cells = board(4, 4, {"....", "AAAA", "AAAA", "AAAA"});
    auto search = makeSearch(GetParam());
    search->attach(cells, 4, 4);
    // Down, first column Int(0.3 x 4) + 1 = 2: columns 2 to 4 are full of A and draw no first
    // row; column 1 could take BC, so the first column is drawn, but it is not tried.
    ScriptedRandom rnd({0.3f});
    EXPECT_EQ(search->find("BC", Direction::Down, rnd), std::nullopt);
    EXPECT_EQ(rnd.draws, 1);
    // Right: every run crosses an A, so no column holds a start and nothing is drawn at all.
    ScriptedRandom none({0.3f});
    EXPECT_EQ(search->find("BC", Direction::Right, none), std::nullopt);
    EXPECT_EQ(none.draws, 0);
}

TEST_P(BothSearches, downLeftStartsAtOrRightOfItsLength) {
    auto cells = board(5, 5, {});
    auto search = makeSearch(GetParam());
    search->attach(cells, 5, 5);
    ScriptedRandom rnd({0.0f, 0.99f});
    // First column Int(0 x 2) + 3 = 3, first row Int(0.99 x 2) + 1 = 2.
    EXPECT_EQ(search->find("ABC", Direction::DownLeft, rnd), (Spot{3, 2}));
    search->write("ABC", Direction::DownLeft, Spot{3, 2});
    EXPECT_EQ(cells[2 * 5 + 1], cellOf('A'));
    EXPECT_EQ(cells[1 * 5 + 2], cellOf('B'));
    EXPECT_EQ(cells[0 * 5 + 3], cellOf('C'));
}

TEST_P(BothSearches, rightScansEveryRowFromItsStartAndTheWordMayEndOnTheLastColumn) {
    auto cells = board(3, 5, {"AAAA.", "....A", "....."});
    auto search = makeSearch(GetParam());
    search->attach(cells, 3, 5);
    // First column Int(R x 0) + 1 = 1; first row Int(0.5 x 5) + 1 = 3; rows 3, 4 clash,
    // row 5 reads . A . which accepts BAC.
    ScriptedRandom rnd({0.0f, 0.5f});
    EXPECT_EQ(search->find("BAC", Direction::Right, rnd), (Spot{1, 5}));
}

TEST(PlacementSearch, bitsetAndLiteralAgreeOnRandomBoardsOfEveryHeight) {
    std::mt19937 gen(12345);
    const std::string alphabet = "ABCD";
    const std::vector<char> letters(alphabet.begin(), alphabet.end());
    const std::vector<int> heights = {4, 5, 31, 63, 64, 65, 100, 127, 128, 129, 191, 192, 200};
    int found = 0, notFound = 0;
    for (int round = 0; round < 600; ++round) {
        const int rows = heights[static_cast<std::size_t>(round) % heights.size()];
        const int cols = 4 + static_cast<int>(gen() % 60);
        const double density = (gen() % 100) / 100.0;
        std::vector<GridCell> cells(static_cast<std::size_t>(cols * rows), kEmptyCell);
        for (GridCell& c : cells)
            if (gen() % 1000 < density * 1000) c = cellOf(alphabet[gen() % 2]);  // A or B only
        std::vector<GridCell> copy = cells;
        LiteralSearch literal;
        BitsetSearch bitset(letters);
        literal.attach(cells, cols, rows);
        bitset.attach(copy, cols, rows);
        // Several tries on one board: the same text again, turned round, a new one, or a near
        // miss of a word, with writes in between, as the words' and decoys' tries make them.
        std::string text, family;
        for (int step = 0; step < 12; ++step) {
            const auto d = static_cast<Direction>(gen() % 4);
            const int limit = d == Direction::Down    ? rows
                              : d == Direction::Right ? cols
                                                      : std::min(cols, rows);
            const unsigned choice = gen() % 4;
            if (choice == 1 && !text.empty()) {
                std::reverse(text.begin(), text.end());
            } else if (choice == 3) {
                // A near miss of the family's word, as the decoys are, either way round.
                if (family.empty() || gen() % 6 == 0) {
                    family.clear();
                    const int F = 3 + static_cast<int>(gen() % 12);
                    for (int i = 0; i < F; ++i) family += alphabet[gen() % 2];
                }
                const int j = 2 + static_cast<int>(
                                      gen() % std::min<std::size_t>(family.size() - 1, limit - 1));
                text = family.substr(0, static_cast<std::size_t>(j)) + alphabet[gen() % 3];
                if (gen() % 3 == 0) std::reverse(text.begin(), text.end());
            } else if (choice == 2 || text.empty()) {
                const int L = 2 + static_cast<int>(gen() % std::min(limit - 1, 12));
                text.clear();
                for (int i = 0; i < L; ++i) text += alphabet[gen() % 3];  // C only fits empty cells
                if (gen() % 8 == 0) text.back() = 'Z';  // not among the search's letters
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
            }
        }
    }
    // Both outcomes were exercised many times.
    EXPECT_GT(found, 300);
    EXPECT_GT(notFound, 300);
}

namespace {

struct Outcome {
    GenerateOutcome outcome;
    std::string letters;
    PlacementList placements;
    std::vector<std::string> listed, decoys;
    int attempts, best;
    long draws;
};

// Counted draws go through Random; the program's own generator takes its inlined path.
Outcome generate(const std::vector<std::string>& words, int cols, int rows, int level,
                 std::uint32_t seed, SearchKind kind, bool counted = true) {
    Puzzle p;
    WindowState window = windowWith(words, cols, rows, level);
    GenerationScratch scratch;
    FakeHost host;
    CountingRandom counting(seed);
    SeededRandom own(seed);
    GenerateOptions options;
    options.search = kind;
    options.attemptTimeLimit = std::chrono::hours(1);
    const GenerateOutcome o =
        counted ? createPuzzle(p, window, scratch, host, counting, options) : createPuzzle(p, window, scratch, host, own, options);
    return {o,
            gridLetters(p),
            p.placements,
            p.hiddenWords.items(),
            scratch.decoys,
            scratch.attemptsMade,
            scratch.bestAttempt,
            counting.draws};
}

void expectSameGeneration(const std::vector<std::string>& words, int cols, int rows, int level,
                          std::uint32_t seed) {
    SCOPED_TRACE(::testing::Message() << cols << "x" << rows << " level " << level << " seed "
                                      << seed << " words " << words.size());
    const Outcome a = generate(words, cols, rows, level, seed, SearchKind::Literal);
    const Outcome b = generate(words, cols, rows, level, seed, SearchKind::Bitset);
    ASSERT_EQ(a.outcome, GenerateOutcome::Created);
    EXPECT_EQ(b.outcome, a.outcome);
    EXPECT_EQ(b.letters, a.letters);
    EXPECT_EQ(b.placements, a.placements);
    EXPECT_EQ(b.listed, a.listed);
    EXPECT_EQ(b.decoys, a.decoys);
    EXPECT_EQ(b.attempts, a.attempts);
    EXPECT_EQ(b.best, a.best);
    EXPECT_EQ(b.draws, a.draws);
    const Outcome c = generate(words, cols, rows, level, seed, SearchKind::Bitset, false);
    EXPECT_EQ(c.letters, a.letters);
    EXPECT_EQ(c.placements, a.placements);
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
        const int level = round % 10;
        // Small alphabets make words cross and crowd; long words fail and force more attempts.
        const std::string alphabet = round % 3 == 0   ? "AB"
                                     : round % 3 == 1 ? "ETAOIN"
                                                      : "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
        const int count = 1 + static_cast<int>(gen() % 40);
        const auto words = randomWords(gen, count, 2, 3 + static_cast<int>(gen() % 20), alphabet);
        expectSameGeneration(words, cols, rows, level, static_cast<std::uint32_t>(gen()));
    }
}

TEST(PlacementSearch, crowdedAndTallGenerationsAreTheSameWithEitherSearch) {
    std::mt19937 gen(4242);
    // Heights across the 64-row words of the bitsets, grids too small for their words.
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
