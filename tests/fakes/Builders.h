#pragma once
// Shared builders for the core's tests: puzzles from rows of letters, words hidden along lines,
// drags as the grid view reports them, and the scratch folders and file helpers of Files.h.
#include <string>
#include <vector>

#include "fakes/FakeHost.h"
#include "fakes/Files.h"
#include "fakes/ScriptedRandom.h"
#include "model/Puzzle.h"
#include "model/WindowState.h"
#include "solve/Matcher.h"

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

inline Puzzle blankPuzzle(int rows, int cols, char filler = 'Q') {
    return gridPuzzle(Words(static_cast<std::size_t>(rows), std::string(cols, filler)));
}

// Hides a word as the generator would: written (or reversed) along the line from the 0-based
// cell (row, col) one step (dr, dc) a letter, listed, and recorded in 1-based x/y from the
// run's first cell to its last.
inline void hideWord(Puzzle& p, const std::string& word, int row, int col, int dr, int dc,
                     bool reversed = false) {
    const int last = static_cast<int>(word.size()) - 1;
    for (int k = 0; k <= last; ++k)
        p.grid.setLetterAt(row + k * dr, col + k * dc, word.substr(reversed ? last - k : k, 1));
    p.hiddenWords.add(word);
    p.placements.push_back(
        PlacementRecord::placed(word, col + 1, row + 1, col + last * dc + 1, row + last * dr + 1));
}

// A mouse drag: button down on the anchor, up on the end cell.
inline void drag(Puzzle& p, Host& host, Random& rnd, int row, int col, int rowSel, int colSel,
                 int button = 1) {
    p.grid.setCursorRow(row);
    p.grid.setCursorColumn(col);
    p.grid.setSelectionRow(rowSel);
    p.grid.setSelectionColumn(colSel);
    finishDrag(p, host, rnd, button);
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

// Lines joined with CR LF, each line ended.
inline std::string crlf(const Words& lines) {
    std::string out;
    for (const std::string& l : lines) out += l + "\r\n";
    return out;
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
