#pragma once
// The Create button: builds a new puzzle from the word box, the size boxes and the level.
#include <chrono>

#include "model/Host.h"
#include "model/Puzzle.h"
#include "model/Random.h"

namespace lettermaze {

enum class GenerateOutcome {
    Created,         // a new puzzle is shown
    BadSize,         // refused with a beep; the window puts the caret at the start of Textm
    NothingToPlace,  // a silent stop: no line break, no word, or only one letter
};

// How the placement search runs; only tests and benchmarks change it. LiteralEveryColumn draws
// as earlier versions did (see LiteralSearch).
enum class SearchKind { Bitset, Literal, LiteralEveryColumn };
struct GenerateOptions {
    SearchKind search = SearchKind::Bitset;
    // No further attempt starts after one that took longer than this.
    std::chrono::steady_clock::duration attemptTimeLimit = std::chrono::seconds(25);
};

// The click of CommandGo. Everything but the focus happens here: the busy pointer, the size
// check and its beep, word preparation, up to 20 attempts, decoys, the hidden list, the filler,
// the grid's size and letters, fitting it to the window and showing it.
GenerateOutcome CommandGo_Click(Puzzle& p, Host& host, Random& rnd);
GenerateOutcome CommandGo_Click(Puzzle& p, Host& host, Random& rnd, const GenerateOptions& options);

}  // namespace lettermaze
