#include "model/FitGrid.h"

#include <algorithm>

namespace lettermaze {

void FitGrid(Grid& g, int W, int H) {
    g.ScrollBars = 0;
    g.ColWidth = kColumnWidth;
    const long right = g.Left + static_cast<long>(g.ColWidth) * g.Cols();
    const long bottom = g.Top + static_cast<long>(g.RowHeight) * g.Rows();
    if (W < right) {
        g.Width = W - g.Left - kFitRightMargin;
        g.ScrollBars = 1;
    } else {
        g.Width = g.ColWidth * g.Cols();
    }
    if (H - kFitBottomMargin < bottom) {
        g.Height = H - g.Top - kFitBottomMargin;
        g.ScrollBars = g.ScrollBars == 0 ? 2 : 3;
    } else {
        g.Height = g.RowHeight * g.Rows();
    }
    // A window too small for any grid still leaves a sliver the user can scroll, rather than
    // a grid of no size that looks like no puzzle at all.
    g.Width = std::max(g.Width, kColumnWidth);
    g.Height = std::max(g.Height, g.RowHeight);
}

}  // namespace lettermaze
