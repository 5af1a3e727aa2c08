// Highlight colours. pickHighlight draws one number per channel and scales it into the channel's
// range for the line's direction: vertical lines come out yellow, horizontal ones orange and the
// two diagonals in neighbouring yellow-greens; blue stays at or below 25, so no highlight, and
// no average of highlights, can ever be white. paintWord walks the cursor along the line like
// the grid control's own cursor, so the window and the saved colours see the same cells.
#include "solve/Highlight.h"

#include <cmath>

namespace lettermaze {

namespace {

struct ChannelRange {
    int width;
    int base;
};

struct Family {
    ChannelRange red, green, blue;
};

Family familyOf(LineKind kind) {
    switch (kind) {
        case LineKind::Vertical:
            return {{56, 200}, {46, 210}, {26, 0}};
        case LineKind::Horizontal:
            return {{56, 200}, {56, 150}, {26, 0}};
        case LineKind::Falling:
            return {{23, 100}, {56, 200}, {26, 0}};
        case LineKind::Rising:
            return {{23, 123}, {56, 200}, {26, 0}};
    }
    return {{56, 200}, {46, 210}, {26, 0}};
}

// Worked in double: a single-precision product can round up to the top of the range
// (0.99999994 x 56 would become 56) and spill into the next channel.
int scaled(float r, ChannelRange range) {
    return static_cast<int>(std::floor(static_cast<double>(r) * range.width + range.base));
}

std::int32_t blendChannel(std::int32_t x1, std::int32_t x2, double t) {
    return static_cast<std::int32_t>(std::floor((x2 - x1) * t + x1));
}

}  // namespace

std::int32_t pickHighlight(LineKind kind, Random& rnd) {
    const Family f = familyOf(kind);
    const float r1 = rnd.next();
    const float r2 = rnd.next();
    const float r3 = rnd.next();
    return scaled(r1, f.red) + 256 * scaled(r2, f.green) + 65536 * scaled(r3, f.blue);
}

std::int32_t blendColour(std::int32_t c1, std::int32_t c2, double t) {
    // Integer division truncates toward zero, as the colour's definition asks.
    const std::int32_t red = blendChannel(c1 % 256, c2 % 256, t);
    const std::int32_t green = blendChannel((c1 / 256) % 256, (c2 / 256) % 256, t);
    const std::int32_t blue = blendChannel(c1 / 65536, c2 / 65536, t);
    const std::int64_t colour =
        std::int64_t{red} + 256 * std::int64_t{green} + 65536 * std::int64_t{blue};
    return static_cast<std::int32_t>(colour);
}

void paintWord(Grid& g, LineKind kind, int n, int s, std::int32_t colour) {
    const int steps = n < 0 ? -n : n;
    for (int k = 0; k <= steps; ++k) {
        const std::int32_t current = g.cursorColour();
        g.setCursorColour(current == kWhite ? colour : blendColour(colour, current, 0.5));
        if (k == steps) break;
        switch (kind) {
            case LineKind::Vertical:
                g.setCursorRow(g.cursorRow() + s);
                break;
            case LineKind::Horizontal:
                g.setCursorColumn(g.cursorColumn() + s);
                break;
            case LineKind::Falling:
                g.setCursorRow(g.cursorRow() + s);
                g.setCursorColumn(g.cursorColumn() + s);
                break;
            case LineKind::Rising:
                g.setCursorRow(g.cursorRow() - s);
                g.setCursorColumn(g.cursorColumn() + s);
                break;
        }
    }
    g.touch();
}

void clearGrid(Puzzle& p) {
    Grid& g = p.grid;
    for (int c = 0; c < g.columnCount(); ++c) {
        for (int r = 0; r < g.rowCount(); ++r) {
            g.setCursorRow(r);
            g.setCursorColumn(c);
            g.setCursorColour(kWhite);
        }
    }
    g.touch();
    for (int i = 0; i < p.foundWords.count(); ++i) p.hiddenWords.add(p.foundWords.at(i));
    p.foundWords.clear();
}

}  // namespace lettermaze
