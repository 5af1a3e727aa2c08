#pragma once
// Finding room for a word in a working grid. A try picks a direction; the search then scans the
// columns from a random first column on and, in each column, the rows from a random first row
// on, and takes the first start whose cells all accept the word (each empty or already holding
// that very letter). The random starts never wrap: columns left of the first and rows above a
// column's first row are not tried.
//
// The draws. A draw whose value cannot change the outcome is not made:
// - a column's first row is drawn only when the column holds at least one start;
// - the first column is drawn only when some column of the scan's range (every column a first
//   column could be, through the last one scanned) holds a start.
// The draws are independent and the skipped ones would never be read, so every placement keeps
// exactly the probability it had when every column drew its row; but a word that fits nowhere
// costs its try two draws instead of one for each column.
//
// Two searches implement this: a literal one that tests cell after cell, kept as the reference,
// and a fast one (BitsetSearch). Both draw the same random numbers in the same order and pick
// the same start.
#include <optional>
#include <string_view>
#include <vector>

#include "model/GenerationScratch.h"
#include "model/Random.h"

namespace lettermaze {

enum class Direction { Down, Right, DownRight, DownLeft };

// The direction a random draw picks from three rising thresholds: down up to the first, then
// down-right, down-left and, above the last, right. The thresholds passed are counted rather
// than branched on, since branches on random draws are mispredicted half the time.
inline Direction directionPast(float r, float downRight, float downLeft, float right) {
    static constexpr Direction kByPassed[4] = {Direction::Down, Direction::DownRight,
                                               Direction::DownLeft, Direction::Right};
    return kByPassed[(r > downRight) + (r > downLeft) + (r > right)];
}

// Step from one letter to the next, in 1-based model coordinates.
inline int stepX(Direction d) {
    return d == Direction::Right || d == Direction::DownRight ? 1
           : d == Direction::DownLeft                         ? -1
                                                              : 0;
}
inline int stepY(Direction d) {
    return d == Direction::Right ? 0 : 1;
}

// A start cell, 1-based column x and row y.
struct Spot {
    int x = 0;
    int y = 0;
    bool operator==(const Spot&) const = default;
};

// Whether a text of length L can lie in that direction at all.
inline bool fitsIn(Direction d, int length, int cols, int rows) {
    switch (d) {
        case Direction::Down:
            return length <= rows;
        case Direction::Right:
            return length <= cols;
        default:
            return length <= rows && length <= cols;
    }
}

// Int(r x n) for a draw r in [0, 1): exact in double, so never n itself.
inline int scaled(float r, int n) {
    return static_cast<int>(static_cast<double>(r) * n);
}
template <class Rng>
int scaledDraw(Rng& rnd, int n) {
    return scaled(rnd.next(), n);
}

// Where a scan in one direction may start, for a text of length L: its first column is
// Int(R x columnSpan) + firstColumn, it goes on to lastColumn; each column's first row is
// Int(R x rowSpan) + 1 and its rows go on to lastRow. Columns firstColumn to lastColumn are the
// scan's range.
struct ScanShape {
    int firstColumn, columnSpan, lastColumn;
    int rowSpan, lastRow;

    ScanShape(Direction d, int L, int cols, int rows) {
        const bool down = d != Direction::Right;
        firstColumn = d == Direction::DownLeft ? L : 1;
        columnSpan = d == Direction::Down ? cols : cols - L;
        lastColumn = d == Direction::Right || d == Direction::DownRight ? cols - L + 1 : cols;
        rowSpan = down ? rows - L : rows;
        lastRow = down ? rows - L + 1 : rows;
    }
    int column(float r) const { return scaled(r, columnSpan) + firstColumn; }
    int row(float r) const { return scaled(r, rowSpan) + 1; }
};

class PlacementSearch {
  public:
    virtual ~PlacementSearch() = default;
    // Works on these cells (column-major, cols x rows) from now on, taking them as they are.
    virtual void attach(std::vector<GridCell>& cells, int cols, int rows) = 0;
    // Draws the scan's random starts and returns the first start where text fits; nothing when
    // no start does. The caller has checked fitsIn. The program's own generator has an overload
    // of its own so that its draws are inlined; any other source goes through Random.
    virtual std::optional<Spot> find(std::string_view text, Direction d, SeededRandom& rnd) = 0;
    virtual std::optional<Spot> find(std::string_view text, Direction d, Random& rnd) = 0;
    // Writes text from start s in direction d.
    virtual void write(std::string_view text, Direction d, Spot s) = 0;
    // Whether the text of the last find fits nowhere on the grid as it is, in no direction and
    // neither way round: every further try of it will then fail, drawing only its own turn and
    // direction. A search that cannot tell cheaply says no.
    virtual bool lastTextFitsNowhere() { return false; }
};

}  // namespace lettermaze
