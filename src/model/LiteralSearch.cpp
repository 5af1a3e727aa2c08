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

int LiteralSearch::firstStart(std::string_view text, Direction d, int x, int from, int lastRow) {
    for (int y = from; y <= lastRow; ++y)
        if (accepts(text, d, x, y)) return y;
    return 0;
}

template <class Rng>
std::optional<Spot> LiteralSearch::findWith(std::string_view text, Direction d, Rng& rnd) {
    const ScanShape shape(d, static_cast<int>(text.size()), cols_, rows_);
    const bool everyColumn = draws_ == Draws::EveryColumn;
    if (!everyColumn) {
        bool anyStart = false;
        for (int x = shape.firstColumn; x <= shape.lastColumn && !anyStart; ++x)
            anyStart = firstStart(text, d, x, 1, shape.lastRow) != 0;
        if (!anyStart) return std::nullopt;
    }
    const int x0 = shape.column(rnd.next());
    for (int x = x0; x <= shape.lastColumn; ++x) {
        int first = 0;  // the column's first start, when worked out
        if (!everyColumn) {
            first = firstStart(text, d, x, 1, shape.lastRow);
            if (first == 0) continue;
        }
        const int y0 = shape.row(rnd.next());
        // Rows above the first start cannot hold one.
        const int y = first != 0 && y0 <= first ? first : firstStart(text, d, x, y0, shape.lastRow);
        if (y != 0) return Spot{x, y};
    }
    return std::nullopt;
}

void LiteralSearch::write(std::string_view text, Direction d, Spot s) {
    const int dx = stepX(d), dy = stepY(d);
    for (std::size_t i = 0; i < text.size(); ++i)
        at(s.x + dx * static_cast<int>(i), s.y + dy * static_cast<int>(i)) = cellOf(text[i]);
}

}  // namespace lettermaze
