// The window as a user first meets it: every control where the design puts it, with its
// caption and font, the menus in order, and the word box filtering what is typed.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include "fakes/FakeHost.h"
#include "ui/GridView.h"
#include "ui/MainWindow.h"
#include "ui/Twips.h"

using namespace lettermaze;
using namespace lettermaze::ui;

class MainWindowLayoutTest : public QObject {
    Q_OBJECT
private:
    static QStringList captions(QMenu* menu) {
        QStringList out;
        for (QAction* a : menu->actions()) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return out;
    }

private slots:
    void controlsStandAtTheirDesignPositions() {
        testing::FakeHost host;
        MainWindow w(&host);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.centralWidget()->size(), QSize(760, 554));
        QCOMPARE(w.wordBox->geometry(), pxRect(120, 120, 5895, 3495));
        QCOMPARE(w.sizeLabel->geometry(), pxRect(240, 3840, 2295, 255));
        QCOMPARE(w.columnsBox->geometry(), pxRect(1440, 3795, 495, 300));
        QCOMPARE(w.rowsBox->geometry(), pxRect(2280, 3795, 495, 300));
        QCOMPARE(w.createButton->geometry(), pxRect(3720, 3840, 2295, 615));
        QCOMPARE(w.difficultyLabel->geometry(), pxRect(240, 4200, 1215, 255));
        QCOMPARE(w.difficultySlider->geometry(), pxRect(1440, 4200, 1335, 255));
        QCOMPARE(w.hiddenLabel->geometry(), pxRect(120, 4560, 2895, 255));
        QCOMPARE(w.foundLabel->geometry(), pxRect(3120, 4560, 2895, 255));
        QCOMPARE(w.hiddenList->geometry(), pxRect(120, 4920, 2895, 2985));
        QCOMPARE(w.foundList->geometry(), pxRect(3120, 4920, 2895, 2985));
        QVERIFY(!w.gridView->isVisible());
    }

    void controlsStartWithTheirDesignContent() {
        testing::FakeHost host;
        MainWindow w(&host);
        QCOMPARE(w.sizeLabel->text(), QStringLiteral("Grid size:                      x"));
        QCOMPARE(w.columnsBox->text(), QStringLiteral("20"));
        QCOMPARE(w.rowsBox->text(), QStringLiteral("20"));
        QCOMPARE(w.createButton->text(), QStringLiteral("&Create lettermaze"));
        QVERIFY(w.createButton->font().bold());
        QCOMPARE(w.createButton->font().pointSizeF(), 8.25);
        QCOMPARE(w.difficultyLabel->text(), QStringLiteral("Difficulty:"));
        QCOMPARE(w.difficultySlider->minimum(), 0);
        QCOMPARE(w.difficultySlider->maximum(), 9);
        QCOMPARE(w.difficultySlider->value(), 3);
        QCOMPARE(w.hiddenLabel->text(), QStringLiteral("Hidden"));
        QCOMPARE(w.foundLabel->text(), QStringLiteral("Found"));
        QCOMPARE(w.hiddenLabel->font().pointSizeF(), 12.0);
        QVERIFY(w.hiddenLabel->font().bold());
        QCOMPARE(w.columnsBox->font().pointSizeF(), 9.75);
        QVERIFY(w.gridView->font().bold());
        QCOMPARE(w.gridView->font().pointSizeF(), 9.75);
        QVERIFY(w.wordBox->toPlainText().isEmpty());
        QCOMPARE(w.hiddenList->count(), 0);
        QVERIFY(w.windowTitle().startsWith(QStringLiteral("Lettermaze from ")));
    }

    void menusHoldEveryItemInOrder() {
        testing::FakeHost host;
        MainWindow w(&host);
        QStringList bar;
        for (QAction* a : w.menuBar()->actions()) bar << a->text();
        QCOMPARE(bar, (QStringList{"&File", "&Edit", "C&heat", "&Word lists", "&Help"}));
        QCOMPARE(captions(w.fileMenu),
                 (QStringList{"&Open lettermaze...", "&Save lettermaze...", "&Print...", "-",
                              "Make this lettermaze into a web page...", "-",
                              "&Reset current lettermaze", "-", "E&xit"}));
        QCOMPARE(captions(w.editMenu),
                 (QStringList{"&Copy lettermaze", "Copy hidden &words list",
                              "Copy &original words", "Copy HTML for this lettermaze...",
                              "&Paste new words"}));
        QCOMPARE(captions(w.cheatMenu), (QStringList{"Find &selected word", "Find &all words"}));
        QCOMPARE(captions(w.helpMenu),
                 (QStringList{"Online &Help...", "&ToolTips", "&About..."}));
        QVERIFY(!w.toolTipsAction->isChecked());
        for (QMenu* m : {w.fileMenu, w.editMenu, w.cheatMenu, w.helpMenu})
            for (QAction* a : m->actions()) QVERIFY(a->shortcut().isEmpty());
    }

    void typingIsUpperCasedAndFilteredWithTheCaretKept() {
        testing::FakeHost host;
        MainWindow w(&host);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.wordBox->setFocus();
        QTest::keyClicks(w.wordBox, QStringLiteral("ice cream"));
        QCOMPARE(w.wordBox->toPlainText(), QStringLiteral("ICECREAM"));
        QCOMPARE(w.wordBox->textCursor().position(), 8);
        QCOMPARE(w.windowState().wordText, std::string("ICECREAM"));
        // A digit typed in the middle vanishes and the caret stays after the C.
        QTextCursor c = w.wordBox->textCursor();
        c.setPosition(3);
        w.wordBox->setTextCursor(c);
        QTest::keyClicks(w.wordBox, QStringLiteral("7"));
        QCOMPARE(w.wordBox->toPlainText(), QStringLiteral("ICECREAM"));
        QCOMPARE(w.wordBox->textCursor().position(), 3);
        QTest::sendKeyEvent(QTest::Click, w.wordBox, Qt::Key_Eacute, QStringLiteral("\u00e9"),
                            Qt::NoModifier);
        QCOMPARE(w.wordBox->toPlainText(), QStringLiteral("ICE\u00c9CREAM"));
        QCOMPARE(w.wordBox->textCursor().position(), 4);
    }

    void lineBreaksReachTheModelAsCarriageReturnLineFeed() {
        testing::FakeHost host;
        MainWindow w(&host);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.wordBox->setFocus();
        QTest::keyClicks(w.wordBox, QStringLiteral("apple"));
        QTest::keyClick(w.wordBox, Qt::Key_Return);
        QTest::keyClicks(w.wordBox, QStringLiteral("pear-2"));
        QCOMPARE(w.windowState().wordText, std::string("APPLE\r\nPEAR"));
        QCOMPARE(w.wordBox->toPlainText(), QStringLiteral("APPLE\nPEAR"));
        // Pasted text with any kind of line break keeps its lines.
        w.wordBox->insertPlainText(QStringLiteral("\r\nfig\rkiwi"));
        QCOMPARE(w.windowState().wordText, std::string("APPLE\r\nPEAR\r\nFIG\r\nKIWI"));
    }

    void toolTipsSwitchOnAndOffAgain() {
        testing::FakeHost host;
        MainWindow w(&host);
        w.toolTipsAction->trigger();
        QCOMPARE(w.wordBox->toolTip(), QStringLiteral("Enter or paste words to hide here"));
        QCOMPARE(w.difficultySlider->toolTip(), QStringLiteral("Slide to set difficulty level"));
        QCOMPARE(w.sizeLabel->toolTip(), QStringLiteral("Set dimensions of grid"));
        w.toolTipsAction->trigger();
        for (QWidget* c : w.centralWidget()->findChildren<QWidget*>())
            QVERIFY2(c->toolTip().isEmpty(), qPrintable(c->objectName()));
    }

    void aboutShowsTwoLinesWithTheInformationIcon() {
        testing::FakeHost host;
        MainWindow w(&host);
        w.aboutAction->trigger();
        QCOMPARE(host.messages.size(), std::size_t{1});
        const auto& m = host.messages[0];
        QCOMPARE(m.caption, std::string("Lettermaze"));
        QVERIFY(m.icon == MessageIcon::Information);
        QVERIFY(m.text.starts_with("Lettermaze v1.1 provided by "));
        QCOMPARE(std::count(m.text.begin(), m.text.end(), '\n'), 1);
    }

    void theRealAboutBoxKeepsEachOfItsTwoLinesOnOneScreenLine() {
        MainWindow w;  // the desktop's own message boxes
        int labelHeight = 0, lineHeight = 0;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            labelHeight = label->heightForWidth(label->width());
            if (labelHeight < 0) labelHeight = label->sizeHint().height();
            lineHeight = QFontMetrics(label->font()).lineSpacing();
            box->accept();
        });
        w.aboutAction->trigger();
        QVERIFY(lineHeight > 0);
        QVERIFY2(labelHeight < 3 * lineHeight, qPrintable(QString::number(labelHeight)));
    }
};

QTEST_MAIN(MainWindowLayoutTest)
#include "MainWindowLayoutTest.moc"
