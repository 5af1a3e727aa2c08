// Drag matching. A drag is classified by its row and column differences (same column, same row,
// equal, opposite: the first that holds wins), its letters are read from the anchor to the end
// cell, and the hidden list is scanned top to bottom for an entry equal to those letters or to
// their reversal. Matching is by letters, not by stored positions, so any line that spells a
// hidden word finds it. No two hidden entries are equal or reverses of each other, so at most
// one entry can match a line.
#include "solve/Matcher.h"

#include <string>

#include "config/Publisher.h"
#include "model/Text1252.h"
#include "model/WordEntry.h"

namespace lettermaze {

namespace {

constexpr const char* kCompleted = "You have completed the lettermaze!\r\nClear grid?";

CellPos stepOf(LineKind kind, int k) {
    switch (kind) {
        case LineKind::Vertical:
            return {k, 0};
        case LineKind::Horizontal:
            return {0, k};
        case LineKind::Falling:
            return {k, k};
        case LineKind::Rising:
            return {-k, k};
    }
    return {0, 0};
}

// Offers the same puzzle again once every word is found; declining leaves it unplayable.
void completion(Puzzle& p, Host& host) {
    p.findingAll = false;  // this is what stops a running Find all
    showCounts(p);
    host.setBusy(false);
    const Answer a =
        host.messageBox(kCompleted, publisher::kAppTitle, Buttons::YesNo, MessageIcon::None);
    if (a == Answer::Yes) {
        p.shown = false;
        clearGrid(p);
        p.shown = true;
    } else {
        p.inPlay = false;
    }
}

}  // namespace

Line classifyLine(int row, int col, int rowSel, int colSel) {
    const int dr = rowSel - row;
    const int dc = colSel - col;
    Line line;
    if (dr == 0 && dc == 0) {
        line.shape = LineShape::SameCell;
        return line;
    }
    if (dc == 0) {
        line = {LineShape::Straight, LineKind::Vertical, dr, 0};
    } else if (dr == 0) {
        line = {LineShape::Straight, LineKind::Horizontal, dc, 0};
    } else if (dr == dc) {
        line = {LineShape::Straight, LineKind::Falling, dc, 0};
    } else if (dr == -dc) {
        line = {LineShape::Straight, LineKind::Rising, dc, 0};
    } else {
        return line;
    }
    line.s = line.n < 0 ? -1 : 1;
    return line;
}

std::vector<CellPos> lineCells(int row, int col, const Line& line) {
    std::vector<CellPos> cells;
    if (line.shape == LineShape::SameCell) cells.push_back({row, col});
    if (line.shape != LineShape::Straight) return cells;
    const int steps = line.n < 0 ? -line.n : line.n;
    cells.reserve(static_cast<std::size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i) {
        const CellPos d = stepOf(line.kind, i * line.s);
        cells.push_back({row + d.row, col + d.col});
    }
    return cells;
}

void finishDrag(Puzzle& p, Host& host, Random& rnd, int button) {
    if (button != 1) {
        showCounts(p);
        return;
    }
    Grid& g = p.grid;
    if (p.inPlay) {
        const Line line =
            classifyLine(g.cursorRow(), g.cursorColumn(), g.selectionRow(), g.selectionColumn());
        // A click without a drag leaves everything, even the captions, as it was.
        if (line.shape == LineShape::SameCell) return;

        std::string gathered;
        std::int32_t colour = 0;
        if (line.shape == LineShape::Straight) {
            // Drawn for every straight line, matched or not, so the random sequence does not
            // depend on what the player finds.
            colour = pickHighlight(line.kind, rnd);
            for (const CellPos& c : lineCells(g.cursorRow(), g.cursorColumn(), line))
                gathered += g.letterAt(c.row, c.col);
        }

        if (!gathered.empty()) {
            const std::string reversed = reverseText(gathered);
            for (int i = 0; i < p.hiddenWords.count(); ++i) {
                const std::string entry = p.hiddenWords.at(i);
                if (entry != reversed && gathered != entry) continue;
                p.foundWords.add(entry);
                p.hiddenWords.removeAt(i);
                if (!p.findingAll) host.beep();
                paintWord(g, line.kind, line.n, line.s, colour);
                break;
            }
        }

        if (p.hiddenWords.count() == 0) completion(p, host);
    }
    g.setSelectionRow(g.cursorRow());
    g.setSelectionColumn(g.cursorColumn());
    showCounts(p);
}

}  // namespace lettermaze
