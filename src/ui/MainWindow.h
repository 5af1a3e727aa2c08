#pragma once
// The program's one working window. It owns the Puzzle and mirrors it: every handler reads the
// controls into the model, calls the core, and refreshes the controls from the model.
#include <QMainWindow>
#include <functional>
#include <memory>

#include "model/Host.h"
#include "model/Puzzle.h"
#include "model/Random.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;

namespace lettermaze::ui {

class GridView;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Tests pass their own host and random source; the program passes none and gets Qt's
    // dialogs and a clock-seeded generator.
    explicit MainWindow(Host* host = nullptr, Random* random = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    Puzzle& puzzle() { return p_; }
    Host& host() { return *host_; }
    Random& random() { return *random_; }

    // Start-up: file-type registration, seeding, the command-line puzzle and the library.
    void Form_Load(const std::string& commandLine);

    // Mirrors the model into every control.
    void syncFromModel();

    // Controls, under the names the handlers use.
    QPlainTextEdit* WordList = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Textm = nullptr;
    QLineEdit* Textn = nullptr;
    QPushButton* CommandGo = nullptr;
    QLabel* Label4 = nullptr;
    QScrollBar* Difficulty = nullptr;
    QLabel* LabelH = nullptr;
    QLabel* LabelF = nullptr;
    QListWidget* ListW = nullptr;
    QListWidget* ListF = nullptr;
    GridView* FG = nullptr;

    // Menus and their items.
    QMenu* mnuFile = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuSW = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuHTML = nullptr;
    QAction* mnuReset = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuEdit = nullptr;
    QAction* mnuCopyS = nullptr;
    QAction* mnuCopyH = nullptr;
    QAction* mnuCopy = nullptr;
    QAction* mnuCopyHTML = nullptr;
    QAction* mnuPaste = nullptr;
    QMenu* mnuCheat = nullptr;
    QAction* mnuF1 = nullptr;
    QAction* mnuFAll = nullptr;
    QMenu* mnuWL = nullptr;
    QList<QAction*> mnuL;
    QMenu* mnuHelp = nullptr;
    QAction* mnuSupport = nullptr;
    QAction* mnuTTT = nullptr;
    QAction* mnuAbout = nullptr;

    // Called to end the program; tests replace it.
    std::function<void()> exitProgram;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void syncToModel();
    void syncLists();
    static int selectedRow(const QListWidget* view);
    void followSelection(const QListWidget* view, SortedList& list);
    void syncWordBox();
    void rebuildLibraryMenu();
    void connectCommands();
    // Runs a core handler between the two mirrors.
    void run(const std::function<void()>& handler);

    void WordList_Change();
    void CommandGo_Click();
    void FG_MouseUp(int button);
    void mnuFile_Click();
    void mnuEdit_Click();
    void mnuCheat_Click();
    void mnuTTT_Click();
    void mnuExit_Click();
    void mnuAbout_Click();
    void mnuSupport_Click();
    void Form_Resize();

    Puzzle p_;
    std::unique_ptr<Host> ownHost_;
    std::unique_ptr<SeededRandom> ownRandom_;
    Host* host_;
    Random* random_;
    bool syncing_ = false;
};

}  // namespace lettermaze::ui
