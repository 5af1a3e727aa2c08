#pragma once
// The Cheat menu (find the selected word, find all words) and Reset.
#include "model/Host.h"
#include "model/Puzzle.h"
#include "model/Random.h"

namespace lettermaze {

struct CheatMenuState {
    bool findSelected;  // "Find &selected word"
    bool findAll;       // "Find &all words"
};

// The Cheat menu's items as it opens: Find selected needs a selected hidden word, Find all a
// hidden word; both need a puzzle on screen.
CheatMenuState cheatMenuState(const Puzzle& p);

// Finds the word selected in the hidden list by putting the grid's selection on its stored line
// and releasing the mouse there. Ends quietly, changing nothing, when the word has no usable
// record.
void findSelectedWord(Puzzle& p, Host& host, Random& rnd);

// Finds every hidden word, top of the list first, silently, with both lists hidden and the busy
// pointer on. Stops quietly at the first word whose record is missing or unusable, or whose
// stored line finds nothing; the words left stay hidden.
void findAllWords(Puzzle& p, Host& host, Random& rnd);

// Takes the puzzle back to unsolved: white grid, every word hidden again, playable. The list
// captions are refreshed at once.
void resetPuzzle(Puzzle& p);

}  // namespace lettermaze
