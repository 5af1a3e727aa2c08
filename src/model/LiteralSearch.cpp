#include "model/LiteralSearch.h"

namespace lettermaze {

void LiteralSearch::attach(std::vector<GridCell>& cells, int cols, int rows) {
    cells_ = &cells;
    cols_ = cols;
    rows_ = rows;
}

bool LiteralSearch::accepts(std::string_view text, Direction d, int x, int y) {
    const int dx = stepX(d), dy = stepY(d);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const GridCell c = at(x + dx * static_cast<int>(i), y + dy * static_cast<int>(i));
        if (c != kEmptyCell && c != cellOf(text[i])) return false;
    }
    return true;
}

std::optional<Spot> LiteralSearch::find(std::string_view text, Direction d, Random& rnd) {
    const int L = static_cast<int>(text.size());
    const int cols = cols_, rows = rows_;
    int x0 = 0, xLast = 0;
    switch (d) {
        case Direction::Down:
            x0 = scaledDraw(rnd, cols) + 1;
            xLast = cols;
            break;
        case Direction::Right:
        case Direction::DownRight:
            x0 = scaledDraw(rnd, cols - L) + 1;
            xLast = cols - L + 1;
            break;
        case Direction::DownLeft:
            x0 = scaledDraw(rnd, cols - L) + L;
            xLast = cols;
            break;
    }
    for (int x = x0; x <= xLast; ++x) {
        int y0 = 0, yLast = 0;
        if (d == Direction::Right) {
            y0 = scaledDraw(rnd, rows) + 1;
            yLast = rows;
        } else {
            y0 = scaledDraw(rnd, rows - L) + 1;
            yLast = rows - L + 1;
        }
        for (int y = y0; y <= yLast; ++y)
            if (accepts(text, d, x, y)) return Spot{x, y};
    }
    return std::nullopt;
}

void LiteralSearch::write(std::string_view text, Direction d, Spot s) {
    const int dx = stepX(d), dy = stepY(d);
    for (std::size_t i = 0; i < text.size(); ++i)
        at(s.x + dx * static_cast<int>(i), s.y + dy * static_cast<int>(i)) = cellOf(text[i]);
}

}  // namespace lettermaze
