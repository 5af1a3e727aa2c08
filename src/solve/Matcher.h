#pragma once
// Matching a dragged line against the hidden words, and what a release on the grid does.
#include <vector>

#include "model/Host.h"
#include "model/Puzzle.h"
#include "model/Random.h"
#include "solve/Highlight.h"

namespace lettermaze {

enum class LineShape {
    SameCell,  // pressed and released on one cell: not a drag at all
    Straight,  // one of the four kinds of line, either sense
    NotALine,  // any other pair of cells (a knight's move, say)
};

// A drag from the anchor cell to the end cell. For a straight line, n is the signed number of
// steps from anchor to end (rows for a vertical line, columns otherwise) and s its sign;
// otherwise kind is Vertical and n and s are 0.
struct Line {
    LineShape shape = LineShape::NotALine;
    LineKind kind = LineKind::Vertical;
    int n = 0;
    int s = 0;
};

struct CellPos {
    int row;
    int col;
    bool operator==(const CellPos&) const = default;
};

// Classifies the drag from (row, col) to (rowSel, colSel). Tests, in order: same column,
// same row, falling diagonal, rising diagonal.
Line classifyLine(int row, int col, int rowSel, int colSel);

// The cells of a straight line from the anchor to the end cell, in that order; the anchor alone
// for a one-cell click, nothing for a drag that is not a line.
std::vector<CellPos> lineCells(int row, int col, const Line& line);

// The grid's mouse-release handler (button 1 left, 2 right, 4 middle). The drag's anchor is the
// grid cursor and its end the selection corner. A straight line
// whose letters spell a hidden word, either way, moves that word to the found list and paints
// it; the last word found asks whether to clear the grid for another go.
void finishDrag(Puzzle& p, Host& host, Random& rnd, int button);

}  // namespace lettermaze
