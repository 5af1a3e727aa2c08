// Cheats. Neither cheat searches the grid: each looks the word up in the placement records,
// selects the record's stored line on the grid (Col, Row, ColSel, RowSel, in that order) and
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
        g.setCol(*x1);
        if (!y1) return false;
        g.setRow(*y1);
        if (!x2) return false;
        g.setColSel(*x2);
        if (!y2) return false;
        g.setRowSel(*y2);
    } catch (const GridRangeError&) {
        return false;
    }
    return true;
}

// Selects the word's stored line and releases the left button there; false when the word has
// no usable record.
bool findByRecord(Puzzle& p, Host& host, Random& rnd, const std::string& word) {
    const PlacementRecord* r = recordFor(p.Placements, word);
    if (!r || !selectRecord(p.FG, *r)) return false;
    FG_MouseUp(p, host, rnd, 1);
    return true;
}

}  // namespace

CheatMenuState mnuCheat_Click(const Puzzle& p) {
    return {p.ListW.ListIndex() != -1 && p.FG.Visible, p.ListW.ListCount() > 0 && p.FG.Visible};
}

void mnuF1_Click(Puzzle& p, Host& host, Random& rnd) {
    findByRecord(p, host, rnd, p.ListW.Text());
}

void mnuFAll_Click(Puzzle& p, Host& host, Random& rnd) {
    host.setBusy(true);
    p.ListW.Visible = false;
    p.ListF.Visible = false;
    host.processEvents();
    p.FindingAll = true;
    while (p.ListW.ListCount() > 0 && p.FindingAll) {
        const int before = p.ListW.ListCount();
        if (!findByRecord(p, host, rnd, p.ListW.List(0))) break;
        if (p.FindingAll && p.ListW.ListCount() >= before) break;
    }
    p.ListW.Visible = true;
    p.ListF.Visible = true;
    p.FindingAll = false;
    host.setBusy(false);
}

void mnuReset_Click(Puzzle& p) {
    Grid& g = p.FG;
    g.Visible = false;
    ClearGrid(p);
    g.setRowSel(g.Row());
    g.setColSel(g.Col());
    g.Visible = true;
    p.GridActive = true;
    Update(p);
}

}  // namespace lettermaze
