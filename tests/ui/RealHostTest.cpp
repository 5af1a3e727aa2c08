// The window with the desktop's own clipboard, keyboard and file dialogs. Text reaches the word
// box with CR LF line ends whatever its source used, a non-breaking space stays and accented
// words sort with their base letter; file names in any alphabet pass through the dialogs and
// the command line as the file system's bytes, never windows-1252.
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "files/PuzzleFile.h"
#include "ui/MainWindow.h"

using namespace lettermaze;
using namespace lettermaze::ui;

class RealHostTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> w;

    void chooseFromMenu(QMenu* menu, QAction* item) {
        QMenuBar* bar = w->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
        QTRY_VERIFY(menu->isVisible());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
        QTRY_VERIFY(!menu->isVisible());
    }
    // Key presses carrying the text, as a keyboard sends them (keyClicks takes ASCII only).
    void type(const QString& text) {
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, w->wordBox, Qt::Key(c.toUpper().unicode()),
                                QString(c), Qt::NoModifier);
    }
    QStringList hiddenList() const {
        QStringList out;
        for (int i = 0; i < w->hiddenList->count(); ++i) out << w->hiddenList->item(i)->text();
        return out;
    }
    // Answers the file dialog about to open with path, as a person typing it would.
    static void answerFileDialog(const QString& path) {
        QTimer::singleShot(0, [path] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept();  // public there, protected here
        });
    }

  private slots:
    void init() {
        w = std::make_unique<MainWindow>();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }
    void cleanup() { w.reset(); }

    void pasteNewWordsTakesAnLfListAsLines() {
        QGuiApplication::clipboard()->setText(QStringLiteral("one\ntwo\nthree"));
        chooseFromMenu(w->editMenu, w->pasteAction);
        QCOMPARE(w->windowState().wordText, std::string("ONE\r\nTWO\r\nTHREE\r\n"));
        QCOMPARE(w->wordBox->blockCount(), 4);
        QTest::mouseClick(w->createButton, Qt::LeftButton);
        QCOMPARE(hiddenList(), (QStringList{"ONE", "THREE", "TWO"}));
    }

    void ctrlVInTheBoxTakesLfAndCrLines() {
        QGuiApplication::clipboard()->setText(QStringLiteral("one\ntwo\rthree\r\n"));
        w->wordBox->setFocus();
        QTest::keyClick(w->wordBox, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w->windowState().wordText, std::string("ONE\r\nTWO\r\nTHREE\r\n"));
        QCOMPARE(w->windowState().wordSelectionStart, 17);
    }

    void aNonBreakingSpaceStaysInTheBox() {
        type(QString::fromUtf8("a\u00A0b"));
        QCOMPARE(w->windowState().wordText, std::string("A\xA0" "B"));
        QCOMPARE(w->wordBox->document()->characterCount(), 4);
        QCOMPARE(w->windowState().wordSelectionStart, 3);
    }

    void accentedWordsSortWithTheirBaseLetter() {
        for (const char* word : {"zebra", "cr\u00E8me", "crest"}) {
            type(QString::fromUtf8(word));
            QTest::keyClick(w->wordBox, Qt::Key_Return);
        }
        QTest::mouseClick(w->createButton, Qt::LeftButton);
        QCOMPARE(hiddenList(), (QStringList{QString::fromUtf8("CR\u00C8ME"), "CREST", "ZEBRA"}));
    }

    void nonLatinNamesPassThroughSaveOpenAndTheCommandLine() {
        QTemporaryDir tmp;
        const QString folder = tmp.path() + QStringLiteral("/Загрузки 下载 🐈");
        QVERIFY(QDir().mkpath(folder));
        const QString file = folder + QStringLiteral("/кот 猫 🐈.lm");
        w->wordBox->setPlainText(QStringLiteral("cat\ndog\nzebra\n"));
        w->createButton->click();
        emit w->fileMenu->aboutToShow();  // the menu enables Save as it opens
        answerFileDialog(file);
        w->saveAction->trigger();
        QVERIFY(QFile::exists(file));
        const std::string saved = puzzleFileText(w->puzzle());

        MainWindow opened;
        answerFileDialog(file);
        opened.openAction->trigger();
        QCOMPARE(puzzleFileText(opened.puzzle()), saved);
        QCOMPARE(opened.windowState().dialogFileName, QFile::encodeName(file).toStdString());
        MainWindow started;
        started.startUp(QFile::encodeName(file).toStdString());
        QCOMPARE(puzzleFileText(started.puzzle()), saved);
    }
};

QTEST_MAIN(RealHostTest)
#include "RealHostTest.moc"
