// The window and the print dialog driven with real mouse and key events, offscreen: solving by
// dragging and by keyboard, Tab into the hidden list, the word box's filter, the About box and
// the print dialog's choices.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

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
const std::vector<std::string> kFonts = {"DejaVu Sans", "Arial Narrow", "Arial", "\xC9" "criture"};
}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

    testing::FakeHost host;
    testing::ScriptedRandom rnd{{}, 0.5f};
    std::unique_ptr<MainWindow> w;

    void showPuzzle(const testing::Words& words) {
        w = std::make_unique<MainWindow>(&host, &rnd);
        w->puzzle() = testing::gridPuzzle(kRows, words);
        GridFrame& frame = w->windowState().gridFrame;
        frame.width = 7 * 300 + 60;
        frame.height = 7 * frame.rowHeight + 60;
        w->syncFromModel();
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
    QString found() const {
        QStringList out;
        for (int i = 0; i < w->foundList->count(); ++i) out << w->foundList->item(i)->text();
        return out.join(',') + " " + w->hiddenLabel->text();
    }

  private slots:
    void init() {
        host = testing::FakeHost();
        rnd = testing::ScriptedRandom({}, 0.5f);
    }

    void dragsFindWordsInEveryDirectionAndNothingElse() {
        showPuzzle({"STAR", "SNOW"});
        drag(3, 3, 3, 5);                   // STA
        drag(2, 3, 6, 3);                   // LSNOW
        drag(3, 3, 5, 4);                   // a knight's move draws no colour
        drag(3, 3, 3, 6, Qt::RightButton);  // only refreshes the captions
        QCOMPARE(found(), QStringLiteral(" Hidden (2)"));
        QCOMPARE(rnd.draws, 6);
        drag(3, 6, 3, 3);  // backwards
        QCOMPARE(found(), QStringLiteral("STAR Hidden (1)"));
        testing::Words words;
        for (const auto& [word, r, c] : kRays) words.push_back(word);
        showPuzzle(words);
        for (const auto& [word, r, c] : kRays) drag(3, 3, r, c);
        QCOMPARE(found(), QStringLiteral("SAGE,SHUT,SKIM,SLED,SNOW,SPOT,STAR,SWIG Hidden (0)"));
        QCOMPARE(host.beeps, 9);
        QVERIFY(w->puzzle().grid.colourAt(6, 6) != kWhite);
        QCOMPARE(host.messages.size(), std::size_t{1});  // completed; the fake answers No
        QVERIFY(!w->puzzle().inPlay);
    }

    void keyboardAndPointerMarkALineAndAReleaseOffTheGridTestsNothing() {
        showPuzzle({"STAR", "SNOW"});
        w->gridView->setFocus();
        w->puzzle().grid.setCursorRow(3);
        w->puzzle().grid.setCursorColumn(3);
        QTest::keyClick(w->gridView, Qt::Key_Space);
        for (int i = 0; i < 3; ++i) QTest::keyClick(w->gridView, Qt::Key_Right);
        QVERIFY(w->gridView->pendingLine().has_value());
        QTest::keyClick(w->gridView, Qt::Key_Return);
        QCOMPARE(found(), QStringLiteral("STAR Hidden (1)"));
        QTest::keyClick(w->gridView, Qt::Key_Space);
        QTest::keyClick(w->gridView, Qt::Key_Escape);
        QVERIFY(!w->gridView->pendingLine().has_value());
        QWidget* vp = w->gridView->viewport();
        QTest::mousePress(vp, Qt::LeftButton, Qt::NoModifier, w->gridView->cellCenter(3, 3));
        QTest::mouseMove(vp, w->gridView->cellCenter(6, 3));
        QCOMPARE(w->gridView->pendingLine()->second.row, 6);
        QTest::mouseRelease(vp, Qt::LeftButton, Qt::NoModifier, QPoint(vp->width() + 50, 5));
        QCOMPARE(found(), QStringLiteral("STAR Hidden (1)"));
        QVERIFY(!w->gridView->pendingLine().has_value());
    }

    void tabbingIntoTheHiddenListSelectsNoWordUntilOneIsClicked() {
        showPuzzle({"SKIM", "SHUT"});
        w->difficultySlider->setFocus();
        QTest::keyClick(w->difficultySlider, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w->hiddenList);
        QCOMPARE(w->puzzle().hiddenWords.selectedIndex(), -1);
        QVERIFY(!cheatMenuState(w->puzzle()).findSelected);
        const QRect second = w->hiddenList->visualItemRect(w->hiddenList->item(1));
        QTest::mouseClick(w->hiddenList->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(w->puzzle().hiddenWords.selectedIndex(), 1);
    }

    void typingIsUpperCasedAndFilteredWithTheCaretKeptAndLineBreaksBecomeCrLf() {
        MainWindow m(&host);
        m.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        m.wordBox->setFocus();
        QTest::keyClicks(m.wordBox, QStringLiteral("ice cream"));
        QTextCursor c = m.wordBox->textCursor();
        c.setPosition(3);
        m.wordBox->setTextCursor(c);
        QTest::keyClicks(m.wordBox, QStringLiteral("7"));
        QCOMPARE(m.wordBox->textCursor().position(), 3);
        QTest::sendKeyEvent(QTest::Click, m.wordBox, Qt::Key_Eacute, QStringLiteral("\u00e9"), {});
        QCOMPARE(m.wordBox->textCursor().position(), 4);
        m.wordBox->moveCursor(QTextCursor::End);
        QTest::keyClick(m.wordBox, Qt::Key_Return);
        QTest::keyClicks(m.wordBox, QStringLiteral("pear-2"));
        m.wordBox->insertPlainText(QStringLiteral("\r\nfig\rkiwi"));
        QCOMPARE(m.wordBox->toPlainText(), QStringLiteral("ICE\u00c9CREAM\nPEAR\nFIG\nKIWI"));
        QCOMPARE(m.windowState().wordText, std::string("ICE\xC9" "CREAM\r\nPEAR\r\nFIG\r\nKIWI"));
    }

    void theRealAboutBoxKeepsEachOfItsTwoLinesOnOneScreenLine() {
        MainWindow m;  // the desktop's own message boxes
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
        m.aboutAction->trigger();
        QVERIFY(lineHeight > 0);
        QVERIFY2(labelHeight < 3 * lineHeight, qPrintable(QString::number(labelHeight)));
    }

    // The first font named Arial is offered; without one the desktop's stand-in for Arial, else
    // the first font. Print hands back the title trimmed and the font lower-cased.
    void printDialogOffersAnArialFontAndHandsBackTrimmedChoices() {
        PrintSettings s;
        s.cancelled = true;
        PrintDialog dialog(s, kFonts);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.windowTitle() + dialog.titleBox->text() + dialog.fontBox->currentText(),
                 QStringLiteral("Print lettermazeLettermazeArial Narrow"));
        QCOMPARE(dialog.whatToPrintBox->count() * 10 + dialog.fontBox->count(), 34);
        QCOMPARE(dialog.explanationLabel->text() + dialog.printButton->toolTip(),
                 QStringLiteral("Click Print to open the current lettermaze in your web browser.  "
                                "You can then print it, or preview it first, with your web "
                                "browser's print command.Open this lettermaze in your web "
                                "browser..."));
        QCOMPARE(QApplication::focusWidget(), dialog.titleBox);
        QTest::keyClick(dialog.titleBox, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), dialog.whatToPrintBox);
        dialog.titleBox->setText(QStringLiteral("  Zoo \u00C9t\u00E9  "));
        dialog.whatToPrintBox->setCurrentIndex(2);
        dialog.fontBox->setCurrentIndex(3);
        QTest::mouseClick(dialog.printButton, Qt::LeftButton);
        QCOMPARE(QString::fromLatin1(s.title + "|" + s.font),
                 QString::fromLatin1("Zoo \xC9t\xE9|\xE9" "criture"));
        QVERIFY(!s.cancelled && s.what == 2);

        const std::string standIn = to1252(QFontInfo(QFont(QStringLiteral("Arial"))).family());
        PrintDialog substitute(s, {"DejaVu Math TeX Gyre", standIn, "Noto Serif"});
        QCOMPARE(substitute.fontBox->currentIndex() * 10 + (s.font == standIn), 11);
        PrintDialog unlisted(s, {"Noto Serif", "DejaVu Sans"});
        QCOMPARE(unlisted.fontBox->currentIndex(), 0);
        QCOMPARE(s.font, std::string("Noto Serif"));
        PrintSettings none;
        QCOMPARE(PrintDialog(none, {}).fontBox->count(), 0);
    }

    void cancelEscapeAndTheCloseBoxCancelAndEachOpeningStartsAfresh() {
        PrintSettings s;
        for (int how = 0; how < 4; ++how) {
            QTimer::singleShot(0, [how] {
                auto* d = qobject_cast<PrintDialog*>(QApplication::activeModalWidget());
                QVERIFY(d && d->titleBox->text() == QStringLiteral("Lettermaze"));
                if (how == 0) QTest::mouseClick(d->printButton, Qt::LeftButton);
                if (how == 1) QTest::mouseClick(d->cancelButton, Qt::LeftButton);
                if (how == 2) QTest::keyClick(d->titleBox, Qt::Key_Escape);
                if (how == 3) d->close();
            });
            runPrintDialog(nullptr, s, kFonts);
            QCOMPARE(s.cancelled, how > 0);
            if (how == 0) QCOMPARE(s.font, std::string("arial narrow"));
        }
    }
};

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
