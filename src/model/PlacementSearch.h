#pragma once
// Finding room for a word in a working grid. A try picks a direction; the search then draws a
// random first column and, for every column it goes on to, a random first row, and takes the
// first start whose cells all accept the word (each empty or already holding that very letter).
// The random starts never wrap: columns left of the first and rows above each column's first
// row are not tried. Two searches implement this: a literal one that tests cell after cell,
// kept as the reference, and a fast one over per-letter bitsets (BitsetSearch). Both draw the
// same random numbers in the same order and pick the same start.
#include <optional>
#include <string_view>
#include <vector>

#include "model/GenerationScratch.h"
#include "model/Random.h"

namespace lettermaze {

enum class Direction { Down, Right, DownRight, DownLeft };

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
inline int scaledDraw(Random& rnd, int n) {
    return static_cast<int>(static_cast<double>(rnd.next()) * n);
}

class PlacementSearch {
  public:
    virtual ~PlacementSearch() = default;
    // Works on these cells (column-major, cols x rows) from now on, taking them as they are.
    virtual void attach(std::vector<GridCell>& cells, int cols, int rows) = 0;
    // Draws the scan's random starts and returns the first start where text fits; nothing when
    // no start does. The caller has checked fitsIn.
    virtual std::optional<Spot> find(std::string_view text, Direction d, Random& rnd) = 0;
    // Writes text from start s in direction d.
    virtual void write(std::string_view text, Direction d, Spot s) = 0;
};

}  // namespace lettermaze
