#pragma once
// The Create button: builds a new puzzle from the word box, the size boxes and the level.
#include <chrono>
#include <string>

#include "model/GenerationScratch.h"
#include "model/Host.h"
#include "model/Puzzle.h"
#include "model/Random.h"
#include "model/WindowState.h"

namespace lettermaze {

enum class GenerateOutcome {
    Created,         // a new puzzle is shown
    BadSize,         // refused with a beep; the window puts the caret in the columns box
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

// What a puzzle is made from: the word box's text (one word per line, CR LF), the size as typed
// into the two size boxes and the difficulty level.
struct PuzzleRequest {
    std::string wordText;
    std::string columnsText = "20";
    std::string rowsText = "20";
    int level = 3;
};

// Makes a new puzzle: the busy pointer, the size check and its beep, word preparation, up to 20
// attempts, decoys, the hidden list, the filler and the grid's size and letters. A refused
// request leaves the previous puzzle's lists and records alone but takes it off show.
GenerateOutcome generatePuzzle(Puzzle& p, GenerationScratch& scratch, const PuzzleRequest& request,
                               Host& host, Random& rnd, const GenerateOptions& options = {});

// The Create button: a puzzle from the window's controls, fitted to the window and shown with
// its counts.
GenerateOutcome createPuzzle(Puzzle& p, WindowState& window, GenerationScratch& scratch, Host& host,
                             Random& rnd, const GenerateOptions& options = {});

}  // namespace lettermaze
