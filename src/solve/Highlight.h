#pragma once
// Colours of found words. Each line gets a random shade from a family chosen by its direction,
// so words running the same way look alike; a cell where found words cross takes the average of
// its colours, so crossings stay visible. White means "no found word here".
#include <cstdint>

#include "model/Grid.h"
#include "model/Puzzle.h"
#include "model/Random.h"

namespace lettermaze {

// The four kinds of straight line; each covers both senses of travel.
enum class LineKind { Vertical, Horizontal, Falling, Rising };

// A random shade of the kind's colour family. Draws exactly three numbers, red's first.
std::int32_t pickHighlight(LineKind kind, Random& rnd);

// The colour a fraction t of the way from c1 to c2, channel by channel, rounded down.
std::int32_t blendColour(std::int32_t c1, std::int32_t c2, double t);

// Colours the n steps of a line (s is the sign of n) starting on the cursor cell, blending with
// any colour a cell already has. Leaves the cursor on the line's last cell.
void paintWord(Grid& g, LineKind kind, int n, int s, std::int32_t colour);

// Whitens every cell and moves every found word back to the hidden list. Leaves the cursor on
// the bottom-right cell.
void clearGrid(Puzzle& p);

}  // namespace lettermaze
