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
#include "model/Generator.h"
#include "model/Startup.h"
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

    mnuFile = bar->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuOpen = item(mnuFile, "&Open lettermaze...", "mnuOpen");
    mnuSW = item(mnuFile, "&Save lettermaze...", "mnuSW");
    mnuPrint = item(mnuFile, "&Print...", "mnuPrint");
    mnuFile->addSeparator();
    mnuHTML = item(mnuFile, "Make this lettermaze into a web page...", "mnuHTML");
    mnuFile->addSeparator();
    mnuReset = item(mnuFile, "&Reset current lettermaze", "mnuReset");
    mnuFile->addSeparator();
    mnuExit = item(mnuFile, "E&xit", "mnuExit");
    connect(mnuFile, &QMenu::aboutToShow, this, &MainWindow::mnuFile_Click);
    connect(mnuExit, &QAction::triggered, this, &MainWindow::mnuExit_Click);

    mnuEdit = bar->addMenu(QStringLiteral("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuCopyS = item(mnuEdit, "&Copy lettermaze", "mnuCopyS");
    mnuCopyH = item(mnuEdit, "Copy hidden &words list", "mnuCopyH");
    mnuCopy = item(mnuEdit, "Copy &original words", "mnuCopy");
    mnuCopyHTML = item(mnuEdit, "Copy HTML for this lettermaze...", "mnuCopyHTML");
    mnuPaste = item(mnuEdit, "&Paste new words", "mnuPaste");
    connect(mnuEdit, &QMenu::aboutToShow, this, &MainWindow::mnuEdit_Click);

    mnuCheat = bar->addMenu(QStringLiteral("C&heat"));
    mnuCheat->setObjectName(QStringLiteral("mnuCheat"));
    mnuF1 = item(mnuCheat, "Find &selected word", "mnuF1");
    mnuFAll = item(mnuCheat, "Find &all words", "mnuFAll");
    connect(mnuCheat, &QMenu::aboutToShow, this, &MainWindow::mnuCheat_Click);

    mnuWL = bar->addMenu(QStringLiteral("&Word lists"));
    mnuWL->setObjectName(QStringLiteral("mnuWL"));
    rebuildLibraryMenu();

    mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuSupport = item(mnuHelp, "Online &Help...", "mnuSupport");
    mnuTTT = item(mnuHelp, "&ToolTips", "mnuTTT");
    mnuTTT->setCheckable(true);
    mnuTTT->setChecked(false);
    mnuAbout = item(mnuHelp, "&About...", "mnuAbout");
    connect(mnuSupport, &QAction::triggered, this, &MainWindow::mnuSupport_Click);
    connect(mnuTTT, &QAction::triggered, this, &MainWindow::mnuTTT_Click);
    connect(mnuAbout, &QAction::triggered, this, &MainWindow::mnuAbout_Click);

    connectCommands();

    // Commands are enabled as their menus open; until then they show the state of no puzzle.
    mnuFile_Click();
    mnuEdit_Click();
    mnuCheat_Click();
}

void MainWindow::rebuildLibraryMenu() {
    // Items are only ever added, never removed, as the library is read once.
    while (mnuL.size() < static_cast<qsizetype>(p_.mnuL.size())) {
        const int index = static_cast<int>(mnuL.size());
        QAction* a = mnuWL->addAction(QString());
        a->setObjectName(QStringLiteral("mnuL%1").arg(index));
        connect(a, &QAction::triggered, this,
                [this, index] { run([&] { mnuL_Click(p_, *host_, *random_, index); }); });
        mnuL.append(a);
    }
    for (qsizetype i = 0; i < mnuL.size(); ++i) {
        mnuL[i]->setText(toQt(p_.mnuL[static_cast<std::size_t>(i)].Caption));
        // Item 0 stands in the design; with no library it stays out of sight.
        mnuL[i]->setVisible(i > 0 || p_.mnuWLEnabled);
    }
    mnuWL->setEnabled(p_.mnuWLEnabled);
}

void MainWindow::mnuFile_Click() {
    const FileMenuState s = lettermaze::mnuFile_Click(p_);
    mnuPrint->setEnabled(s.print);
    mnuSW->setEnabled(s.save);
    mnuReset->setEnabled(s.reset);
    mnuHTML->setEnabled(s.html);
    mnuOpen->setEnabled(true);
    mnuExit->setEnabled(true);
}

void MainWindow::mnuEdit_Click() {
    const EditMenuState s = lettermaze::mnuEdit_Click(p_, *host_);
    mnuPaste->setEnabled(s.paste);
    mnuCopy->setEnabled(s.copyWords);
    mnuCopyS->setEnabled(s.copyGrid);
    mnuCopyH->setEnabled(s.copyLists);
    mnuCopyHTML->setEnabled(s.copyHtml);
}

void MainWindow::mnuCheat_Click() {
    syncToModel();
    const CheatMenuState s = lettermaze::mnuCheat_Click(p_);
    mnuF1->setEnabled(s.findSelected);
    mnuFAll->setEnabled(s.findAll);
}

void MainWindow::mnuTTT_Click() {
    // The action toggles its own check mark before this runs.
    const bool on = mnuTTT->isChecked();
    const auto tip = [on](QWidget* w, const char* text) {
        w->setToolTip(on ? QString::fromLatin1(text) : QString());
    };
    tip(WordList, "Enter or paste words to hide here");
    tip(ListW, "Words hidden in grid");
    tip(ListF, "Words found (highlighted) in grid");
    tip(FG, "Click and drag to find words");
    tip(CommandGo, "Click to create a lettermaze using the words listed above");
    tip(Textm, "Number of columns in lettermaze");
    tip(Textn, "Number of rows in lettermaze");
    tip(Label1, "Set dimensions of grid");
    tip(Difficulty, "Slide to set difficulty level");
}

void MainWindow::mnuExit_Click() {
    hide();
    if (exitProgram) exitProgram();
}

void MainWindow::mnuAbout_Click() { lettermaze::mnuAbout_Click(*host_); }

void MainWindow::mnuSupport_Click() { lettermaze::mnuSupport_Click(*host_); }

void MainWindow::CommandGo_Click() {
    GenerateOutcome outcome = GenerateOutcome::Created;
    run([&] { outcome = lettermaze::CommandGo_Click(p_, *host_, *random_); });
    if (outcome == GenerateOutcome::BadSize) {
        // A bad size sends the user back to the columns box, caret at its start.
        Textm->setFocus(Qt::OtherFocusReason);
        Textm->setCursorPosition(0);
    }
}

void MainWindow::FG_MouseUp(int button) {
    run([&] { lettermaze::FG_MouseUp(p_, *host_, *random_, button); });
}

void MainWindow::connectCommands() {
    const auto on = [this](QAction* a, auto handler) {
        connect(a, &QAction::triggered, this, [this, handler] { run([&] { handler(); }); });
    };
    on(mnuOpen, [this] { mnuOpen_Click(p_, *host_); });
    on(mnuSW, [this] { mnuSW_Click(p_, *host_); });
    on(mnuPrint, [this] { mnuPrint_Click(p_, *host_); });
    on(mnuHTML, [this] { mnuHTML_Click(p_, *host_); });
    on(mnuReset, [this] { mnuReset_Click(p_); });
    on(mnuCopyS, [this] { mnuCopyS_Click(p_, *host_); });
    on(mnuCopyH, [this] { mnuCopyH_Click(p_, *host_); });
    on(mnuCopy, [this] { mnuCopy_Click(p_, *host_); });
    on(mnuCopyHTML, [this] { mnuCopyHTML_Click(p_, *host_); });
    on(mnuPaste, [this] { mnuPaste_Click(p_, *host_); });
    on(mnuF1, [this] { mnuF1_Click(p_, *host_, *random_); });
    on(mnuFAll, [this] { mnuFAll_Click(p_, *host_, *random_); });
}

void MainWindow::Form_Load(const std::string& commandLine) {
    StartupEnv env;
    env.associate = associateEnvFor(runningProgramPath());
    if (installedRegistrationCovers(env.associate, "lettermaze")) env.associate.dataHome.clear();
    env.programFolder = host_->programFolder();
    env.seedRandom = [this] {
        if (ownRandom_) ownRandom_->reseed(SeededRandom::clockSeed());
    };
    run([&] { lettermaze::Form_Load(p_, *host_, commandLine, env); });
    rebuildLibraryMenu();
}

}  // namespace lettermaze::ui
