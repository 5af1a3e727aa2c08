// Cheats. Neither cheat searches the grid: each looks the word up in the placement records,
// selects the record's stored line on the grid (cursor column and row, then the selection's) and
// runs the grid's release handler as a mouse would, so a cheated word is matched, moved,
// painted and can complete the puzzle exactly like one found by hand.
//
// Find all relies on every simulated release removing a word. A release that finds nothing (a
// record that does not spell its word, a grid no longer in play) would repeat the same entry for
// ever, so Find all stops there: the hidden list shrinks on every pass or the loop ends.
#include "solve/Cheats.h"

#include <cmath>
#include <optional>
#include <string>

#include "model/NumericValue.h"
#include "model/Text1252.h"
#include "model/WordEntry.h"
#include "solve/Highlight.h"
#include "solve/Matcher.h"

namespace lettermaze {

namespace {

// The first record whose word, without surrounding spaces, is the given one.
const PlacementRecord* recordFor(const PlacementList& records, const std::string& word) {
    const std::string wanted = trimSpaces(word);
    for (const PlacementRecord& r : records)
        if (trimSpaces(r.word.value_or(std::string())) == wanted) return &r;
    return nullptr;
}

// A record field as a 0-based grid index. An empty field counts as 0, so it gives -1, which the
// grid refuses; so does a value that is not a number or does not fit.
std::optional<int> gridIndex(const std::optional<double>& field) {
    const double v = field.value_or(0.0) - 1.0;
    if (!std::isfinite(v)) return std::nullopt;
    const std::optional<std::int16_t> i = toInt16(v);
    if (!i) return std::nullopt;
    return *i;
}

// Puts the grid's selection on the record's line; false (the grid possibly half moved, as the
// control would leave it) when the record does not name cells of this grid.
bool selectRecord(Grid& g, const PlacementRecord& r) {
    const auto x1 = gridIndex(r.x1), y1 = gridIndex(r.y1);
    const auto x2 = gridIndex(r.x2), y2 = gridIndex(r.y2);
    try {
        if (!x1) return false;
        g.setCursorColumn(*x1);
        if (!y1) return false;
        g.setCursorRow(*y1);
        if (!x2) return false;
        g.setSelectionColumn(*x2);
        if (!y2) return false;
        g.setSelectionRow(*y2);
    } catch (const GridRangeError&) {
        return false;
    }
    return true;
}

// Selects the word's stored line and releases the left button there; false when the word has
// no usable record.
bool findByRecord(Puzzle& p, Host& host, Random& rnd, const std::string& word) {
    const PlacementRecord* r = recordFor(p.placements, word);
    if (!r || !selectRecord(p.grid, *r)) return false;
    finishDrag(p, host, rnd, 1);
    return true;
}

}  // namespace

CheatMenuState cheatMenuState(const Puzzle& p) {
    return {p.hiddenWords.selectedIndex() != -1 && p.shown, p.hiddenWords.count() > 0 && p.shown};
}

void findSelectedWord(Puzzle& p, Host& host, Random& rnd) {
    findByRecord(p, host, rnd, p.hiddenWords.selectedText());
}

void findAllWords(Puzzle& p, Host& host, Random& rnd) {
    host.setBusy(true);
    p.findingAll = true;
    host.processEvents();
    while (p.hiddenWords.count() > 0 && p.findingAll) {
        const int before = p.hiddenWords.count();
        if (!findByRecord(p, host, rnd, p.hiddenWords.at(0))) break;
        if (p.findingAll && p.hiddenWords.count() >= before) break;
    }
    p.findingAll = false;
    host.setBusy(false);
}

void resetPuzzle(Puzzle& p) {
    Grid& g = p.grid;
    p.shown = false;
    clearGrid(p);
    g.setSelectionRow(g.cursorRow());
    g.setSelectionColumn(g.cursorColumn());
    p.shown = true;
    p.inPlay = true;
    showCounts(p);
}

}  // namespace lettermaze
