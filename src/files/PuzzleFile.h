#pragma once
// Puzzle files (.lm): one item per line, CR LF line ends, windows-1252 text. The rows, the
// columns, the letters row by row, every cell's colour, the hidden words, "E", the found words,
// "E", five lines per placement record, "E".
#include <string>

#include "files/PuzzleLoader.h"
#include "model/Host.h"
#include "model/Puzzle.h"
#include "model/WindowState.h"

namespace lettermaze {

// The file dialogs' filter for puzzles.
inline constexpr const char* kPuzzleFilter = "Lettermaze|*.lm";

// The bytes of the puzzle's file.
std::string puzzleFileText(const Puzzle& p);

// Writes the puzzle's file (a file-system path, as every path in the core), replacing any file
// of that name only once the new one is complete. False when nothing was written; an earlier
// file is then untouched.
bool savePuzzleFile(const Puzzle& p, const std::string& fileName);

// File > Save lettermaze...: asks for a name and writes the puzzle; failures are silent.
void savePuzzle(Puzzle& p, WindowState& window, Host& host);

// File > Open lettermaze...: asks for a name and loads it.
void openPuzzle(Puzzle& p, WindowState& window, Host& host);

// Loads the named puzzle file (also used with the command line at start-up). Names of fewer
// than four characters, spaces trimmed, are ignored; failures are silent except for a file of
// the old format, which gets a message.
void openPuzzleFile(Puzzle& p, WindowState& window, Host& host, const std::string& fileName);

}  // namespace lettermaze
