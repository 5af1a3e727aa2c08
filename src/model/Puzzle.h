#pragma once
// One word-search puzzle: its letters and cell colours, the words still hidden and those found,
// and where each word was placed. Generation, solving, files and output all work on this; what
// the window shows around it lives in WindowState.
#include <optional>
#include <string>

#include "model/Grid.h"
#include "model/Placements.h"
#include "model/SortedList.h"

namespace lettermaze {

// How many words were hidden and found when the counts were last shown to the player.
struct WordCounts {
    int hidden = 0;
    int found = 0;
};

struct Puzzle {
    Grid grid;  // letters, colours, and the cursor and selection that drags and cheats move
    SortedList hiddenWords;
    SortedList foundWords;
    PlacementList placements;  // one record per word of the last generation or opened file

    // A made or opened puzzle is on show; a refused create or a failed open takes it off, and
    // the commands that read the grid's colours take it off while they read them.
    bool shown = false;
    // Drags and cheats count only while the puzzle is in play: not before a puzzle exists, nor
    // after the player declined to clear a completed one.
    bool inPlay = false;
    // A Find all is running: found words make no sound and the word lists are out of sight.
    bool findingAll = false;
    // The counts over the word lists change only when a generation or a finished drag shows
    // them; nothing until the first such moment.
    std::optional<WordCounts> countsShown;
};

// Records the current counts as the ones shown to the player.
void showCounts(Puzzle& p);
// The captions over the two lists: "Hidden (3)" and "Found (2)" once counts were shown and a
// word existed then, else plain "Hidden" and "Found".
std::string hiddenCaption(const Puzzle& p);
std::string foundCaption(const Puzzle& p);

}  // namespace lettermaze
