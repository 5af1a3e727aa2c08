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

    WordList = place(new QPlainTextEdit(central), 120, 120, 5895, 3495);
    WordList->setObjectName(QStringLiteral("WordList"));
    WordList->setLineWrapMode(QPlainTextEdit::NoWrap);
    WordList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    WordList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(WordList, &QPlainTextEdit::textChanged, this, &MainWindow::WordList_Change);

    // The label runs under both size boxes; its run of spaces must carry the "x" into the gap
    // between them whatever the font's space width is.
    Label1 = place(new GapLabel(QStringLiteral("Grid size:                      x"),
                                px((1935 + 2280) / 2) - px(240), central),
                   240, 3840, 2295, 255);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(designFont(9.75));
    Textm = place(new QLineEdit(QStringLiteral("20"), central), 1440, 3795, 495, 300);
    Textm->setObjectName(QStringLiteral("Textm"));
    Textm->setFont(designFont(9.75));
    Textn = place(new QLineEdit(QStringLiteral("20"), central), 2280, 3795, 495, 300);
    Textn->setObjectName(QStringLiteral("Textn"));
    Textn->setFont(designFont(9.75));

    CommandGo = place(new QPushButton(QStringLiteral("&Create lettermaze"), central), 3720, 3840,
                      2295, 615);
    CommandGo->setObjectName(QStringLiteral("CommandGo"));
    CommandGo->setFont(designFont(8.25, true));
    connect(CommandGo, &QPushButton::clicked, this, &MainWindow::CommandGo_Click);

    Label4 = place(new QLabel(QStringLiteral("Difficulty:"), central), 240, 4200, 1215, 255);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setFont(designFont(9.75));
    Difficulty = place(new QScrollBar(Qt::Horizontal, central), 1440, 4200, 1335, 255);
    Difficulty->setObjectName(QStringLiteral("Difficulty"));
    Difficulty->setRange(0, 9);
    Difficulty->setPageStep(1);
    Difficulty->setValue(3);

    LabelH = place(new QLabel(QStringLiteral("Hidden"), central), 120, 4560, 2895, 255);
    LabelH->setObjectName(QStringLiteral("LabelH"));
    LabelH->setFont(designFont(12, true));
    LabelF = place(new QLabel(QStringLiteral("Found"), central), 3120, 4560, 2895, 255);
    LabelF->setObjectName(QStringLiteral("LabelF"));
    LabelF->setFont(designFont(12, true));

    ListW = place(new QListWidget(central), 120, 4920, 2895, 2985);
    ListW->setObjectName(QStringLiteral("ListW"));
    ListW->viewport()->installEventFilter(this);
    // The selected index follows what is visibly selected, not Qt's current row: tabbing
    // into a list makes its top row current without selecting anything.
    connect(ListW, &QListWidget::itemSelectionChanged, this,
            [this] { followSelection(ListW, p_.ListW); });
    ListF = place(new QListWidget(central), 3120, 4920, 2895, 2985);
    ListF->setObjectName(QStringLiteral("ListF"));
    connect(ListF, &QListWidget::itemSelectionChanged, this,
            [this] { followSelection(ListF, p_.ListF); });

    FG = new GridView(p_, central);
    FG->setObjectName(QStringLiteral("FG"));
    FG->setFont(designFont(9.75, true));
    // The grid's row height is its own, from its font; the program never sets it.
    p_.FG.RowHeight = twips(QFontMetrics(FG->font()).height() + 4);
    connect(FG, &GridView::released, this, &MainWindow::FG_MouseUp);

    // Tab order follows the design's reading order.
    setTabOrder(WordList, Textm);
    setTabOrder(Textm, Textn);
    setTabOrder(Textn, CommandGo);
    setTabOrder(CommandGo, Difficulty);
    setTabOrder(Difficulty, ListW);
    setTabOrder(ListW, ListF);
    setTabOrder(ListF, FG);
}

void MainWindow::run(const std::function<void()>& handler) {
    syncToModel();
    handler();
    syncFromModel();
}

void MainWindow::syncToModel() {
    p_.Textm = to1252(Textm->text());
    p_.Textn = to1252(Textn->text());
    p_.Difficulty = Difficulty->value();
    const QTextCursor c = WordList->textCursor();
    const QString text = wordBoxText(*WordList);
    p_.WordListSelStart = wordBoxCaretToCore(text, c.selectionStart());
    p_.WordListSelLength = wordBoxCaretToCore(text, c.selectionEnd()) - p_.WordListSelStart;
}

void MainWindow::syncFromModel() {
    syncing_ = true;
    if (Textm->text() != toQt(p_.Textm)) Textm->setText(toQt(p_.Textm));
    if (Textn->text() != toQt(p_.Textn)) Textn->setText(toQt(p_.Textn));
    LabelH->setText(toQt(p_.LabelH));
    LabelF->setText(toQt(p_.LabelF));
    syncWordBox();
    syncLists();
    FG->syncFromModel();
    mnuWL->setEnabled(p_.mnuWLEnabled);
    syncing_ = false;
}

void MainWindow::syncWordBox() {
    const QString want = wordBoxFromCore(p_.WordList);
    const int start = wordBoxCaretFromCore(p_.WordList, p_.WordListSelStart);
    const int end =
        wordBoxCaretFromCore(p_.WordList, p_.WordListSelStart + p_.WordListSelLength);
    QTextCursor c = WordList->textCursor();
    if (wordBoxText(*WordList) == want && c.selectionStart() == start && c.selectionEnd() == end)
        return;
    const QSignalBlocker block(WordList);
    if (wordBoxText(*WordList) != want) WordList->setPlainText(want);
    c = WordList->textCursor();
    c.setPosition(std::min<int>(start, static_cast<int>(want.size())));
    c.setPosition(std::min<int>(end, static_cast<int>(want.size())), QTextCursor::KeepAnchor);
    WordList->setTextCursor(c);
}

void MainWindow::syncLists() {
    const auto mirror = [](QListWidget* view, const SortedList& list) {
        bool same = view->count() == list.ListCount();
        for (int i = 0; same && i < view->count(); ++i)
            same = view->item(i)->text() == toQt(list.List(i));
        if (!same) {
            view->clear();
            for (const std::string& item : list.items()) view->addItem(toQt(item));
        }
        if (selectedRow(view) != list.ListIndex()) {
            if (list.ListIndex() >= 0)
                view->setCurrentRow(list.ListIndex());
            else
                view->clearSelection();
        }
        if (view->isHidden() == list.Visible) view->setVisible(list.Visible);
    };
    mirror(ListW, p_.ListW);
    mirror(ListF, p_.ListF);
}

int MainWindow::selectedRow(const QListWidget* view) {
    const QList<QListWidgetItem*> selected = view->selectedItems();
    return selected.isEmpty() ? -1 : view->row(selected.front());
}

void MainWindow::followSelection(const QListWidget* view, SortedList& list) {
    const int row = selectedRow(view);
    if (!syncing_ && row < list.ListCount()) list.setListIndex(row);
}

void MainWindow::WordList_Change() {
    if (syncing_) return;
    const QString text = wordBoxText(*WordList);
    p_.WordList = wordBoxToCore(text);
    p_.WordListSelStart = wordBoxCaretToCore(text, WordList->textCursor().position());
    p_.WordListSelLength = 0;
    lettermaze::WordList_Change(p_);
    syncing_ = true;
    syncWordBox();
    syncing_ = false;
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void MainWindow::Form_Resize() {
    if (!centralWidget()) return;
    p_.WindowWidth = twips(centralWidget()->width());
    p_.WindowHeight = twips(centralWidget()->height());
    lettermaze::Form_Resize(p_);
    FG->syncFromModel();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // A right press over the hidden list pops up the Cheat menu at the pointer.
    if (watched == ListW->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::RightButton) {
            mnuCheat->popup(me->globalPosition().toPoint());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace lettermaze::ui
