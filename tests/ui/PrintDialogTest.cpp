#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "ui/Codec.h"
#include "ui/PrintDialog.h"

using lettermaze::PrintSettings;
using lettermaze::ui::PrintDialog;

namespace {
const std::vector<std::string> kFonts = {"DejaVu Sans", "Arial Narrow", "Arial",
                                         "\xC9"
                                         "criture"};

QStringList itemsOf(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
}
}  // namespace

class PrintDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void opensWithItsCaptionControlsAndInitialValues() {
        PrintSettings s;
        PrintDialog dialog(s, kFonts);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Print lettermaze"));
        QCOMPARE(dialog.titleBox->text(), QStringLiteral("Lettermaze"));
        QCOMPARE(dialog.titleBox->toolTip(), QStringLiteral("Enter a title..."));
        QCOMPARE(itemsOf(dialog.whatToPrintBox),
                 QStringList({"Lettermaze and word list", "Lettermaze only", "Word list only"}));
        QCOMPARE(dialog.whatToPrintBox->currentIndex(), 0);
        QCOMPARE(dialog.whatToPrintBox->toolTip(), QStringLiteral("Select what to print"));
        QCOMPARE(dialog.explanationLabel->text(),
                 QStringLiteral("Click Print to open the current lettermaze in your web browser.  "
                                "You can then print it, or preview it first, with your web "
                                "browser's print command."));
        QCOMPARE(dialog.printButton->text(), QStringLiteral("Print"));
        QCOMPARE(dialog.printButton->toolTip(),
                 QStringLiteral("Open this lettermaze in your web browser..."));
        QCOMPARE(dialog.cancelButton->text(), QStringLiteral("Cancel Print"));
        QVERIFY(dialog.isModal());
        QStringList labels;
        for (const QLabel* l : dialog.findChildren<QLabel*>()) labels << l->text();
        for (const char* caption : {"Title:", "What to print:", "Font:"})
            QVERIFY(labels.contains(QString::fromLatin1(caption)));
    }

    void controlsRunTopToBottomWithLabelsLeftAndPrintLeftOfCancel() {
        PrintSettings s;
        PrintDialog dialog(s, kFonts);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.titleBox->y() < dialog.whatToPrintBox->y());
        QVERIFY(dialog.whatToPrintBox->y() < dialog.fontBox->y());
        QVERIFY(dialog.fontBox->y() < dialog.explanationLabel->y());
        QVERIFY(dialog.explanationLabel->y() < dialog.printButton->y());
        QCOMPARE(dialog.printButton->y(), dialog.cancelButton->y());
        QVERIFY(dialog.printButton->x() < dialog.cancelButton->x());
        for (const QLabel* l : dialog.findChildren<QLabel*>())
            if (l != dialog.explanationLabel) QVERIFY(l->x() < dialog.titleBox->x());
    }

    void fontsKeepTheSystemOrderAndTheFirstArialIsSelected() {
        PrintSettings s;
        s.font = "something else";
        PrintDialog dialog(s, kFonts);
        QCOMPARE(itemsOf(dialog.fontBox), QStringList({"DejaVu Sans", "Arial Narrow", "Arial",
                                                         QStringLiteral("\u00C9criture")}));
        QCOMPARE(dialog.fontBox->currentText(), QStringLiteral("Arial Narrow"));
        QCOMPARE(s.font, std::string("Arial Narrow"));
    }

    void withoutAnArialFontTheDesktopsStandInForArialIsSelected() {
        const std::string standIn = lettermaze::ui::to1252(QFontInfo(QFont(QStringLiteral("Arial"))).family());
        PrintSettings s;
        s.font = "old";
        PrintDialog dialog(s, {"DejaVu Math TeX Gyre", standIn, "Noto Serif"});
        QCOMPARE(dialog.fontBox->currentIndex(), 1);
        QCOMPARE(s.font, standIn);
        PrintDialog unlisted(s, {"Noto Serif", "DejaVu Sans"});
        QCOMPARE(unlisted.fontBox->currentIndex(), 0);
        QCOMPARE(s.font, std::string("Noto Serif"));
        PrintSettings none;
        PrintDialog empty(none, {});
        QCOMPARE(empty.fontBox->count(), 0);
    }

    void focusStartsInTheTitleAndTabFollowsTheDialogsOrder() {
        PrintSettings s;
        PrintDialog dialog(s, kFonts);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(QApplication::focusWidget(), dialog.titleBox);
        const QList<QWidget*> order = {dialog.whatToPrintBox, dialog.printButton,
                                       dialog.cancelButton, dialog.fontBox, dialog.titleBox};
        for (QWidget* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void printHandsBackTheTrimmedTitleTheChoiceAndTheLowerCaseFont() {
        PrintSettings s;
        s.cancelled = true;
        PrintDialog dialog(s, kFonts);
        dialog.titleBox->setText(QStringLiteral("  Zoo \u00C9t\u00E9  "));
        dialog.whatToPrintBox->setCurrentIndex(2);
        dialog.fontBox->setCurrentIndex(3);
        QTest::mouseClick(dialog.printButton, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!s.cancelled);
        QCOMPARE(s.title, std::string("Zoo \xC9t\xE9"));
        QCOMPARE(s.what, std::int16_t(2));
        QCOMPARE(s.font, std::string("\xE9"
                                          "criture"));
    }

    void cancelTheCloseBoxAndEscapeAllCancel() {
        {
            PrintSettings s;
            PrintDialog dialog(s, kFonts);
            dialog.show();
            QTest::mouseClick(dialog.cancelButton, Qt::LeftButton);
            QVERIFY(s.cancelled);
            QVERIFY(!dialog.isVisible());
        }
        {
            PrintSettings s;
            PrintDialog dialog(s, kFonts);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            dialog.close();
            QVERIFY(s.cancelled);
        }
        {
            PrintSettings s;
            PrintDialog dialog(s, kFonts);
            dialog.show();
            dialog.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            QTest::keyClick(dialog.titleBox, Qt::Key_Escape);
            QVERIFY(s.cancelled);
            QVERIFY(!dialog.isVisible());
        }
    }

    void showFormPrintRunsModallyAndEachOpeningStartsAfresh() {
        PrintSettings s;
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<PrintDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->titleBox->setText(QStringLiteral("First"));
            dialog->whatToPrintBox->setCurrentIndex(1);
            dialog->printButton->click();
        });
        lettermaze::ui::runPrintDialog(nullptr, s, kFonts);
        QVERIFY(!s.cancelled);
        QCOMPARE(s.title, std::string("First"));
        QCOMPARE(s.what, std::int16_t(1));
        QCOMPARE(s.font, std::string("arial narrow"));

        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<PrintDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->titleBox->text(), QStringLiteral("Lettermaze"));
            QCOMPARE(dialog->whatToPrintBox->currentIndex(), 0);
            dialog->close();
        });
        lettermaze::ui::runPrintDialog(nullptr, s, kFonts);
        QVERIFY(s.cancelled);
    }
};

QTEST_MAIN(PrintDialogTest)
#include "PrintDialogTest.moc"
