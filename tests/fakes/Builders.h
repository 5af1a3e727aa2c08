#pragma once
// Shared builders for the core's tests: puzzles from rows of letters, text with CR LF line ends,
// and the scratch folders and file helpers of Files.h.
#include <string>
#include <vector>

#include "fakes/FakeHost.h"
#include "fakes/Files.h"
#include "fakes/ScriptedRandom.h"
#include "model/Puzzle.h"
#include "model/WindowState.h"

namespace lettermaze::testing {

using Words = std::vector<std::string>;

// A shown, playable puzzle whose grid holds these rows of letters, every cell white.
inline Puzzle gridPuzzle(const Words& rows, const Words& hidden = {}, const Words& found = {}) {
    Puzzle p;
    p.grid.setRowCount(static_cast<int>(rows.size()));
    p.grid.setColumnCount(static_cast<int>(rows.front().size()));
    for (int r = 0; r < p.grid.rowCount(); ++r)
        for (int c = 0; c < p.grid.columnCount(); ++c)
            p.grid.setLetterAt(r, c, std::string(1, rows[r][c]));
    for (const auto& w : hidden) p.hiddenWords.add(w);
    for (const auto& w : found) p.foundWords.add(w);
    p.shown = p.inPlay = true;
    return p;
}

inline int colouredCells(const Grid& g) {
    int n = 0;
    for (int r = 0; r < g.rowCount(); ++r)
        for (int c = 0; c < g.columnCount(); ++c) n += g.colourAt(r, c) != kWhite;
    return n;
}

// Lines written with '/' for each CR LF, as the program's files and word box end them.
inline std::string lines(std::string text) {
    for (std::size_t at; (at = text.find('/')) != std::string::npos;) text.replace(at, 1, "\r\n");
    return text;
}

// A 3 x 4 puzzle: two hidden words, one found (and highlighted), a record per word and a
// fourth record for a word that was not placed.
inline Puzzle samplePuzzle() {
    Puzzle p = gridPuzzle({"CATX", "DOGY", "OWL\xC9"}, {"OWL", "CAT"}, {"DOG"});
    for (int c = 0; c < 3; ++c) p.grid.setColourAt(1, c, 8454143);
    p.grid.setColourAt(2, 3, -5);
    p.placements = {PlacementRecord::placed("CAT", 1, 1, 3, 1),
                    PlacementRecord::placed("DOG", 1, 2, 3, 2),
                    PlacementRecord::placed("OWL", 1, 3, 3, 3), PlacementRecord{}};
    return p;
}

}  // namespace lettermaze::testing
