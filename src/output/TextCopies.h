#pragma once
// The three plain-text copies of the Edit menu: the grid, the puzzle's words and the word box.
#include <string>

#include "model/Grid.h"
#include "model/Host.h"
#include "model/Puzzle.h"
#include "model/WindowState.h"

namespace lettermaze {

// The letters row by row: a TAB between the cells of a row, a lone CR between rows, nothing
// after the last row.
std::string gridText(const Grid& g);

// Every hidden word, then every found word, in list order, each followed by CR LF.
std::string wordsText(const Puzzle& p);

// "Copy lettermaze": the grid text, built with the grid hidden.
void copyGridText(Puzzle& p, Host& host);
// "Copy hidden words list": all words of the puzzle, found ones unmarked.
void copyHiddenWords(Puzzle& p, Host& host);
// "Copy original words": the word box's text as it stands.
void copyOriginalWords(const WindowState& window, Host& host);

}  // namespace lettermaze
