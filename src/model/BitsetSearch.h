#pragma once
// The fast search. For every column and every letter the words use, a bitset over the rows
// marks the cells that accept that letter (empty, or holding it). The start rows at which a
// text fits in a column are then the AND of its letters' bitsets, each shifted by the letter's
// offset along the run: length x (rows / 64) word operations instead of rows x length cell
// tests. The letters are ANDed in a spread-out order (first, middle, quarters, ...) rather than
// first to last: every start's run covers the middle of the word, so a crowded stretch of the
// column rules all starts out after a handful of letters.
// A word that finds no room is tried again and again on the same grid (up to 41 times, in at
// most two orientations and four directions), so each column's result is kept until the grid
// changes, and a repeated try costs one lookup per column; a text and direction known to fit
// nowhere cost nothing at all, as they draw nothing.
// In a roomy grid nearly every first candidate fits, and building bitsets would cost more than
// the whole literal scan. So a text and direction are first scanned cell by cell, looking at the
// draws the scan would make without taking them, for a few dozen candidates; only when that
// does not settle the try are the bitsets built (once per grid, then kept up to date by every
// write) and the columns' starts worked out. Either way the draws and the start found are those
// of the literal search.
#include <array>
#include <cstdint>
#include <string>

#include "model/PlacementSearch.h"

namespace lettermaze {

class BitsetSearch final : public PlacementSearch {
  public:
    // letters: the characters the texts will use (the letter pool); any other character is
    // taken on when first met.
    explicit BitsetSearch(const std::vector<char>& letters);

    void attach(std::vector<GridCell>& cells, int cols, int rows) override;
    std::optional<Spot> find(std::string_view text, Direction d, SeededRandom& rnd) override {
        return findWith(text, d, rnd);
    }
    std::optional<Spot> find(std::string_view text, Direction d, Random& rnd) override {
        return findWith(text, d, rnd);
    }
    void write(std::string_view text, Direction d, Spot s) override;

  private:
    // Where one letter of the text is read: its bitset relative to the scanned column (letter,
    // column and whole words down the run), and the bits left within a word.
    struct Probe {
        std::ptrdiff_t offset;
        int shift;
    };
    // The start rows of one text in one direction, column by column, worked out on demand.
    struct Starts {
        bool valid = false;                // set up for the current text and grid
        bool noneInRange = false;          // no column of the scan's range holds a start
        int lastStart = 0;                 // the last start row a column can offer
        int words = 0;                     // words of a column's mask
        std::vector<std::uint64_t> masks;  // word k of column x at k x cols + x - 1; bit r:
                                           // start row 64 k + r + 1
        std::vector<std::uint64_t> open;   // a column's mask before any letter is tested
        std::vector<std::uint8_t> known;   // per column: not yet worked out, no start, some
        std::vector<Probe> probes;         // in the order they are tested
    };

    // What a scan cell by cell made of a try before its budget ran out: a start, none (with
    // or without a start elsewhere in the scan's range) or nothing yet.
    enum class Verdict { Found, NoRoom, NoStartInRange, Undecided };

    template <class Rng>
    std::optional<Spot> findWith(std::string_view text, Direction d, Rng& rnd);
    template <class Rng>
    Verdict scanCells(std::string_view text, Direction d, const ScanShape& shape, Rng& rnd,
                      int& budget, Spot& found);
    template <class Rng>
    std::optional<Spot> scanColumns(Starts& starts, const ScanShape& shape, bool down, Rng& rnd);
    Starts& entryFor(std::string_view text, Direction d);
    void prepare(Starts& starts, Direction d);
    bool holdsStart(Starts& starts, bool down, int x, int last);
    template <int DY>
    void blockStarts(Starts& starts, int first, int last);
    bool accepts(std::string_view text, Direction d, int x, int y) const;
    const std::vector<int>& spreadOrder(std::size_t length);
    void forgetStarts();
    void learnLetters(std::string_view text);
    void resetBitsets();
    void build();
    void refuseOthers(int x, int y, char letter);

    std::vector<GridCell>* cells_ = nullptr;
    int cols_ = 0;
    int rows_ = 0;
    bool built_ = false;      // accept_ matches the cells
    int cellScanBudget_ = 0;  // candidates the next cell scan may test
    int unbuiltTests_ = 0;    // candidates the scans may still test before the bitsets are built
    int letters_ = 0;
    int stride_ = 0;                 // words of rows: rows / 64 rounded up, plus one spare
    std::ptrdiff_t wordStride_ = 0;  // bitsets of one word of rows: letters x columns

    std::array<int, 256> index_;  // letter -> its place in alphabet_, -1 when not there
    std::vector<unsigned char> alphabet_;
    // accept_[(word x letters_ + letter) x cols_ + column]: the columns of one letter and word
    // of rows lie side by side, so that a letter's pass over a block of columns reads them in
    // a row.
    std::vector<std::uint64_t> accept_;
    std::vector<std::vector<int>> orders_;  // spreadOrder's results by length
    // The text being tried, both ways round, and its results for each orientation (0 as
    // first seen, 1 reversed) and direction: slot 4 x orientation + direction.
    std::string forward_, backward_;
    int orientation_ = 0;  // of the text of the current find
    std::array<Starts, 8> starts_;
};

}  // namespace lettermaze
