#pragma once
// Shared builders for the core's tests: puzzles from rows of letters, words hidden along lines,
// drags as the grid view reports them, and the scratch folders and file helpers of Files.h.
#include <ostream>
#include <string>
#include <vector>

#include "fakes/FakeHost.h"
#include "fakes/Files.h"
#include "fakes/ScriptedRandom.h"
#include "model/Puzzle.h"
#include "model/WindowState.h"
#include "solve/Matcher.h"

namespace lettermaze {
// Readable records in test failures.
inline void PrintTo(const PlacementRecord& r, std::ostream* os) {
    *os << "{" << r.word.value_or("-");
    for (const auto* v : {&r.x1, &r.y1, &r.x2, &r.y2})
        *os << ", " << (*v ? std::to_string(**v) : "-");
    *os << "}";
}
}  // namespace lettermaze

namespace lettermaze::testing {

using Words = std::vector<std::string>;

// A shown, playable puzzle whose grid holds these rows of letters, every cell white.
inline Puzzle gridPuzzle(const Words& rows, const Words& hidden = {}, const Words& found = {}) {
    Puzzle p;
    p.grid.setRowCount(static_cast<int>(rows.size()));
    p.grid.setColumnCount(static_cast<int>(rows.front().size()));
    for (int r = 0; r < p.grid.rowCount(); ++r)
        for (int c = 0; c < p.grid.columnCount(); ++c) p.grid.setLetterAt(r, c, std::string(1, rows[r][c]));
    for (const auto& w : hidden) p.hiddenWords.add(w);
    for (const auto& w : found) p.foundWords.add(w);
    p.shown = p.inPlay = true;
    return p;
}

inline Puzzle blankPuzzle(int rows, int cols, char filler = 'Q') {
    return gridPuzzle(Words(static_cast<std::size_t>(rows), std::string(cols, filler)));
}

// Writes text from the 0-based cell (row, col) one step (dr, dc) per letter.
inline void writeLine(Puzzle& p, const std::string& text, int row, int col, int dr, int dc) {
    for (int k = 0; k < static_cast<int>(text.size()); ++k)
        p.grid.setLetterAt(row + k * dr, col + k * dc, std::string(1, text[k]));
}

// Hides a word as the generator would: written (or reversed) along the line, listed, and
// recorded in 1-based x/y from the run's first cell to its last.
inline void hideWord(Puzzle& p, const std::string& word, int row, int col, int dr, int dc,
                     bool reversed = false) {
    writeLine(p, reversed ? std::string(word.rbegin(), word.rend()) : word, row, col, dr, dc);
    const int last = static_cast<int>(word.size()) - 1;
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

// Lines joined with CR LF, each line ended.
inline std::string crlf(const Words& lines) {
    std::string out;
    for (const std::string& l : lines) out += l + "\r\n";
    return out;
}

// The lines of a CR LF text (the last line end ends the last line).
inline Words splitCrlf(const std::string& text) {
    Words out;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
        out.push_back(text.substr(start, at - start));
    if (start < text.size()) out.push_back(text.substr(start));
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
