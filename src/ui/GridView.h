#pragma once
// The letter grid on screen: draws the core Grid (letters and cell colours) and turns a drag, or
// the keyboard's mark-first-then-last, into the anchor and end cells the solver reads. While a
// line is being chosen it shows a marker from the anchor to the cell under the pointer.
#include <QAbstractScrollArea>
#include <optional>

#include "model/GridFrame.h"
#include "model/Puzzle.h"

namespace lettermaze::ui {

struct Cell {
    int row;
    int col;
    bool operator==(const Cell&) const = default;
};

class GridView : public QAbstractScrollArea {
    Q_OBJECT
public:
    GridView(Puzzle& puzzle, const GridFrame& frame, QWidget* parent = nullptr);

    // Re-reads visibility, geometry, scroll bars and cells from the model.
    void syncFromModel();

    int cellWidth() const;
    int cellHeight() const;
    // Where a cell's centre is, in viewport coordinates (tests drive the mouse with it).
    QPoint cellCenter(int row, int col) const;
    std::optional<Cell> cellAt(const QPoint& viewportPos) const;
    // The line being chosen, if any: anchor and the cell under the pointer or keyboard cursor.
    std::optional<std::pair<Cell, Cell>> pendingLine() const;

signals:
    // A mouse button came up over the grid (1 left, 2 right, 4 middle), with the anchor and end
    // cells already in the model's cursor and selection.
    void released(int button);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void focusOutEvent(QFocusEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void updateScrollRanges();
    void ensureCellVisible(const Cell& c);
    void paintMarker(QPainter& painter, const Cell& from, const Cell& to);
    QRect cellRect(int row, int col) const;

    Puzzle& puzzle_;
    const GridFrame& frame_;
    bool dragging_ = false;
    Cell anchor_{0, 0};
    std::optional<Cell> hover_;
    std::optional<Cell> keyAnchor_;
};

}  // namespace lettermaze::ui
