// Worksheet pages through Qt's PDF writer. Each sheet is the print page's "puzzle and word list"
// drawn for paper: a centred title, the grid as large as the printable width allows (letters
// centred in square cells), then "Find these words" with the words in balanced columns that
// read downwards. Everything is measured in the writer's device units (1200 per inch) so that
// fonts are sized in real points and small cells keep their precision.
//
// The grid shrinks to fit one sheet beside its word list. When that would take its letters below
// 4 pt it is cut instead into as few pieces as 4 pt allows, row bands from the top (a very wide
// grid also into column bands within each row band), each piece then as large as its sheet lets
// it be; the word list follows the last piece and runs on to further sheets only when it must.
#include "worksheet/Worksheet.h"

#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

namespace lettermaze::worksheet {

namespace {

constexpr double kMarginMm = 15;
constexpr double kMinLetterPt = 4;
constexpr double kWordListShare = 0.4;  // of the sheet's height, at most
constexpr double kWordListFloor = 0.2;  // at least, however tall the grid

// Fonts need a GUI application; the tool has none, and may run where there is no display.
void ensureApplication() {
    if (QGuiApplication::instance()) return;
    static int argc = 3;
    static char name[] = "lettermaze-cli", option[] = "-platform", platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    // Its start-up chatter (no runtime folder, and the like) means nothing for a PDF.
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
    qInstallMessageHandler(previous);
}

// Letters fill more of a small cell: at 12 pt cells and above they are 0.6 of the cell, at 6 pt
// and below 0.8, so the 4 pt floor is reached only at 5 pt cells.
double letterShare(double cellPt) {
    return 0.6 + 0.2 * std::clamp((12 - cellPt) / 6, 0.0, 1.0);
}
double letterPt(double cellPt) {
    return cellPt * letterShare(cellPt);
}
constexpr double kMinCellPt = 5;

QString text(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

class SheetWriter {
  public:
    SheetWriter(QPdfWriter& writer, QPainter& painter, const QString& family)
        : writer_(writer),
          painter_(painter),
          family_(family),
          unit_(writer.resolution() / 72.0),
          area_(QPointF(0, 0), writer.pageLayout().paintRect(QPageLayout::Point).size() * unit_) {}

    // Returns a note when the grid had to be split.
    std::string write(const Page& page);

  private:
    struct WordColumns {
        QFont font;
        int columns = 1;
        double lineHeight = 0;
        double height = 0;  // heading and every word, were there room for all
    };

    QFont font(double pt, bool bold = false) const {
        QFont f(family_);
        f.setPointSizeF(pt);
        f.setBold(bold);
        f.setHintingPreference(QFont::PreferNoHinting);
        return f;
    }
    double pt(double points) const { return points * unit_; }
    double lineHeight(const QFont& f) const { return QFontMetricsF(f, &writer_).lineSpacing(); }

    void startSheet(const Page& page);
    double drawTitle(const QString& title, double y);
    void drawGrid(const Page& page, int row0, int row1, int col0, int col1, double cell, double y);
    WordColumns wordColumns(const Page& page, double budget) const;
    void drawWords(const Page& page, double y, double budget);

    QPdfWriter& writer_;
    QPainter& painter_;
    QString family_;
    double unit_;
    QRectF area_;
    bool firstSheet_ = true;
    double bottom_ = 0;  // above the footer
};

void SheetWriter::startSheet(const Page& page) {
    if (!firstSheet_) writer_.newPage();
    firstSheet_ = false;
    bottom_ = area_.bottom();
    if (page.footer.empty()) return;
    bottom_ -= lineHeight(font(8)) + pt(4);
    painter_.setFont(font(8));
    painter_.setPen(QColor(110, 110, 110));
    painter_.drawText(area_, Qt::AlignHCenter | Qt::AlignBottom, text(page.footer));
    painter_.setPen(Qt::black);
}

double SheetWriter::drawTitle(const QString& title, double y) {
    if (title.isEmpty()) return y;
    const QFont f = font(20, true);
    const QFontMetricsF fm(f, &writer_);
    painter_.setFont(f);
    const QRectF box(area_.left(), y, area_.width(), fm.lineSpacing());
    painter_.drawText(box, Qt::AlignCenter, fm.elidedText(title, Qt::ElideRight, area_.width()));
    return box.bottom() + pt(8);
}

void SheetWriter::drawGrid(const Page& page, int row0, int row1, int col0, int col1, double cell,
                           double y) {
    const double x = area_.left() + (area_.width() - (col1 - col0) * cell) / 2;
    const QRectF frame(x, y, (col1 - col0) * cell, (row1 - row0) * cell);
    const auto cellRect = [&](int r, int c) {
        return QRectF(x + (c - col0) * cell, y + (r - row0) * cell, cell, cell);
    };
    if (!page.cellColours.empty())
        for (int r = row0; r < row1; ++r)
            for (int c = col0; c < col1; ++c) {
                const Colour k = page.cellColours[static_cast<std::size_t>(r * page.cols + c)];
                if (!k.white()) painter_.fillRect(cellRect(r, c), QColor(k.red, k.green, k.blue));
            }

    painter_.setPen(QPen(Qt::black, std::min(pt(0.5), cell * 0.06)));
    for (int r = row0 + 1; r < row1; ++r)
        painter_.drawLine(QPointF(frame.left(), cellRect(r, col0).top()),
                          QPointF(frame.right(), cellRect(r, col0).top()));
    for (int c = col0 + 1; c < col1; ++c)
        painter_.drawLine(QPointF(cellRect(row0, c).left(), frame.top()),
                          QPointF(cellRect(row0, c).left(), frame.bottom()));
    painter_.setPen(QPen(Qt::black, std::min(pt(1), cell * 0.12)));
    painter_.drawRect(frame);

    // A word's line runs from the middle of its first cell to the middle of its last, under the
    // letters so they stay readable; a piece of a split grid shows only its part of the line.
    painter_.save();
    painter_.setClipRect(frame);
    painter_.setPen(QPen(QColor(0, 0, 0, 120), cell * 0.1, Qt::SolidLine, Qt::RoundCap));
    for (const WordLine& l : page.lines)
        painter_.drawLine(cellRect(l.row1, l.col1).center(), cellRect(l.row2, l.col2).center());
    painter_.restore();

    const QFont f = font(letterPt(cell / unit_), cell >= pt(14));
    const QFontMetricsF fm(f, &writer_);
    painter_.setFont(f);
    painter_.setPen(Qt::black);
    for (int r = row0; r < row1; ++r)
        for (int c = col0; c < col1; ++c) {
            const QString letter = text(page.letters[static_cast<std::size_t>(r * page.cols + c)]);
            const QPointF centre = cellRect(r, c).center();
            painter_.drawText(QPointF(centre.x() - fm.horizontalAdvance(letter) / 2,
                                      centre.y() + fm.capHeight() / 2),
                              letter);
        }
}

SheetWriter::WordColumns SheetWriter::wordColumns(const Page& page, double budget) const {
    const int count = static_cast<int>(page.words.size());
    WordColumns best;
    for (double size : {14.0, 13.0, 12.0, 11.0, 10.0, 9.0, 8.0, 7.0}) {
        WordColumns w;
        w.font = font(size);
        const QFontMetricsF fm(w.font, &writer_);
        double widest = 0;
        for (const std::string& word : page.words)
            widest = std::max(widest, fm.horizontalAdvance(text(word)));
        const int fit = std::max(1, static_cast<int>(area_.width() / (widest + fm.height() * 1.5)));
        // At least three words to a column, so a short list does not straggle across the page.
        w.columns = std::clamp((count + 2) / 3, 1, fit);
        w.lineHeight = fm.lineSpacing();
        w.height = lineHeight(font(16, true)) + pt(4) +
                   std::ceil(static_cast<double>(count) / w.columns) * w.lineHeight;
        best = w;
        if (w.height <= budget) break;
    }
    return best;
}

void SheetWriter::drawWords(const Page& page, double y, double budget) {
    if (page.words.empty()) return;
    const WordColumns w = wordColumns(page, budget);
    const double headingHeight = lineHeight(font(16, true));
    if (y + headingHeight + w.lineHeight > bottom_) {
        startSheet(page);
        y = area_.top();
    }
    painter_.setFont(font(16, true));
    painter_.drawText(QRectF(area_.left(), y, area_.width(), headingHeight),
                      Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Find these words"));
    y += headingHeight + pt(4);
    const double pitch = area_.width() / w.columns;
    std::size_t next = 0;
    while (next < page.words.size()) {
        const auto fit =
            static_cast<std::size_t>(std::max(1.0, std::floor((bottom_ - y) / w.lineHeight)));
        const std::size_t chunk =
            std::min(page.words.size() - next, fit * static_cast<std::size_t>(w.columns));
        const std::size_t rows =
            (chunk + static_cast<std::size_t>(w.columns) - 1) / static_cast<std::size_t>(w.columns);
        painter_.setFont(w.font);
        for (std::size_t i = 0; i < chunk; ++i) {
            const QRectF box(area_.left() + static_cast<double>(i / rows) * pitch,
                             y + static_cast<double>(i % rows) * w.lineHeight, pitch, w.lineHeight);
            painter_.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text(page.words[next + i]));
        }
        next += chunk;
        if (next < page.words.size()) {
            startSheet(page);
            y = area_.top();
        }
    }
}

std::string SheetWriter::write(const Page& page) {
    startSheet(page);
    const QString title = text(page.title);
    const double titleHeight = title.isEmpty() ? 0 : lineHeight(font(20, true)) + pt(8);
    const double footerHeight = page.footer.empty() ? 0 : lineHeight(font(8)) + pt(4);
    const double free = area_.height() - titleHeight - footerHeight;
    const double gap = pt(14);
    // The word list takes what a grid as wide as the page leaves, shrinking its font for that,
    // but never less than a fifth of the sheet nor more than its share.
    const double leftOver = free - area_.width() * page.rows / page.cols - pt(14);
    const double budget = std::clamp(leftOver, free * kWordListFloor, free * kWordListShare);
    double words = 0;
    if (!page.words.empty()) words = std::min(wordColumns(page, budget).height, budget) + gap;
    double cell = std::min(area_.width() / page.cols, (free - words) / page.rows);

    if (letterPt(cell / unit_) >= kMinLetterPt) {
        const double y = drawTitle(title, area_.top());
        drawGrid(page, 0, page.rows, 0, page.cols, cell, y);
        drawWords(page, y + page.rows * cell + gap, budget);
        return {};
    }

    // As few pieces as 4 pt letters allow, then each piece as large as that many pieces let it be.
    const double bandHeight = free - lineHeight(font(9)) - pt(4);
    const int colBands = static_cast<int>(std::ceil(page.cols * pt(kMinCellPt) / area_.width()));
    const int rowBands = static_cast<int>(std::ceil(page.rows * pt(kMinCellPt) / bandHeight));
    const int colsPerBand = (page.cols + colBands - 1) / colBands;
    const int rowsPerBand = (page.rows + rowBands - 1) / rowBands;
    cell = std::min(area_.width() / colsPerBand, bandHeight / rowsPerBand);
    double y = 0;
    for (int r0 = 0; r0 < page.rows; r0 += rowsPerBand)
        for (int c0 = 0; c0 < page.cols; c0 += colsPerBand) {
            if (r0 != 0 || c0 != 0) startSheet(page);
            const int r1 = std::min(page.rows, r0 + rowsPerBand),
                      c1 = std::min(page.cols, c0 + colsPerBand);
            y = drawTitle(title, area_.top());
            painter_.setFont(font(9));
            const QString piece =
                colBands == 1
                    ? QStringLiteral("Rows %1 to %2 of %3").arg(r0 + 1).arg(r1).arg(page.rows)
                    : QStringLiteral("Rows %1 to %2 of %3, columns %4 to %5 of %6")
                          .arg(r0 + 1)
                          .arg(r1)
                          .arg(page.rows)
                          .arg(c0 + 1)
                          .arg(c1)
                          .arg(page.cols);
            painter_.drawText(QRectF(area_.left(), y, area_.width(), lineHeight(font(9))),
                              Qt::AlignCenter, piece);
            y += lineHeight(font(9)) + pt(4);
            drawGrid(page, r0, r1, c0, c1, cell, y);
            y += (r1 - r0) * cell + gap;
        }
    drawWords(page, y, budget);
    return page.source + ": a " + std::to_string(page.rows) + " x " + std::to_string(page.cols) +
           " grid on one sheet would need letters smaller than 4 pt; it is printed in " +
           std::to_string(rowBands * colBands) + " pieces";
}

}  // namespace

WriteResult writePdf(const Document& document, const std::string& path) {
    ensureApplication();
    WriteResult result;
    QFile file(QFile::decodeName(path.c_str()));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        result.error = "cannot be written";
        return result;
    }
    const QString family = document.font.empty() ? QStringLiteral("Arial") : text(document.font);
    if (!document.font.empty()) {
        const QString found = QFontInfo(QFont(family)).family();
        if (found.compare(family, Qt::CaseInsensitive) != 0)
            result.notes.push_back("font \"" + document.font + "\" is not installed; using \"" +
                                   found.toStdString() + "\"");
    }
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Lettermaze"));
        writer.setPageSize(
            QPageSize(document.paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4));
        writer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                              QPageLayout::Millimeter);
        QPainter painter;
        if (!painter.begin(&writer)) {
            result.error = "cannot be written";
            return result;
        }
        painter.setRenderHint(QPainter::Antialiasing);
        SheetWriter sheets(writer, painter, family);
        for (const Page& page : document.pages) {
            if (page.rows < 1 || page.cols < 1) continue;
            std::string note = sheets.write(page);
            if (!note.empty()) result.notes.push_back(std::move(note));
        }
        painter.end();
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        result.error = "cannot be written";
        return result;
    }
    result.written = true;
    return result;
}

}  // namespace lettermaze::worksheet
