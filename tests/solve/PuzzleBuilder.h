#pragma once
// Hand-built puzzles for the solver's tests: a grid of filler letters, words written along
// given lines with their placement records, the hidden list, a puzzle in play.
#include <string>

#include "model/Host.h"
#include "model/Puzzle.h"
#include "model/Random.h"
#include "solve/Matcher.h"

namespace lettermaze::testing {

// An in-play puzzle of rows x cols cells, every one holding the filler letter.
inline Puzzle blankPuzzle(int rows, int cols, char filler = 'Q') {
    Puzzle p;
    p.grid.setRowCount(rows);
    p.grid.setColumnCount(cols);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) p.grid.setLetterAt(r, c, std::string(1, filler));
    p.shown = true;
    p.inPlay = true;
    return p;
}

// Writes text from the 0-based cell (row, col) one step (dr, dc) per letter.
inline void writeLine(Puzzle& p, const std::string& text, int row, int col, int dr, int dc) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int k = static_cast<int>(i);
        p.grid.setLetterAt(row + k * dr, col + k * dc, std::string(1, text[i]));
    }
}

// Hides a word: writes it (or its reversal) along the line, lists it and records the run in
// 1-based coordinates from the run's first cell to its last, as the generator would.
inline void hideWord(Puzzle& p, const std::string& word, int row, int col, int dr, int dc,
                     bool reversed = false) {
    writeLine(p, reversed ? std::string(word.rbegin(), word.rend()) : word, row, col, dr, dc);
    const int last = static_cast<int>(word.size()) - 1;
    p.hiddenWords.add(word);
    p.placements.push_back(
        PlacementRecord::placed(word, col + 1, row + 1, col + last * dc + 1, row + last * dr + 1));
}

// A mouse drag: button down on the anchor, up on the end cell, as the grid view reports it.
inline void drag(Puzzle& p, Host& host, Random& rnd, int row, int col, int rowSel, int colSel,
                 int button = 1) {
    p.grid.setCursorRow(row);
    p.grid.setCursorColumn(col);
    p.grid.setSelectionRow(rowSel);
    p.grid.setSelectionColumn(colSel);
    finishDrag(p, host, rnd, button);
}

inline bool allWhite(const Grid& g) {
    for (int r = 0; r < g.rowCount(); ++r)
        for (int c = 0; c < g.columnCount(); ++c)
            if (g.colourAt(r, c) != kWhite) return false;
    return true;
}

inline int colouredCells(const Grid& g) {
    int n = 0;
    for (int r = 0; r < g.rowCount(); ++r)
        for (int c = 0; c < g.columnCount(); ++c) n += g.colourAt(r, c) != kWhite;
    return n;
}

}  // namespace lettermaze::testing
