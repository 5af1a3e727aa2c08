#include "ui/GapLabel.h"

#include <QPainter>

namespace lettermaze::ui {

void GapLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const QString t = text();
    const qsizetype lastSpace = t.lastIndexOf(QLatin1Char(' '));
    const QFontMetrics fm(font());
    const int baseline = (height() + fm.ascent() - fm.descent()) / 2;
    if (lastSpace < 0) {
        painter.drawText(0, baseline, t);
        return;
    }
    const QString head = t.left(lastSpace).trimmed();
    const QString tail = t.mid(lastSpace + 1);
    painter.drawText(0, baseline, head);
    painter.drawText(tailCentre_ - fm.horizontalAdvance(tail) / 2, baseline, tail);
}

}  // namespace lettermaze::ui
