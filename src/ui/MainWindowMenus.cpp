// The menu bar and the handlers of the window's commands. Each handler reads the controls into
// the model, runs the core command of the same name and mirrors the result back.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "files/InstallLayout.h"
#include "files/Library.h"
#include "files/Paste.h"
#include "files/PuzzleFile.h"
#include "files/Startup.h"
#include "model/Generator.h"
#include "model/WindowRules.h"
#include "output/Page.h"
#include "output/Print.h"
#include "output/TextCopies.h"
#include "solve/Cheats.h"
#include "solve/Matcher.h"
#include "ui/Codec.h"
#include "ui/GridView.h"
#include "ui/MainWindow.h"

namespace lettermaze::ui {

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    const auto item = [this](QMenu* menu, const char* caption, const char* name) {
        QAction* a = menu->addAction(QString::fromLatin1(caption));
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };

    fileMenu = bar->addMenu(QStringLiteral("&File"));
    fileMenu->setObjectName(QStringLiteral("fileMenu"));
    openAction = item(fileMenu, "&Open lettermaze...", "openAction");
    saveAction = item(fileMenu, "&Save lettermaze...", "saveAction");
    printAction = item(fileMenu, "&Print...", "printAction");
    fileMenu->addSeparator();
    webPageAction = item(fileMenu, "Make this lettermaze into a web page...", "webPageAction");
    fileMenu->addSeparator();
    resetAction = item(fileMenu, "&Reset current lettermaze", "resetAction");
    fileMenu->addSeparator();
    exitAction = item(fileMenu, "E&xit", "exitAction");
    connect(fileMenu, &QMenu::aboutToShow, this, &MainWindow::enableFileMenu);
    connect(exitAction, &QAction::triggered, this, &MainWindow::exitFromMenu);

    editMenu = bar->addMenu(QStringLiteral("&Edit"));
    editMenu->setObjectName(QStringLiteral("editMenu"));
    copyGridAction = item(editMenu, "&Copy lettermaze", "copyGridAction");
    copyWordsAction = item(editMenu, "Copy hidden &words list", "copyWordsAction");
    copyOriginalAction = item(editMenu, "Copy &original words", "copyOriginalAction");
    copyHtmlAction = item(editMenu, "Copy HTML for this lettermaze...", "copyHtmlAction");
    pasteAction = item(editMenu, "&Paste new words", "pasteAction");
    connect(editMenu, &QMenu::aboutToShow, this, &MainWindow::enableEditMenu);

    cheatMenu = bar->addMenu(QStringLiteral("C&heat"));
    cheatMenu->setObjectName(QStringLiteral("cheatMenu"));
    findSelectedAction = item(cheatMenu, "Find &selected word", "findSelectedAction");
    findAllAction = item(cheatMenu, "Find &all words", "findAllAction");
    connect(cheatMenu, &QMenu::aboutToShow, this, &MainWindow::enableCheatMenu);

    wordListsMenu = bar->addMenu(QStringLiteral("&Word lists"));
    wordListsMenu->setObjectName(QStringLiteral("wordListsMenu"));
    rebuildLibraryMenu();

    helpMenu = bar->addMenu(QStringLiteral("&Help"));
    helpMenu->setObjectName(QStringLiteral("helpMenu"));
    onlineHelpAction = item(helpMenu, "Online &Help...", "onlineHelpAction");
    toolTipsAction = item(helpMenu, "&ToolTips", "toolTipsAction");
    toolTipsAction->setCheckable(true);
    toolTipsAction->setChecked(false);
    aboutAction = item(helpMenu, "&About...", "aboutAction");
    connect(onlineHelpAction, &QAction::triggered, this, &MainWindow::openOnlineHelp);
    connect(toolTipsAction, &QAction::triggered, this, &MainWindow::toggleToolTips);
    connect(aboutAction, &QAction::triggered, this, &MainWindow::showAbout);

    connectCommands();

    // Commands are enabled as their menus open; until then they show the state of no puzzle.
    enableFileMenu();
    enableEditMenu();
    enableCheatMenu();
}

void MainWindow::rebuildLibraryMenu() {
    // Items are only ever added, never removed, as the library is read once.
    while (wordListActions.size() < static_cast<qsizetype>(window_.libraryMenu.size())) {
        const int index = static_cast<int>(wordListActions.size());
        QAction* a = wordListsMenu->addAction(QString());
        a->setObjectName(QStringLiteral("wordList%1").arg(index));
        connect(a, &QAction::triggered, this, [this, index] {
            run([&] { addWordsFromList(window_, *host_, *random_, index); });
        });
        wordListActions.append(a);
    }
    for (qsizetype i = 0; i < wordListActions.size(); ++i) {
        wordListActions[i]->setText(toQt(window_.libraryMenu[static_cast<std::size_t>(i)].caption));
        // Item 0 stands in the design; with no library it stays out of sight.
        wordListActions[i]->setVisible(i > 0 || window_.libraryMenuEnabled);
    }
    wordListsMenu->setEnabled(window_.libraryMenuEnabled);
}

void MainWindow::enableFileMenu() {
    const FileMenuState s = lettermaze::fileMenuState(puzzle_);
    printAction->setEnabled(s.print);
    saveAction->setEnabled(s.save);
    resetAction->setEnabled(s.reset);
    webPageAction->setEnabled(s.html);
    openAction->setEnabled(true);
    exitAction->setEnabled(true);
}

void MainWindow::enableEditMenu() {
    const EditMenuState s = lettermaze::editMenuState(puzzle_, window_, *host_);
    pasteAction->setEnabled(s.paste);
    copyOriginalAction->setEnabled(s.copyWords);
    copyGridAction->setEnabled(s.copyGrid);
    copyWordsAction->setEnabled(s.copyLists);
    copyHtmlAction->setEnabled(s.copyHtml);
}

void MainWindow::enableCheatMenu() {
    syncToModel();
    const CheatMenuState s = lettermaze::cheatMenuState(puzzle_);
    findSelectedAction->setEnabled(s.findSelected);
    findAllAction->setEnabled(s.findAll);
}

void MainWindow::toggleToolTips() {
    // The action toggles its own check mark before this runs.
    const bool on = toolTipsAction->isChecked();
    const auto tip = [on](QWidget* w, const char* text) {
        w->setToolTip(on ? QString::fromLatin1(text) : QString());
    };
    tip(wordBox, "Enter or paste words to hide here");
    tip(hiddenList, "Words hidden in grid");
    tip(foundList, "Words found (highlighted) in grid");
    tip(gridView, "Click and drag to find words");
    tip(createButton, "Click to create a lettermaze using the words listed above");
    tip(columnsBox, "Number of columns in lettermaze");
    tip(rowsBox, "Number of rows in lettermaze");
    tip(sizeLabel, "Set dimensions of grid");
    tip(difficultySlider, "Slide to set difficulty level");
}

void MainWindow::exitFromMenu() {
    hide();
    if (exitProgram) exitProgram();
}

void MainWindow::showAbout() {
    lettermaze::showAbout(*host_);
}

void MainWindow::openOnlineHelp() {
    lettermaze::openOnlineHelp(*host_);
}

void MainWindow::createPuzzle() {
    GenerateOutcome outcome = GenerateOutcome::Created;
    run([&] { outcome = lettermaze::createPuzzle(puzzle_, window_, scratch_, *host_, *random_); });
    if (outcome == GenerateOutcome::BadSize) {
        // A bad size sends the user back to the columns box, caret at its start.
        columnsBox->setFocus(Qt::OtherFocusReason);
        columnsBox->setCursorPosition(0);
    }
}

void MainWindow::finishDrag(int button) {
    run([&] { lettermaze::finishDrag(puzzle_, *host_, *random_, button); });
}

void MainWindow::connectCommands() {
    const auto on = [this](QAction* a, auto handler) {
        connect(a, &QAction::triggered, this, [this, handler] { run([&] { handler(); }); });
    };
    on(openAction, [this] { openPuzzle(puzzle_, window_, *host_); });
    on(saveAction, [this] { savePuzzle(puzzle_, window_, *host_); });
    on(printAction, [this] { printPuzzle(puzzle_, window_, *host_); });
    on(webPageAction, [this] { saveWebPage(puzzle_, window_, *host_); });
    on(resetAction, [this] { resetPuzzle(puzzle_); });
    on(copyGridAction, [this] { copyGridText(puzzle_, *host_); });
    on(copyWordsAction, [this] { copyHiddenWords(puzzle_, *host_); });
    on(copyOriginalAction, [this] { copyOriginalWords(window_, *host_); });
    on(copyHtmlAction, [this] { copyPageHtml(puzzle_, *host_); });
    on(pasteAction, [this] { pasteNewWords(window_, *host_); });
    on(findSelectedAction, [this] { findSelectedWord(puzzle_, *host_, *random_); });
    on(findAllAction, [this] { findAllWords(puzzle_, *host_, *random_); });
}

void MainWindow::startUp(const std::string& commandLine) {
    StartupEnv env;
    env.registration = registrationEnvFor(runningProgramPath());
    if (installedRegistrationCovers(env.registration, "lettermaze"))
        env.registration.dataHome.clear();
    env.programFolder = host_->programFolder();
    env.seedRandom = [this] {
        if (ownRandom_) ownRandom_->reseed(SeededRandom::clockSeed());
    };
    run([&] { lettermaze::startUp(puzzle_, window_, *host_, commandLine, env); });
    rebuildLibraryMenu();
}

}  // namespace lettermaze::ui
