#pragma once
// Sizes the grid to its cells when they fit in the window, and otherwise to the window less a
// margin of 240 twips on the right and 1000 at the bottom, with scroll bars on the side or sides
// that do not fit. All lengths are twips.
namespace lettermaze {

inline constexpr int kFitRightMargin = 240;
inline constexpr int kFitBottomMargin = 1000;
inline constexpr int kColumnWidth = 300;

// Where the grid sits in the window and how big it is drawn, in twips.
struct GridFrame {
    int left = 6240;
    int top = 120;
    int width = 6495;
    int height = 5055;
    int scrollBars = 0;     // 0 none, 1 horizontal, 2 vertical, 3 both
    int columnWidth = 300;  // every column has the same width in this program
    int rowHeight = 240;    // the grid's own row height, set by the view from its font
};

void fitGrid(GridFrame& frame, int rows, int columns, int windowWidth, int windowHeight);

}  // namespace lettermaze
