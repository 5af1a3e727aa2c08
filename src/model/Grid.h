#pragma once
// The letter grid: the authoritative copy of what the window's grid view shows. Cells are
// addressed 0-based (row, column); the generator and the placement records count from 1.
// A drag or a cheat works through a cursor cell, whose colour can be read and written, and a
// selection whose far corner collapses onto the cursor whenever the cursor moves.
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
    int rowCount() const { return rows_; }
    int columnCount() const { return cols_; }
    // Changing a count keeps the cells both sizes share; new cells are empty and white.
    // A count below 1 is refused with GridRangeError (the grid always has at least one cell).
    void setRowCount(int rows);
    void setColumnCount(int cols);

    const std::string& letterAt(int row, int col) const { return cells_[index(row, col)]; }
    void setLetterAt(int row, int col, std::string text) {
        cells_[index(row, col)] = std::move(text);
    }
    std::int32_t colourAt(int row, int col) const { return colours_[index(row, col)]; }
    void setColourAt(int row, int col, std::int32_t colour) { colours_[index(row, col)] = colour; }

    // Cursor and selection.
    int cursorRow() const { return row_; }
    int cursorColumn() const { return col_; }
    int selectionRow() const { return rowSel_; }
    int selectionColumn() const { return colSel_; }
    void setCursorRow(int row);
    void setCursorColumn(int col);
    void setSelectionRow(int row);
    void setSelectionColumn(int col);
    std::int32_t cursorColour() const { return colourAt(row_, col_); }
    void setCursorColour(std::int32_t colour) { setColourAt(row_, col_, colour); }

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
