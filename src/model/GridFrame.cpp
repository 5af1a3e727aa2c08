#include "model/GridFrame.h"

#include <algorithm>

namespace lettermaze {

void fitGrid(GridFrame& f, int rows, int columns, int windowWidth, int windowHeight) {
    f.scrollBars = 0;
    f.columnWidth = kColumnWidth;
    const long right = f.left + static_cast<long>(f.columnWidth) * columns;
    const long bottom = f.top + static_cast<long>(f.rowHeight) * rows;
    if (windowWidth < right) {
        f.width = windowWidth - f.left - kFitRightMargin;
        f.scrollBars = 1;
    } else {
        f.width = f.columnWidth * columns;
    }
    if (windowHeight - kFitBottomMargin < bottom) {
        f.height = windowHeight - f.top - kFitBottomMargin;
        f.scrollBars = f.scrollBars == 0 ? 2 : 3;
    } else {
        f.height = f.rowHeight * rows;
    }
    // A window too small for any grid still leaves a sliver the user can scroll, rather than
    // a grid of no size that looks like no puzzle at all.
    f.width = std::max(f.width, kColumnWidth);
    f.height = std::max(f.height, f.rowHeight);
}

}  // namespace lettermaze
