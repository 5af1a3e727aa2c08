#pragma once
// The program's one working window_. It owns the Puzzle and mirrors it: every handler reads the
// controls into the model, calls the core, and refreshes the controls from the model.
#include <QMainWindow>
#include <functional>
#include <memory>

#include "model/Host.h"
#include "model/GenerationScratch.h"
#include "model/Puzzle.h"
#include "model/Random.h"
#include "model/WindowState.h"

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

    Puzzle& puzzle() { return puzzle_; }
    WindowState& windowState() { return window_; }
    Host& host() { return *host_; }
    Random& random() { return *random_; }

    // Start-up: file-type registration, seeding, the command-line puzzle and the library.
    void startUp(const std::string& commandLine);

    // Mirrors the model into every control.
    void syncFromModel();

    // Controls, under the names the handlers use.
    QPlainTextEdit* wordBox = nullptr;
    QLabel* sizeLabel = nullptr;
    QLineEdit* columnsBox = nullptr;
    QLineEdit* rowsBox = nullptr;
    QPushButton* createButton = nullptr;
    QLabel* difficultyLabel = nullptr;
    QScrollBar* difficultySlider = nullptr;
    QLabel* hiddenLabel = nullptr;
    QLabel* foundLabel = nullptr;
    QListWidget* hiddenList = nullptr;
    QListWidget* foundList = nullptr;
    GridView* gridView = nullptr;

    // Menus and their items.
    QMenu* fileMenu = nullptr;
    QAction* openAction = nullptr;
    QAction* saveAction = nullptr;
    QAction* printAction = nullptr;
    QAction* webPageAction = nullptr;
    QAction* resetAction = nullptr;
    QAction* exitAction = nullptr;
    QMenu* editMenu = nullptr;
    QAction* copyGridAction = nullptr;
    QAction* copyWordsAction = nullptr;
    QAction* copyOriginalAction = nullptr;
    QAction* copyHtmlAction = nullptr;
    QAction* pasteAction = nullptr;
    QMenu* cheatMenu = nullptr;
    QAction* findSelectedAction = nullptr;
    QAction* findAllAction = nullptr;
    QMenu* wordListsMenu = nullptr;
    QList<QAction*> wordListActions;
    QMenu* helpMenu = nullptr;
    QAction* onlineHelpAction = nullptr;
    QAction* toolTipsAction = nullptr;
    QAction* aboutAction = nullptr;

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

    void wordBoxEdited();
    void createPuzzle();
    void finishDrag(int button);
    void enableFileMenu();
    void enableEditMenu();
    void enableCheatMenu();
    void toggleToolTips();
    void exitFromMenu();
    void showAbout();
    void openOnlineHelp();
    void refitGridToWindow();

    Puzzle puzzle_;
    WindowState window_;
    GenerationScratch scratch_;
    std::unique_ptr<Host> ownHost_;
    std::unique_ptr<SeededRandom> ownRandom_;
    Host* host_;
    Random* random_;
    bool syncing_ = false;
};

}  // namespace lettermaze::ui
