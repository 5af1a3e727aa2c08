// Writing puzzle files and the File menu's Save and Open commands. Numbers are written as the
// program always wrote them: a space before a value of zero or more, a minus sign before a
// negative one, and a space after every number, so 20 is " 20 " and -5 is "-5 ".
#include "files/PuzzleFile.h"

#include <cmath>
#include <cstdio>
#include <exception>

#include "files/FileReplace.h"
#include "files/PuzzleLoader.h"
#include "model/GridFrame.h"
#include "model/Text1252.h"

namespace lettermaze {

namespace {

constexpr const char* kLineEnd = "\r\n";

std::string numberText(double v) {
    if (v == 0) v = 0;  // no "-0"
    std::string digits;
    if (std::trunc(v) == v && std::fabs(v) < 1e15) {
        digits = std::to_string(static_cast<long long>(v));
    } else {
        // Fifteen significant digits, with no zero before the decimal point (".5", "-.25").
        char buf[40];
        std::snprintf(buf, sizeof buf, "%.15G", v);
        digits = buf;
        if (digits.rfind("0.", 0) == 0)
            digits.erase(0, 1);
        else if (digits.rfind("-0.", 0) == 0)
            digits.erase(1, 1);
    }
    return (v >= 0 ? " " : "") + digits + " ";
}

void line(std::string& out, const std::string& item) {
    out += item;
    out += kLineEnd;
}

void numberLine(std::string& out, const std::optional<double>& v) {
    line(out, v ? numberText(*v) : std::string());
}

}  // namespace

std::string puzzleFileText(const Puzzle& p) {
    const Grid& g = p.grid;
    std::string out;
    out.reserve(static_cast<std::size_t>(g.rowCount()) * static_cast<std::size_t>(g.columnCount()) *
                    12 +
                64);
    line(out, numberText(g.rowCount()));
    line(out, numberText(g.columnCount()));
    for (int r = 0; r < g.rowCount(); ++r) {
        for (int c = 0; c < g.columnCount(); ++c) out += g.letterAt(r, c);
        out += kLineEnd;
    }
    for (int r = 0; r < g.rowCount(); ++r)
        for (int c = 0; c < g.columnCount(); ++c) line(out, numberText(g.colourAt(r, c)));
    for (const std::string& w : p.hiddenWords.items()) line(out, w);
    line(out, "E");
    for (const std::string& w : p.foundWords.items()) line(out, w);
    line(out, "E");
    for (const PlacementRecord& rec : p.placements) {
        line(out, rec.word.value_or(std::string()));
        numberLine(out, rec.x1);
        numberLine(out, rec.y1);
        numberLine(out, rec.x2);
        numberLine(out, rec.y2);
    }
    line(out, "E");
    return out;
}

bool savePuzzleFile(const Puzzle& p, const std::string& fileName) {
    try {
        return replaceFile(fileName, puzzleFileText(p));
    } catch (const std::exception&) {
        return false;
    }
}

void savePuzzle(Puzzle& p, WindowState& window, Host& host) {
    window.dialogFileName = host.showSave(kPuzzleFilter, window.dialogFileName);
    if (window.dialogFileName.empty()) return;
    host.setBusy(true);
    p.shown = false;
    // Failures are silent; the earlier file, if any, is left as it was.
    savePuzzleFile(p, window.dialogFileName);
    p.shown = true;
    host.setBusy(false);
}

void openPuzzle(Puzzle& p, WindowState& window, Host& host) {
    window.dialogFileName = host.showOpen(kPuzzleFilter, window.dialogFileName);
    openPuzzleFile(p, window, host, window.dialogFileName);
    host.setBusy(false);
}

void openPuzzleFile(Puzzle& p, WindowState& window, Host& host, const std::string& fileName) {
    const std::string name = trimSpaces(fileName);
    if (name.size() < 4) return;
    if (loadPuzzleFile(p, host, name).loaded())
        fitGrid(window.gridFrame, p.grid.rowCount(), p.grid.columnCount(), window.width,
                window.height);
}

}  // namespace lettermaze
