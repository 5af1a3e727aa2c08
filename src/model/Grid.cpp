#include "model/Grid.h"

#include <algorithm>

namespace lettermaze {

void Grid::reshape(int rows, int cols) {
    if (rows < 1 || cols < 1) throw GridRangeError("grid needs at least one row and column");
    if (rows == rows_ && cols == cols_) return;
    std::vector<std::string> cells(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols));
    std::vector<std::int32_t> colours(cells.size(), kWhite);
    for (int r = 0; r < std::min(rows, rows_); ++r)
        for (int c = 0; c < std::min(cols, cols_); ++c) {
            const auto from = static_cast<std::size_t>(r) * static_cast<std::size_t>(cols_) +
                              static_cast<std::size_t>(c);
            const auto to = static_cast<std::size_t>(r) * static_cast<std::size_t>(cols) +
                            static_cast<std::size_t>(c);
            cells[to] = std::move(cells_[from]);
            colours[to] = colours_[from];
        }
    cells_ = std::move(cells);
    colours_ = std::move(colours);
    rows_ = rows;
    cols_ = cols;
    row_ = std::min(row_, rows_ - 1);
    col_ = std::min(col_, cols_ - 1);
    rowSel_ = std::min(rowSel_, rows_ - 1);
    colSel_ = std::min(colSel_, cols_ - 1);
    touch();
}

void Grid::setRowCount(int rows) { reshape(rows, cols_); }
void Grid::setColumnCount(int cols) { reshape(rows_, cols); }

void Grid::setCursorRow(int row) {
    if (row < 0 || row >= rows_) throw GridRangeError("row out of range");
    row_ = row;
    rowSel_ = row_;
    colSel_ = col_;
}

void Grid::setCursorColumn(int col) {
    if (col < 0 || col >= cols_) throw GridRangeError("column out of range");
    col_ = col;
    rowSel_ = row_;
    colSel_ = col_;
}

void Grid::setSelectionRow(int row) {
    if (row < 0 || row >= rows_) throw GridRangeError("row out of range");
    rowSel_ = row;
}

void Grid::setSelectionColumn(int col) {
    if (col < 0 || col >= cols_) throw GridRangeError("column out of range");
    colSel_ = col;
}

}  // namespace lettermaze
