#pragma once
// A label whose last word is drawn centred on a fixed point, however wide the font draws the
// spaces before it: "Grid size:" then many spaces then an "x" that must show between two boxes
// laid over the label.
#include <QLabel>

namespace lettermaze::ui {

class GapLabel : public QLabel {
public:
    GapLabel(const QString& text, int tailCentre, QWidget* parent = nullptr)
        : QLabel(text, parent), tailCentre_(tailCentre) {}

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int tailCentre_;
};

}  // namespace lettermaze::ui
