// Text reaching the word box the ways a person sends it, through the real window and the real
// clipboard: whatever line ends the source used, the model holds CR LF and the box separate lines;
// a non-breaking space stays; the hidden list sorts accented words with their base letter.
#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "ui/MainWindow.h"

using namespace lettermaze::ui;

class WordBoxTextTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> w;

    void chooseFromMenu(QMenu* menu, QAction* item) {
        QMenuBar* bar = w->menuBar();
        const QPoint title = bar->actionGeometry(menu->menuAction()).center();
        QTest::mouseClick(bar, Qt::LeftButton, {}, title);
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
};

QTEST_MAIN(WordBoxTextTest)
#include "WordBoxTextTest.moc"
