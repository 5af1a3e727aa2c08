// The window and the print dialog driven with real mouse and key events, offscreen: solving by
// dragging and by keyboard, Tab into the hidden list, text reaching the word box and the print
// dialog's choices. Most tests script the desktop; the one about the clipboard uses the
// window's own Qt host.
#include <QtTest>
#include <QtWidgets>

#include "fakes/Builders.h"
#include "solve/Cheats.h"
#include "ui/Codec.h"
#include "ui/GridView.h"
#include "ui/MainWindow.h"
#include "ui/PrintDialog.h"

using namespace lettermaze;
using namespace lettermaze::ui;

namespace {
// Eight words run out from the centre S at (3, 3), one in each direction.
const testing::Words kRows = {"GXXDXXE", "XIXEXGX", "XXWLAXX", "TOPSTAR",
                              "XXHNKXX", "XUXOXIX", "TXXWXXM"};
const std::vector<std::tuple<std::string, int, int>> kRays = {
    {"STAR", 3, 6}, {"SPOT", 3, 0}, {"SNOW", 6, 3}, {"SLED", 0, 3},
    {"SKIM", 6, 6}, {"SHUT", 6, 0}, {"SAGE", 0, 6}, {"SWIG", 0, 0}};
const std::vector<std::string> kFonts = {"DejaVu Sans", "Arial Narrow", "Arial", "\311criture"};

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

    testing::FakeHost host;
    testing::ScriptedRandom rnd{{}, 0.5f};
    std::unique_ptr<MainWindow> w;

    // A shown window, on the scripted desktop unless asked for the real one.
    void open(bool realHost = false, const testing::Words& words = {}) {
        w = realHost ? std::make_unique<MainWindow>() : std::make_unique<MainWindow>(&host, &rnd);
        if (!words.empty()) {
            w->puzzle() = testing::gridPuzzle(kRows, words);
            w->windowState().gridFrame.width = 7 * 300 + 60;
            w->windowState().gridFrame.height = 7 * w->windowState().gridFrame.rowHeight + 60;
            w->syncFromModel();
        }
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }
    void drag(int r0, int c0, int r1, int c1, Qt::MouseButton button = Qt::LeftButton) {
        QWidget* vp = w->gridView->viewport();
        const QPoint a = w->gridView->cellCenter(r0, c0), b = w->gridView->cellCenter(r1, c1);
        QTest::mousePress(vp, button, Qt::NoModifier, a);
        QTest::mouseMove(vp, (a + b) / 2);
        QTest::mouseMove(vp, b);
        QTest::mouseRelease(vp, button, Qt::NoModifier, b);
    }
    // The hidden list, the found list and the hidden list's caption.
    QString lists() const {
        QStringList out;
        for (auto* list : {w->hiddenList, w->foundList}) {
            for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
            out << "|";
        }
        return out.join(',') + " " + w->hiddenLabel->text();
    }
    // Key presses carrying the text, as a keyboard sends them (keyClicks takes ASCII only).
    void type(const QString& text) {
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, w->wordBox, Qt::Key(c.toUpper().unicode()),
                                QString(c), Qt::NoModifier);
    }

  private slots:
    void init() {
        host = testing::FakeHost();
        rnd = testing::ScriptedRandom({}, 0.5f);
    }
    void cleanup() { w.reset(); }

    void dragsFindWordsInEveryDirectionAndNothingElse() {
        open(false, {"STAR", "SNOW"});
        drag(3, 3, 3, 5);                   // STA
        drag(2, 3, 6, 3);                   // LSNOW
        drag(3, 3, 5, 4);                   // a knight's move draws no colour
        drag(3, 3, 3, 6, Qt::RightButton);  // only refreshes the captions
        QCOMPARE(lists() + QString::number(rnd.draws), QStringLiteral("SNOW,STAR,|,| Hidden (2)6"));
        drag(3, 6, 3, 3);  // backwards
        QCOMPARE(lists(), QStringLiteral("SNOW,|,STAR,| Hidden (1)"));
        testing::Words words;
        for (const auto& [word, r, c] : kRays) words.push_back(word);
        open(false, words);
        for (const auto& [word, r, c] : kRays) drag(3, 3, r, c);
        QCOMPARE(lists(), "|,SAGE,SHUT,SKIM,SLED,SNOW,SPOT,STAR,SWIG,| Hidden (0)");
        QCOMPARE(host.count("beep") * 10 + host.count("ask"), 91);  // the fake answers No
        QVERIFY(w->puzzle().grid.colourAt(6, 6) != kWhite && !w->puzzle().inPlay);
    }

    void keyboardAndPointerMarkALineAndAReleaseOffTheGridTestsNothing() {
        open(false, {"STAR", "SNOW"});
        w->gridView->setFocus();
        w->puzzle().grid.setCursorRow(3);
        w->puzzle().grid.setCursorColumn(3);
        for (auto key : {Qt::Key_Space, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right})
            QTest::keyClick(w->gridView, key);
        QVERIFY(w->gridView->pendingLine().has_value());
        for (auto key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Escape})
            QTest::keyClick(w->gridView, key);
        QVERIFY(!w->gridView->pendingLine().has_value());
        QWidget* vp = w->gridView->viewport();
        QTest::mousePress(vp, Qt::LeftButton, Qt::NoModifier, w->gridView->cellCenter(3, 3));
        QTest::mouseMove(vp, w->gridView->cellCenter(6, 3));
        QCOMPARE(w->gridView->pendingLine()->second.row, 6);
        QTest::mouseRelease(vp, Qt::LeftButton, Qt::NoModifier, QPoint(vp->width() + 50, 5));
        QVERIFY(!w->gridView->pendingLine().has_value());
        QCOMPARE(lists(), QStringLiteral("SNOW,|,STAR,| Hidden (1)"));
    }

    void tabbingIntoTheHiddenListSelectsNoWordUntilOneIsClicked() {
        open(false, {"SKIM", "SHUT"});
        w->difficultySlider->setFocus();
        QTest::keyClick(w->difficultySlider, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w->hiddenList);
        QVERIFY(w->puzzle().hiddenWords.selectedIndex() == -1 &&
                !cheatMenuState(w->puzzle()).findSelected);
        const QRect second = w->hiddenList->visualItemRect(w->hiddenList->item(1));
        QTest::mouseClick(w->hiddenList->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(w->puzzle().hiddenWords.selectedIndex(), 1);
    }

    // Typed text is upper-cased and filtered with the caret kept after the same character; a
    // non-breaking space stays; line breaks of any kind become CR LF in the model and separate
    // lines in the box; accented words sort with their base letter.
    void typingIsUpperCasedAndFilteredWithTheCaretKeptAndLineBreaksBecomeCrLf() {
        open();
        w->wordBox->setFocus();
        QTest::keyClicks(w->wordBox, QStringLiteral("ice cream"));
        QTextCursor c = w->wordBox->textCursor();
        c.setPosition(3);
        w->wordBox->setTextCursor(c);
        QTest::keyClicks(w->wordBox, QStringLiteral("7"));
        QCOMPARE(w->wordBox->textCursor().position(), 3);
        type(QStringLiteral("\u00e9"));
        QCOMPARE(w->wordBox->textCursor().position(), 4);
        w->wordBox->moveCursor(QTextCursor::End);
        QTest::keyClick(w->wordBox, Qt::Key_Return);
        type(QStringLiteral("cr\u00e8me a\u00a0b-2"));
        w->wordBox->insertPlainText(QStringLiteral("\r\nfig\rcrest\n"));
        QCOMPARE(w->wordBox->blockCount(), 5);
        QCOMPARE(w->windowState().wordText, std::string("ICE\xC9"
                                                        "CREAM\r\nCR\xC8MEA\xA0"
                                                        "B\r\nFIG\r\nCREST\r\n"));
        QTest::mouseClick(w->createButton, Qt::LeftButton);
        QCOMPARE(lists(), "CR\u00c8MEA\u00a0B,CREST,FIG,ICE\u00c9CREAM,|,| Hidden (4)");
    }

    // Through the desktop's clipboard: Paste new words from the menu and Ctrl+V in the box both
    // take LF and CR lines.
    void pasteNewWordsAndCtrlVTakeLfAndCrLines() {
        open(true);
        QGuiApplication::clipboard()->setText(QStringLiteral("one\ntwo\rthree"));
        QMenu* edit = w->editMenu;
        const QPoint title = w->menuBar()->actionGeometry(edit->menuAction()).center();
        QTest::mouseClick(w->menuBar(), Qt::LeftButton, {}, title);
        QTRY_VERIFY(edit->isVisible());
        QTest::mouseClick(edit, Qt::LeftButton, {}, edit->actionGeometry(w->pasteAction).center());
        QTRY_VERIFY(!edit->isVisible());
        QCOMPARE(w->wordBox->blockCount(), 4);
        w->wordBox->setFocus();
        w->wordBox->moveCursor(QTextCursor::End);
        QTest::keyClick(w->wordBox, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w->windowState().wordText,
                 std::string("ONE\r\nTWO\r\nTHREE\r\n") + "ONE\r\nTWO\r\nTHREE");
        QCOMPARE(w->windowState().wordSelectionStart, 32);
    }

    // Each opening starts afresh: the first font named Arial offered, the title box focused, a
    // text that names no browser. Print hands back the title trimmed and the font lower-cased;
    // Cancel, Escape and the close box cancel. Without an Arial, the desktop's stand-in is
    // offered.
    void printDialogOffersAnArialFontAndPrintHandsBackTrimmedChoicesElseItCancels() {
        PrintSettings s;
        for (int how = 0; how < 4; ++how) {
            QTimer::singleShot(0, [how] {  // once the dialog is up
                auto* d = qobject_cast<PrintDialog*>(QApplication::activeModalWidget());
                QTRY_COMPARE(QApplication::focusWidget(), d->titleBox);
                QCOMPARE(d->windowTitle() + d->titleBox->text() + d->fontBox->currentText(),
                         QStringLiteral("Print lettermazeLettermazeArial Narrow"));
                QCOMPARE(d->whatToPrintBox->count() * 10 + d->fontBox->count(), 34);
                QVERIFY(
                    d->explanationLabel->text().contains(QStringLiteral("in your web browser.")));
                d->titleBox->setText(QStringLiteral("  Zoo \u00C9t\u00E9  "));
                d->whatToPrintBox->setCurrentIndex(2);
                d->fontBox->setCurrentIndex(3);
                if (how == 0) QTest::mouseClick(d->printButton, Qt::LeftButton);
                if (how == 1) QTest::mouseClick(d->cancelButton, Qt::LeftButton);
                if (how == 2) QTest::keyClick(d->titleBox, Qt::Key_Escape);
                if (how == 3) d->close();
            });
            runPrintDialog(nullptr, s, kFonts);
            QCOMPARE(s.cancelled, how > 0);
            if (how == 0)
                QCOMPARE(QString::fromLatin1(s.title + "|" + s.font + "|" + char('0' + s.what)),
                         QString::fromLatin1("Zoo \xC9t\xE9|\351criture|2"));
        }
        const std::string standIn = to1252(QFontInfo(QFont(QStringLiteral("Arial"))).family());
        PrintDialog substitute(s, {"DejaVu Math TeX Gyre", standIn, "Noto Serif"});
        QCOMPARE(substitute.fontBox->currentIndex() * 10 + (s.font == standIn), 11);
    }
};

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
