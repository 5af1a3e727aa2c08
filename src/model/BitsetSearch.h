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
// changes, and a repeated try costs one lookup per column.
// The columns are still visited in scan order with one random first row drawn for each, so
// the random draws and the start found are exactly those of the literal search.
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
    std::optional<Spot> find(std::string_view text, Direction d, Random& rnd) override;
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
        bool valid = false;                // worked out for the current text and grid
        int lastStart = 0;                 // the last start row a column can offer
        int words = 0;                     // words of a column's mask
        std::vector<std::uint64_t> masks;  // per column; bit r: start row r + 1
        std::vector<std::uint64_t> open;   // a column's mask before any letter is tested
        std::vector<std::uint8_t> known;   // per column: not yet worked out, no start, some
        std::vector<Probe> probes;         // in the order they are tested
        int columnsLeft = 0;               // columns of the scan's range not yet worked out
        bool anyStart = false;             // some worked-out column has a start
    };

    Starts& startsFor(std::string_view text, Direction d);
    void forgetStarts();
    template <int DY>
    std::optional<Spot> scan(Starts& starts, int x0, int xLast, Random& rnd);
    template <int DY>
    void columnStarts(const Starts& starts, int x, std::uint64_t* out) const;
    const std::vector<int>& spreadOrder(std::size_t length);
    int letterIndex(char c);
    void rebuild();

    std::vector<GridCell>* cells_ = nullptr;
    int cols_ = 0;
    int rows_ = 0;
    int letters_ = 0;
    int stride_ = 0;        // words per column and letter: rows / 64 rounded up, plus one spare
    int columnStride_ = 0;  // words per column

    std::array<int, 256> index_;  // letter -> its place in alphabet_, -1 when not there
    std::vector<unsigned char> alphabet_;
    // accept_[(column x stride_ + word) x letters_ + letter]: the letters of one word of rows
    // lie side by side, so writing a cell clears one bit in a single short run.
    std::vector<std::uint64_t> accept_;
    std::vector<std::vector<int>> orders_;  // spreadOrder's results by length
    // The text being tried, both ways round, and its results for each orientation (0 as
    // first seen, 1 reversed) and direction: slot 4 x orientation + direction.
    std::string forward_, backward_;
    std::array<std::vector<int>, 2> spreadLetters_;  // their letters in spreadOrder
    std::array<Starts, 8> starts_;
};

}  // namespace lettermaze
