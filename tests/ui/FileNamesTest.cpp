// File names in any alphabet through the window's own file dialogs and its command line: the
// window's Qt host hands the core the file system's bytes, never windows-1252.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "files/PuzzleFile.h"
#include "ui/MainWindow.h"

using namespace lettermaze;
using namespace lettermaze::ui;

class FileNamesTest : public QObject {
    Q_OBJECT
private:
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
    void nonLatinNamesPassThroughSaveOpenAndTheCommandLine() {
        QTemporaryDir tmp;
        const QString folder = tmp.path() + QStringLiteral("/Загрузки 下载 🐈");
        QVERIFY(QDir().mkpath(folder));
        const QString file = folder + QStringLiteral("/кот 猫 🐈.lm");

        MainWindow made;  // with the real Qt host and its dialogs
        made.wordBox->setPlainText(QStringLiteral("cat\ndog\nzebra\n"));
        made.createButton->click();
        emit made.fileMenu->aboutToShow();  // the menu enables Save as it opens
        answerFileDialog(file);
        made.saveAction->trigger();
        QVERIFY(QFile::exists(file));
        const std::string saved = puzzleFileText(made.puzzle());

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

QTEST_MAIN(FileNamesTest)
#include "FileNamesTest.moc"
