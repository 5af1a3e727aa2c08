// "Find all words" on the largest puzzle the program makes: a 200 x 200 grid holding 201 words
// along rows, columns and both diagonals, some of them reversed. The puzzle is built directly
// (not by the generator) so that the measurement is the solver's alone; the completion question
// is answered No, as a player who keeps the finished grid would.
#include <benchmark/benchmark.h>

#include <set>
#include <string>

#include "model/QuietHost.h"
#include "model/Puzzle.h"
#include "model/Random.h"
#include "solve/Cheats.h"

namespace {

using namespace lettermaze;
using lettermaze::QuietHost;

constexpr int kSize = 200;
constexpr int kWords = 201;

int below(Random& rnd, int n) {
    return static_cast<int>(rnd.next() * static_cast<float>(n));
}

std::string randomWord(Random& rnd) {
    std::string w(static_cast<std::size_t>(4 + below(rnd, 9)), 'A');
    for (char& c : w) c = static_cast<char>('A' + below(rnd, 26));
    return w;
}

// The four directions the generator writes in: right, down, down-right, down-left.
constexpr int kDirs[4][2] = {{0, 1}, {1, 0}, {1, 1}, {1, -1}};

Puzzle largestPuzzle() {
    SeededRandom rnd(20240607);
    Puzzle p;
    p.grid.setRowCount(kSize);
    p.grid.setColumnCount(kSize);
    std::vector<char> cells(static_cast<std::size_t>(kSize * kSize), 0);
    std::set<std::string> used;
    while (p.hiddenWords.count() < kWords) {
        const std::string word = randomWord(rnd);
        const std::string reversed(word.rbegin(), word.rend());
        // The hidden list never holds a word twice, nor a word and its reversal.
        if (word == reversed || used.count(word) || used.count(reversed)) continue;
        const int len = static_cast<int>(word.size());
        const auto* d = kDirs[below(rnd, 4)];
        const int row = below(rnd, kSize), col = below(rnd, kSize);
        const int endRow = row + d[0] * (len - 1), endCol = col + d[1] * (len - 1);
        if (endRow >= kSize || endCol < 0 || endCol >= kSize) continue;
        const std::string run = below(rnd, 2) ? reversed : word;
        bool fits = true;
        for (int k = 0; k < len && fits; ++k) {
            const char have =
                cells[static_cast<std::size_t>((row + k * d[0]) * kSize + col + k * d[1])];
            fits = have == 0 || have == run[static_cast<std::size_t>(k)];
        }
        if (!fits) continue;
        for (int k = 0; k < len; ++k)
            cells[static_cast<std::size_t>((row + k * d[0]) * kSize + col + k * d[1])] =
                run[static_cast<std::size_t>(k)];
        used.insert(word);
        p.hiddenWords.add(word);
        p.placements.push_back(
            PlacementRecord::placed(word, col + 1, row + 1, endCol + 1, endRow + 1));
    }
    for (int r = 0; r < kSize; ++r)
        for (int c = 0; c < kSize; ++c) {
            char& cell = cells[static_cast<std::size_t>(r * kSize + c)];
            if (cell == 0) cell = static_cast<char>('A' + below(rnd, 26));
            p.grid.setLetterAt(r, c, std::string(1, cell));
        }
    p.shown = true;
    p.inPlay = true;
    return p;
}

void BM_FindAllWords200x200(benchmark::State& state) {
    const Puzzle start = largestPuzzle();
    QuietHost host;
    SeededRandom rnd(1);
    Puzzle p;  // outside the loop, so freeing the last copy is not timed
    for (auto _ : state) {
        state.PauseTiming();
        p = start;
        state.ResumeTiming();
        findAllWords(p, host, rnd);
        state.PauseTiming();
        if (p.foundWords.count() != kWords || p.inPlay) {
            state.SkipWithError("Find all did not find every word");
            break;
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FindAllWords200x200)->Unit(benchmark::kMillisecond);

}  // namespace
