// Feeds arbitrary bytes to the puzzle loader. Whatever loads is saved and loaded again: that
// must never fail, and when every text in the puzzle is one the file format can carry as it
// stands, saving the reloaded puzzle must give back exactly the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/QuietHost.h"
#include "files/PuzzleFile.h"
#include "model/Text1252.h"

using namespace lettermaze;

namespace {

// Small grids keep every run fast; the sections' rules do not depend on the size.
constexpr int kFuzzMaxCount = 64;

// Text that reads back as itself from a line of its own: no field separators or quotes, no
// line breaks.
bool plain(const std::string& s) {
    return s.find_first_of(",\"\r\n") == std::string::npos;
}

bool canCarryExactly(const Puzzle& p) {
    const Grid& g = p.grid;
    for (int r = 0; r < g.rowCount(); ++r) {
        std::string line;
        for (int c = 0; c < g.columnCount(); ++c) line += g.letterAt(r, c);
        // Letter lines are trimmed when read, so a row may not begin or end with a space.
        if (!plain(line) || trimSpaces(line) != line) return false;
    }
    for (const auto* list : {&p.hiddenWords, &p.foundWords})
        for (const std::string& w : list->items())
            if (!plain(w)) return false;
    // The records read back are as many as the lists hold words, and a field that was never
    // filled reads back as an empty word or 0.
    const std::size_t words = static_cast<std::size_t>(p.hiddenWords.count()) +
                              static_cast<std::size_t>(p.foundWords.count());
    if (p.placements.size() != words) return false;
    for (const PlacementRecord& rec : p.placements) {
        if (!rec.word || !rec.x1 || !rec.y1 || !rec.x2 || !rec.y2) return false;
        if (!plain(*rec.word) || *rec.word == "E") return false;
    }
    return true;
}

void check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    LoadLimits limits;
    limits.maxCount = kFuzzMaxCount;
    QuietHost host;
    Puzzle p;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (!loadPuzzle(p, host, bytes, limits).loaded()) return 0;

    check(p.shown);
    check(p.inPlay == (p.hiddenWords.count() > 0));
    for (int r = 0; r < p.grid.rowCount(); ++r)
        for (int c = 0; c < p.grid.columnCount(); ++c) check(p.grid.letterAt(r, c).size() <= 1);

    const std::string saved = puzzleFileText(p);
    Puzzle again;
    const LoadResult reloaded = loadPuzzle(again, host, saved, limits);
    if (canCarryExactly(p)) {
        check(reloaded.loaded());
        check(puzzleFileText(again) == saved);
    }
    return 0;
}
