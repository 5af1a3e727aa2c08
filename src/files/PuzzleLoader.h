#pragma once
// Reading a puzzle file into the puzzle. Loading works on the puzzle in place and rolls nothing
// back: a load that fails part-way leaves whatever it had already replaced, with the grid hidden.
#include <filesystem>
#include <streambuf>
#include <string>
#include <string_view>

#include "model/Host.h"
#include "model/Puzzle.h"

namespace lettermaze {

enum class LoadOutcome {
    Loaded,     // the puzzle is shown
    OldFormat,  // a file of the first version: the user has been told
    Failed,     // anything else; reason says what, for tools that report it
};

struct LoadResult {
    LoadOutcome outcome = LoadOutcome::Failed;
    std::string reason;
    bool loaded() const { return outcome == LoadOutcome::Loaded; }
};

// The largest row or column count a file may ask for. The grid would take more, but a damaged or
// hostile file must not be able to claim gigabytes with two numbers; 2048 x 2048 is ten times
// the largest puzzle the program makes in each direction.
inline constexpr int kMaxFileGridCount = 2048;

struct LoadLimits {
    int maxCount = kMaxFileGridCount;
};

// The message a file of the first version gets.
inline constexpr const char* kOldFormatMessage =
    "Sorry! Lettermazes saved by Lettermaze v1.0 are no longer supported.";

// The whole load from bytes already in memory: busy pointer, grid hidden, every section read,
// grid fitted and shown when it all worked, default pointer. The command-line tool's way in.
LoadResult loadPuzzle(Puzzle& p, Host& host, std::string_view bytes, const LoadLimits& limits = {});

// The same, reading from a stream.
LoadResult loadPuzzle(Puzzle& p, Host& host, std::streambuf& in, const LoadLimits& limits = {});

// The same, reading the named file; a file that cannot be opened fails after the pointer and
// the grid have changed, like any other failure.
LoadResult loadPuzzleFile(Puzzle& p, Host& host, const std::filesystem::path& path,
                          const LoadLimits& limits = {});

}  // namespace lettermaze
