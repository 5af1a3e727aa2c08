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
        QCOMPARE(w.WordList->geometry(), pxRect(120, 120, 5895, 3495));
        QCOMPARE(w.Label1->geometry(), pxRect(240, 3840, 2295, 255));
        QCOMPARE(w.Textm->geometry(), pxRect(1440, 3795, 495, 300));
        QCOMPARE(w.Textn->geometry(), pxRect(2280, 3795, 495, 300));
        QCOMPARE(w.CommandGo->geometry(), pxRect(3720, 3840, 2295, 615));
        QCOMPARE(w.Label4->geometry(), pxRect(240, 4200, 1215, 255));
        QCOMPARE(w.Difficulty->geometry(), pxRect(1440, 4200, 1335, 255));
        QCOMPARE(w.LabelH->geometry(), pxRect(120, 4560, 2895, 255));
        QCOMPARE(w.LabelF->geometry(), pxRect(3120, 4560, 2895, 255));
        QCOMPARE(w.ListW->geometry(), pxRect(120, 4920, 2895, 2985));
        QCOMPARE(w.ListF->geometry(), pxRect(3120, 4920, 2895, 2985));
        QVERIFY(!w.FG->isVisible());
    }

    void controlsStartWithTheirDesignContent() {
        testing::FakeHost host;
        MainWindow w(&host);
        QCOMPARE(w.Label1->text(), QStringLiteral("Grid size:                      x"));
        QCOMPARE(w.Textm->text(), QStringLiteral("20"));
        QCOMPARE(w.Textn->text(), QStringLiteral("20"));
        QCOMPARE(w.CommandGo->text(), QStringLiteral("&Create lettermaze"));
        QVERIFY(w.CommandGo->font().bold());
        QCOMPARE(w.CommandGo->font().pointSizeF(), 8.25);
        QCOMPARE(w.Label4->text(), QStringLiteral("Difficulty:"));
        QCOMPARE(w.Difficulty->minimum(), 0);
        QCOMPARE(w.Difficulty->maximum(), 9);
        QCOMPARE(w.Difficulty->value(), 3);
        QCOMPARE(w.LabelH->text(), QStringLiteral("Hidden"));
        QCOMPARE(w.LabelF->text(), QStringLiteral("Found"));
        QCOMPARE(w.LabelH->font().pointSizeF(), 12.0);
        QVERIFY(w.LabelH->font().bold());
        QCOMPARE(w.Textm->font().pointSizeF(), 9.75);
        QVERIFY(w.FG->font().bold());
        QCOMPARE(w.FG->font().pointSizeF(), 9.75);
        QVERIFY(w.WordList->toPlainText().isEmpty());
        QCOMPARE(w.ListW->count(), 0);
        QVERIFY(w.windowTitle().startsWith(QStringLiteral("Lettermaze from ")));
    }

    void menusHoldEveryItemInOrder() {
        testing::FakeHost host;
        MainWindow w(&host);
        QStringList bar;
        for (QAction* a : w.menuBar()->actions()) bar << a->text();
        QCOMPARE(bar, (QStringList{"&File", "&Edit", "C&heat", "&Word lists", "&Help"}));
        QCOMPARE(captions(w.mnuFile),
                 (QStringList{"&Open lettermaze...", "&Save lettermaze...", "&Print...", "-",
                              "Make this lettermaze into a web page...", "-",
                              "&Reset current lettermaze", "-", "E&xit"}));
        QCOMPARE(captions(w.mnuEdit),
                 (QStringList{"&Copy lettermaze", "Copy hidden &words list",
                              "Copy &original words", "Copy HTML for this lettermaze...",
                              "&Paste new words"}));
        QCOMPARE(captions(w.mnuCheat), (QStringList{"Find &selected word", "Find &all words"}));
        QCOMPARE(captions(w.mnuHelp),
                 (QStringList{"Online &Help...", "&ToolTips", "&About..."}));
        QVERIFY(!w.mnuTTT->isChecked());
        for (QMenu* m : {w.mnuFile, w.mnuEdit, w.mnuCheat, w.mnuHelp})
            for (QAction* a : m->actions()) QVERIFY(a->shortcut().isEmpty());
    }

    void typingIsUpperCasedAndFilteredWithTheCaretKept() {
        testing::FakeHost host;
        MainWindow w(&host);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.WordList->setFocus();
        QTest::keyClicks(w.WordList, QStringLiteral("ice cream"));
        QCOMPARE(w.WordList->toPlainText(), QStringLiteral("ICECREAM"));
        QCOMPARE(w.WordList->textCursor().position(), 8);
        QCOMPARE(w.puzzle().WordList, std::string("ICECREAM"));
        // A digit typed in the middle vanishes and the caret stays after the C.
        QTextCursor c = w.WordList->textCursor();
        c.setPosition(3);
        w.WordList->setTextCursor(c);
        QTest::keyClicks(w.WordList, QStringLiteral("7"));
        QCOMPARE(w.WordList->toPlainText(), QStringLiteral("ICECREAM"));
        QCOMPARE(w.WordList->textCursor().position(), 3);
        QTest::sendKeyEvent(QTest::Click, w.WordList, Qt::Key_Eacute, QStringLiteral("\u00e9"),
                            Qt::NoModifier);
        QCOMPARE(w.WordList->toPlainText(), QStringLiteral("ICE\u00c9CREAM"));
        QCOMPARE(w.WordList->textCursor().position(), 4);
    }

    void lineBreaksReachTheModelAsCarriageReturnLineFeed() {
        testing::FakeHost host;
        MainWindow w(&host);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.WordList->setFocus();
        QTest::keyClicks(w.WordList, QStringLiteral("apple"));
        QTest::keyClick(w.WordList, Qt::Key_Return);
        QTest::keyClicks(w.WordList, QStringLiteral("pear-2"));
        QCOMPARE(w.puzzle().WordList, std::string("APPLE\r\nPEAR"));
        QCOMPARE(w.WordList->toPlainText(), QStringLiteral("APPLE\nPEAR"));
        // Pasted text with any kind of line break keeps its lines.
        w.WordList->insertPlainText(QStringLiteral("\r\nfig\rkiwi"));
        QCOMPARE(w.puzzle().WordList, std::string("APPLE\r\nPEAR\r\nFIG\r\nKIWI"));
    }

    void toolTipsSwitchOnAndOffAgain() {
        testing::FakeHost host;
        MainWindow w(&host);
        w.mnuTTT->trigger();
        QCOMPARE(w.WordList->toolTip(), QStringLiteral("Enter or paste words to hide here"));
        QCOMPARE(w.Difficulty->toolTip(), QStringLiteral("Slide to set difficulty level"));
        QCOMPARE(w.Label1->toolTip(), QStringLiteral("Set dimensions of grid"));
        w.mnuTTT->trigger();
        for (QWidget* c : w.centralWidget()->findChildren<QWidget*>())
            QVERIFY2(c->toolTip().isEmpty(), qPrintable(c->objectName()));
    }

    void aboutShowsTwoLinesWithTheInformationIcon() {
        testing::FakeHost host;
        MainWindow w(&host);
        w.mnuAbout->trigger();
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
        w.mnuAbout->trigger();
        QVERIFY(lineHeight > 0);
        QVERIFY2(labelHeight < 3 * lineHeight, qPrintable(QString::number(labelHeight)));
    }
};

QTEST_MAIN(MainWindowLayoutTest)
#include "MainWindowLayoutTest.moc"
