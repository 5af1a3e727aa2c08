#include "ui/MainWindow.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "model/WindowRules.h"
#include "model/WordEntry.h"
#include "ui/Codec.h"
#include "ui/GapLabel.h"
#include "ui/GridView.h"
#include "ui/QtHost.h"
#include "ui/Twips.h"

namespace lettermaze::ui {

namespace {
// The design's fonts: unnamed ones are the desktop's plain sans serif.
QFont designFont(qreal points, bool bold = false) {
    QFont f(QStringLiteral("Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

template <typename W>
W* place(W* w, int left, int top, int width, int height) {
    w->setGeometry(pxRect(left, top, width, height));
    return w;
}
}  // namespace

MainWindow::MainWindow(Host* host, Random* random, QWidget* parent) : QMainWindow(parent) {
    if (!host) {
        ownHost_ = std::make_unique<QtHost>(this, [this] { syncFromModel(); });
        host = ownHost_.get();
    }
    if (!random) {
        ownRandom_ = std::make_unique<SeededRandom>(SeededRandom::clockSeed());
        random = ownRandom_.get();
    }
    host_ = host;
    random_ = random;
    exitProgram = [] { QCoreApplication::exit(0); };

    setWindowTitle(toQt(windowCaption()));
    buildControls();
    buildMenus();
    // The inner area starts at 11400 x 8310 twips; the menu bar sits above it.
    resize(px(11400), px(8310) + menuBar()->sizeHint().height());
    syncFromModel();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls() {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    const QFont plain = designFont(8.25);
    central->setFont(plain);

    wordBox = place(new QPlainTextEdit(central), 120, 120, 5895, 3495);
    wordBox->setObjectName(QStringLiteral("wordBox"));
    wordBox->setLineWrapMode(QPlainTextEdit::NoWrap);
    wordBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    wordBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(wordBox, &QPlainTextEdit::textChanged, this, &MainWindow::wordBoxEdited);

    // The label runs under both size boxes; its run of spaces must carry the "x" into the gap
    // between them whatever the font's space width is.
    sizeLabel = place(new GapLabel(QStringLiteral("Grid size:                      x"),
                                   px((1935 + 2280) / 2) - px(240), central),
                      240, 3840, 2295, 255);
    sizeLabel->setObjectName(QStringLiteral("sizeLabel"));
    sizeLabel->setFont(designFont(9.75));
    columnsBox = place(new QLineEdit(QStringLiteral("20"), central), 1440, 3795, 495, 300);
    columnsBox->setObjectName(QStringLiteral("columnsBox"));
    columnsBox->setFont(designFont(9.75));
    rowsBox = place(new QLineEdit(QStringLiteral("20"), central), 2280, 3795, 495, 300);
    rowsBox->setObjectName(QStringLiteral("rowsBox"));
    rowsBox->setFont(designFont(9.75));

    createButton = place(new QPushButton(QStringLiteral("&Create lettermaze"), central), 3720, 3840,
                         2295, 615);
    createButton->setObjectName(QStringLiteral("createButton"));
    createButton->setFont(designFont(8.25, true));
    connect(createButton, &QPushButton::clicked, this, &MainWindow::createPuzzle);

    difficultyLabel =
        place(new QLabel(QStringLiteral("Difficulty:"), central), 240, 4200, 1215, 255);
    difficultyLabel->setObjectName(QStringLiteral("difficultyLabel"));
    difficultyLabel->setFont(designFont(9.75));
    difficultySlider = place(new QScrollBar(Qt::Horizontal, central), 1440, 4200, 1335, 255);
    difficultySlider->setObjectName(QStringLiteral("difficultySlider"));
    difficultySlider->setRange(0, 9);
    difficultySlider->setPageStep(1);
    difficultySlider->setValue(3);

    hiddenLabel = place(new QLabel(QStringLiteral("Hidden"), central), 120, 4560, 2895, 255);
    hiddenLabel->setObjectName(QStringLiteral("hiddenLabel"));
    hiddenLabel->setFont(designFont(12, true));
    foundLabel = place(new QLabel(QStringLiteral("Found"), central), 3120, 4560, 2895, 255);
    foundLabel->setObjectName(QStringLiteral("foundLabel"));
    foundLabel->setFont(designFont(12, true));

    hiddenList = place(new QListWidget(central), 120, 4920, 2895, 2985);
    hiddenList->setObjectName(QStringLiteral("hiddenList"));
    hiddenList->viewport()->installEventFilter(this);
    // The selected index follows what is visibly selected, not Qt's current row: tabbing
    // into a list makes its top row current without selecting anything.
    connect(hiddenList, &QListWidget::itemSelectionChanged, this,
            [this] { followSelection(hiddenList, puzzle_.hiddenWords); });
    foundList = place(new QListWidget(central), 3120, 4920, 2895, 2985);
    foundList->setObjectName(QStringLiteral("foundList"));
    connect(foundList, &QListWidget::itemSelectionChanged, this,
            [this] { followSelection(foundList, puzzle_.foundWords); });

    gridView = new GridView(puzzle_, window_.gridFrame, central);
    gridView->setObjectName(QStringLiteral("gridView"));
    gridView->setFont(designFont(9.75, true));
    // The grid's row height is its own, from its font; the program never sets it.
    window_.gridFrame.rowHeight = twips(QFontMetrics(gridView->font()).height() + 4);
    connect(gridView, &GridView::released, this, &MainWindow::finishDrag);

    // Tab order follows the design's reading order.
    setTabOrder(wordBox, columnsBox);
    setTabOrder(columnsBox, rowsBox);
    setTabOrder(rowsBox, createButton);
    setTabOrder(createButton, difficultySlider);
    setTabOrder(difficultySlider, hiddenList);
    setTabOrder(hiddenList, foundList);
    setTabOrder(foundList, gridView);
}

void MainWindow::run(const std::function<void()>& handler) {
    syncToModel();
    handler();
    syncFromModel();
}

void MainWindow::syncToModel() {
    window_.columnsText = to1252(columnsBox->text());
    window_.rowsText = to1252(rowsBox->text());
    window_.level = difficultySlider->value();
    const QTextCursor c = wordBox->textCursor();
    const QString text = wordBoxText(*wordBox);
    window_.wordSelectionStart = wordBoxCaretToCore(text, c.selectionStart());
    window_.wordSelectionLength =
        wordBoxCaretToCore(text, c.selectionEnd()) - window_.wordSelectionStart;
}

void MainWindow::syncFromModel() {
    syncing_ = true;
    if (columnsBox->text() != toQt(window_.columnsText))
        columnsBox->setText(toQt(window_.columnsText));
    if (rowsBox->text() != toQt(window_.rowsText)) rowsBox->setText(toQt(window_.rowsText));
    hiddenLabel->setText(toQt(hiddenCaption(puzzle_)));
    foundLabel->setText(toQt(foundCaption(puzzle_)));
    syncWordBox();
    syncLists();
    gridView->syncFromModel();
    wordListsMenu->setEnabled(window_.libraryMenuEnabled);
    syncing_ = false;
}

void MainWindow::syncWordBox() {
    const QString want = wordBoxFromCore(window_.wordText);
    const int start = wordBoxCaretFromCore(window_.wordText, window_.wordSelectionStart);
    const int end = wordBoxCaretFromCore(window_.wordText,
                                         window_.wordSelectionStart + window_.wordSelectionLength);
    QTextCursor c = wordBox->textCursor();
    if (wordBoxText(*wordBox) == want && c.selectionStart() == start && c.selectionEnd() == end)
        return;
    const QSignalBlocker block(wordBox);
    if (wordBoxText(*wordBox) != want) wordBox->setPlainText(want);
    c = wordBox->textCursor();
    c.setPosition(std::min<int>(start, static_cast<int>(want.size())));
    c.setPosition(std::min<int>(end, static_cast<int>(want.size())), QTextCursor::KeepAnchor);
    wordBox->setTextCursor(c);
}

void MainWindow::syncLists() {
    const auto mirror = [this](QListWidget* view, const SortedList& list) {
        bool same = view->count() == list.count();
        for (int i = 0; same && i < view->count(); ++i)
            same = view->item(i)->text() == toQt(list.at(i));
        if (!same) {
            view->clear();
            for (const std::string& item : list.items()) view->addItem(toQt(item));
        }
        if (selectedRow(view) != list.selectedIndex()) {
            if (list.selectedIndex() >= 0)
                view->setCurrentRow(list.selectedIndex());
            else
                view->clearSelection();
        }
        // The lists are out of sight while Find all runs through them.
        if (view->isHidden() != puzzle_.findingAll) view->setVisible(!puzzle_.findingAll);
    };
    mirror(hiddenList, puzzle_.hiddenWords);
    mirror(foundList, puzzle_.foundWords);
}

int MainWindow::selectedRow(const QListWidget* view) {
    const QList<QListWidgetItem*> selected = view->selectedItems();
    return selected.isEmpty() ? -1 : view->row(selected.front());
}

void MainWindow::followSelection(const QListWidget* view, SortedList& list) {
    const int row = selectedRow(view);
    if (!syncing_ && row < list.count()) list.setSelectedIndex(row);
}

void MainWindow::wordBoxEdited() {
    if (syncing_) return;
    const QString text = wordBoxText(*wordBox);
    window_.wordText = wordBoxToCore(text);
    window_.wordSelectionStart = wordBoxCaretToCore(text, wordBox->textCursor().position());
    window_.wordSelectionLength = 0;
    lettermaze::filterWordBox(window_);
    syncing_ = true;
    syncWordBox();
    syncing_ = false;
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    refitGridToWindow();
}

void MainWindow::refitGridToWindow() {
    if (!centralWidget()) return;
    window_.width = twips(centralWidget()->width());
    window_.height = twips(centralWidget()->height());
    lettermaze::refitGrid(puzzle_, window_);
    gridView->syncFromModel();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // A right press over the hidden list pops up the Cheat menu at the pointer.
    if (watched == hiddenList->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::RightButton) {
            cheatMenu->popup(me->globalPosition().toPoint());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace lettermaze::ui
