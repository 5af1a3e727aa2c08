#pragma once
// The letter grid: the authoritative copy of what the window's grid view shows. Cells are
// addressed 0-based (row, column); the generator and the placement records count from 1.
// Like the flex grid it stands for, it has a cursor cell (Row, Col) whose background colour is
// read and written, and a selection whose far corner (RowSel, ColSel) collapses onto the cursor
// whenever Row or Col is set.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace lettermaze {

inline constexpr std::int32_t kWhite = 16777215;

// Raised by an access outside the grid; handlers that run under the program's quiet error
// trap (cheats, loading) catch it.
struct GridRangeError : std::out_of_range {
    using std::out_of_range::out_of_range;
};

class Grid {
public:
    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    // Changing a count keeps the cells both sizes share; new cells are empty and white.
    // A count below 1 is refused with GridRangeError (the grid always has at least one cell).
    void setRows(int rows);
    void setCols(int cols);

    const std::string& TextMatrix(int row, int col) const { return cells_[index(row, col)]; }
    void setTextMatrix(int row, int col, std::string text) { cells_[index(row, col)] = std::move(text); }
    std::int32_t backColor(int row, int col) const { return colours_[index(row, col)]; }
    void setBackColor(int row, int col, std::int32_t colour) { colours_[index(row, col)] = colour; }

    // Cursor and selection.
    int Row() const { return row_; }
    int Col() const { return col_; }
    int RowSel() const { return rowSel_; }
    int ColSel() const { return colSel_; }
    void setRow(int row);
    void setCol(int col);
    void setRowSel(int row);
    void setColSel(int col);
    std::int32_t CellBackColor() const { return backColor(row_, col_); }
    void setCellBackColor(std::int32_t colour) { setBackColor(row_, col_, colour); }

    // Whether a puzzle is on screen.
    bool Visible = false;

    // Geometry in twips, as the window lays it out (see FitGrid).
    int Left = 6240;
    int Top = 120;
    int Width = 6495;
    int Height = 5055;
    int ScrollBars = 0;  // 0 none, 1 horizontal, 2 vertical, 3 both
    int ColWidth = 300;  // every column has the same width in this program
    int RowHeight = 240;  // the grid's own row height, set by the view from its font

    // Bumped on every change of letters or colours, so a view can tell when to repaint.
    std::uint64_t revision() const { return revision_; }
    void touch() { ++revision_; }

private:
    std::size_t index(int row, int col) const {
        if (row < 0 || row >= rows_ || col < 0 || col >= cols_)
            throw GridRangeError("grid cell out of range");
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) +
               static_cast<std::size_t>(col);
    }
    void reshape(int rows, int cols);

    int rows_ = 2;
    int cols_ = 2;
    std::vector<std::string> cells_ = std::vector<std::string>(4);
    std::vector<std::int32_t> colours_ = std::vector<std::int32_t>(4, kWhite);
    int row_ = 0, col_ = 0, rowSel_ = 0, colSel_ = 0;
    std::uint64_t revision_ = 0;
};

}  // namespace lettermaze
