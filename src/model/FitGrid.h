#pragma once
// Sizes the grid to its cells when they fit in the window, and otherwise to the window less a
// margin of 240 twips on the right and 1000 at the bottom, with scroll bars on the side or sides
// that do not fit. All lengths are twips; W and H are the window's inner size.
#include "model/Puzzle.h"

namespace lettermaze {

inline constexpr int kFitRightMargin = 240;
inline constexpr int kFitBottomMargin = 1000;
inline constexpr int kColumnWidth = 300;

void FitGrid(Grid& g, int windowWidth, int windowHeight);
inline void FitGrid(Puzzle& p) { FitGrid(p.FG, p.WindowWidth, p.WindowHeight); }

}  // namespace lettermaze
