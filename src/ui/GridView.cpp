#include "ui/GridView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <cstdlib>

#include "solve/Matcher.h"
#include "ui/Codec.h"
#include "ui/Twips.h"

namespace lettermaze::ui {

namespace {
QColor fromModel(std::int32_t c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// The marker takes the middle shade of the colour family a found word in that direction gets,
// so the player sees beforehand which way the line runs.
QColor markerColour(LineKind kind) {
    switch (kind) {
        case LineKind::Vertical:
            return QColor(228, 233, 13);  // yellow
        case LineKind::Horizontal:
            return QColor(228, 178, 13);  // orange
        case LineKind::Falling:
            return QColor(111, 228, 13);
        case LineKind::Rising:
            return QColor(134, 228, 13);
    }
    return QColor(228, 233, 13);
}
}  // namespace

GridView::GridView(Puzzle& puzzle, const GridFrame& frame, QWidget* parent)
    : QAbstractScrollArea(parent), puzzle_(puzzle), frame_(frame) {
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    setLineWidth(1);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    setVisible(false);
}

int GridView::cellWidth() const {
    return px(frame_.columnWidth);
}
int GridView::cellHeight() const {
    return px(frame_.rowHeight);
}

QRect GridView::cellRect(int row, int col) const {
    return QRect(col * cellWidth() - horizontalScrollBar()->value(),
                 row * cellHeight() - verticalScrollBar()->value(), cellWidth(), cellHeight());
}

QPoint GridView::cellCenter(int row, int col) const {
    return cellRect(row, col).center();
}

std::optional<Cell> GridView::cellAt(const QPoint& pos) const {
    if (!viewport()->rect().contains(pos)) return std::nullopt;
    const int x = pos.x() + horizontalScrollBar()->value();
    const int y = pos.y() + verticalScrollBar()->value();
    if (x < 0 || y < 0) return std::nullopt;
    const int col = x / cellWidth(), row = y / cellHeight();
    if (row >= puzzle_.grid.rowCount() || col >= puzzle_.grid.columnCount()) return std::nullopt;
    return Cell{row, col};
}

std::optional<std::pair<Cell, Cell>> GridView::pendingLine() const {
    if (dragging_ && hover_) return std::make_pair(anchor_, *hover_);
    if (keyAnchor_)
        return std::make_pair(*keyAnchor_,
                              Cell{puzzle_.grid.cursorRow(), puzzle_.grid.cursorColumn()});
    return std::nullopt;
}

void GridView::syncFromModel() {
    const GridFrame& g = frame_;
    // The model's size is the cells' area; the frame goes around it, so a grid fitted to its
    // cells shows every cell whole.
    const int f = frameWidth();
    setGeometry(pxRect(g.left, g.top, g.width, g.height).adjusted(0, 0, 2 * f, 2 * f));
    const bool h = g.scrollBars == 1 || g.scrollBars == 3;
    const bool v = g.scrollBars == 2 || g.scrollBars == 3;
    // The bars the fitting asks for are always there; the other side still scrolls when a bar
    // covers the last row or column, so no letter is ever out of reach.
    setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    updateScrollRanges();
    if (isHidden() == puzzle_.shown) setVisible(puzzle_.shown);
    viewport()->update();
}

void GridView::updateScrollRanges() {
    // Work out the bars from the whole area inside the frame, not from the viewport of the
    // moment, or a bar that once appeared would keep itself there by narrowing the viewport.
    const int f = frameWidth();
    const QSize area = rect().adjusted(f, f, -f, -f).size();
    const int contentW = puzzle_.grid.columnCount() * cellWidth(),
              contentH = puzzle_.grid.rowCount() * cellHeight();
    const int barH = horizontalScrollBar()->sizeHint().height();
    const int barW = verticalScrollBar()->sizeHint().width();
    bool needH = horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn || contentW > area.width();
    bool needV = verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn ||
                 contentH > area.height() - (needH ? barH : 0);
    needH = needH || contentW > area.width() - (needV ? barW : 0);
    const int vpW = area.width() - (needV ? barW : 0), vpH = area.height() - (needH ? barH : 0);
    horizontalScrollBar()->setRange(0, std::max(0, contentW - vpW));
    horizontalScrollBar()->setPageStep(std::max(1, vpW));
    horizontalScrollBar()->setSingleStep(cellWidth());
    verticalScrollBar()->setRange(0, std::max(0, contentH - vpH));
    verticalScrollBar()->setPageStep(std::max(1, vpH));
    verticalScrollBar()->setSingleStep(cellHeight());
}

void GridView::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    updateScrollRanges();
}

void GridView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Window));
    const Grid& g = puzzle_.grid;
    const int cw = cellWidth(), ch = cellHeight();
    const int firstCol = horizontalScrollBar()->value() / cw;
    const int firstRow = verticalScrollBar()->value() / ch;
    const int lastCol = std::min(g.columnCount() - 1, firstCol + viewport()->width() / cw + 1);
    const int lastRow = std::min(g.rowCount() - 1, firstRow + viewport()->height() / ch + 1);
    painter.setFont(font());
    const QPen gridPen(QColor(192, 192, 192));
    for (int r = firstRow; r <= lastRow; ++r) {
        for (int c = firstCol; c <= lastCol; ++c) {
            const QRect rect = cellRect(r, c);
            painter.fillRect(rect, fromModel(g.colourAt(r, c)));
            painter.setPen(gridPen);
            painter.drawLine(rect.topRight(), rect.bottomRight());
            painter.drawLine(rect.bottomLeft(), rect.bottomRight());
            painter.setPen(Qt::black);
            painter.drawText(rect, Qt::AlignCenter, toQt(g.letterAt(r, c)));
        }
    }
    if (hasFocus()) {
        // The keyboard cursor, so a player without a mouse sees where the next mark goes.
        QPen focusPen(QColor(0, 0, 160), 2, Qt::DotLine);
        painter.setPen(focusPen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cellRect(g.cursorRow(), g.cursorColumn()).adjusted(1, 1, -2, -2));
    }
    if (const auto line = pendingLine()) paintMarker(painter, line->first, line->second);
}

void GridView::paintMarker(QPainter& painter, const Cell& from, const Cell& to) {
    const QPointF a = cellRect(from.row, from.col).center();
    const QPointF b = cellRect(to.row, to.col).center();
    painter.setRenderHint(QPainter::Antialiasing);
    const Line line = classifyLine(from.row, from.col, to.row, to.col);
    if (line.shape != LineShape::NotALine) {
        // A capsule around the letters, as a pen would ring a word on paper.
        QColor fill = markerColour(line.kind);
        fill.setAlpha(110);
        QPen pen(fill.darker(150), 2);
        const qreal radius = std::min(cellWidth(), cellHeight()) * 0.45;
        QPainterPathStroker stroker;
        stroker.setWidth(radius * 2);
        stroker.setCapStyle(Qt::RoundCap);
        QPainterPath spine;
        spine.moveTo(a);
        spine.lineTo(b == a ? b + QPointF(0.01, 0) : b);
        const QPainterPath capsule = stroker.createStroke(spine);
        painter.setPen(pen);
        painter.setBrush(fill);
        painter.drawPath(capsule);
    } else {
        // Not one of the eight directions: a thin dashed line and a cross at the end say that
        // letting go here tests nothing.
        QPen pen(QColor(170, 0, 0), 2, Qt::DashLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawLine(a, b);
        const qreal k = std::min(cellWidth(), cellHeight()) * 0.3;
        painter.setPen(QPen(QColor(170, 0, 0), 2));
        painter.drawLine(b + QPointF(-k, -k), b + QPointF(k, k));
        painter.drawLine(b + QPointF(-k, k), b + QPointF(k, -k));
    }
}

void GridView::mousePressEvent(QMouseEvent* e) {
    setFocus(Qt::MouseFocusReason);
    if (e->button() != Qt::LeftButton) return;
    const auto cell = cellAt(e->position().toPoint());
    if (!cell) return;
    keyAnchor_.reset();
    puzzle_.grid.setCursorRow(cell->row);
    puzzle_.grid.setCursorColumn(cell->col);
    anchor_ = *cell;
    hover_ = cell;
    dragging_ = true;
    viewport()->update();
}

void GridView::mouseMoveEvent(QMouseEvent* e) {
    if (!dragging_) return;
    const QPoint pos = e->position().toPoint();
    // Dragging past an edge scrolls the grid so long words on large grids can be reached.
    if (pos.x() < 0) horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    if (pos.x() >= viewport()->width())
        horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    if (pos.y() < 0) verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    if (pos.y() >= viewport()->height())
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    const auto cell = cellAt(pos);
    if (cell != hover_) {
        hover_ = cell;
        viewport()->update();
    }
}

void GridView::mouseReleaseEvent(QMouseEvent* e) {
    int button = 0;
    switch (e->button()) {
        case Qt::LeftButton:
            button = 1;
            break;
        case Qt::RightButton:
            button = 2;
            break;
        case Qt::MiddleButton:
            button = 4;
            break;
        default:
            return;
    }
    if (button == 1) {
        if (!dragging_) return;  // the press was not on a letter
        dragging_ = false;
        hover_.reset();
        // The end cell is exactly where the button came up; let go off the letters and the
        // line ends on its own anchor, which tests nothing.
        const auto end = cellAt(e->position().toPoint());
        if (end) {
            puzzle_.grid.setSelectionRow(end->row);
            puzzle_.grid.setSelectionColumn(end->col);
        }
        viewport()->update();
    }
    emit released(button);
}

void GridView::keyPressEvent(QKeyEvent* e) {
    Grid& g = puzzle_.grid;
    int row = g.cursorRow(), col = g.cursorColumn();
    switch (e->key()) {
        case Qt::Key_Left:
            col = std::max(0, col - 1);
            break;
        case Qt::Key_Right:
            col = std::min(g.columnCount() - 1, col + 1);
            break;
        case Qt::Key_Up:
            row = std::max(0, row - 1);
            break;
        case Qt::Key_Down:
            row = std::min(g.rowCount() - 1, row + 1);
            break;
        case Qt::Key_Home:
            col = 0;
            break;
        case Qt::Key_End:
            col = g.columnCount() - 1;
            break;
        case Qt::Key_Escape:
            if (!keyAnchor_) return QAbstractScrollArea::keyPressEvent(e);
            keyAnchor_.reset();
            viewport()->update();
            return;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!keyAnchor_) {
                keyAnchor_ = Cell{row, col};
                viewport()->update();
                return;
            } else {
                const Cell first = *keyAnchor_;
                keyAnchor_.reset();
                g.setCursorRow(first.row);
                g.setCursorColumn(first.col);
                g.setSelectionRow(row);
                g.setSelectionColumn(col);
                viewport()->update();
                emit released(1);
                return;
            }
        default:
            return QAbstractScrollArea::keyPressEvent(e);
    }
    if (row != g.cursorRow()) g.setCursorRow(row);
    if (col != g.cursorColumn()) g.setCursorColumn(col);
    ensureCellVisible({row, col});
    viewport()->update();
}

void GridView::focusOutEvent(QFocusEvent* e) {
    QAbstractScrollArea::focusOutEvent(e);
    viewport()->update();
}

void GridView::ensureCellVisible(const Cell& c) {
    const QRect r = cellRect(c.row, c.col);
    const QRect vp = viewport()->rect();
    if (r.left() < 0) horizontalScrollBar()->setValue(horizontalScrollBar()->value() + r.left());
    if (r.right() > vp.right())
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + r.right() - vp.right());
    if (r.top() < 0) verticalScrollBar()->setValue(verticalScrollBar()->value() + r.top());
    if (r.bottom() > vp.bottom())
        verticalScrollBar()->setValue(verticalScrollBar()->value() + r.bottom() - vp.bottom());
}

}  // namespace lettermaze::ui
