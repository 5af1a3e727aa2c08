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
using lettermaze::ui::FormPrint;

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
        FormPrint dialog(s, kFonts);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Print lettermaze"));
        QCOMPARE(dialog.TextTitle->text(), QStringLiteral("Lettermaze"));
        QCOMPARE(dialog.TextTitle->toolTip(), QStringLiteral("Enter a title..."));
        QCOMPARE(itemsOf(dialog.ComboPrintWhat),
                 QStringList({"Lettermaze and word list", "Lettermaze only", "Word list only"}));
        QCOMPARE(dialog.ComboPrintWhat->currentIndex(), 0);
        QCOMPARE(dialog.ComboPrintWhat->toolTip(), QStringLiteral("Select what to print"));
        QCOMPARE(dialog.LabelExplain->text(),
                 QStringLiteral("Click Print to open the current lettermaze in your web browser.  "
                                "You can then print it, or preview it first, with your web "
                                "browser's print command."));
        QCOMPARE(dialog.CommandPrint->text(), QStringLiteral("Print"));
        QCOMPARE(dialog.CommandPrint->toolTip(),
                 QStringLiteral("Open this lettermaze in your web browser..."));
        QCOMPARE(dialog.CommandCancel->text(), QStringLiteral("Cancel Print"));
        QVERIFY(dialog.isModal());
        QStringList labels;
        for (const QLabel* l : dialog.findChildren<QLabel*>()) labels << l->text();
        for (const char* caption : {"Title:", "What to print:", "Font:"})
            QVERIFY(labels.contains(QString::fromLatin1(caption)));
    }

    void controlsRunTopToBottomWithLabelsLeftAndPrintLeftOfCancel() {
        PrintSettings s;
        FormPrint dialog(s, kFonts);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.TextTitle->y() < dialog.ComboPrintWhat->y());
        QVERIFY(dialog.ComboPrintWhat->y() < dialog.ComboFont->y());
        QVERIFY(dialog.ComboFont->y() < dialog.LabelExplain->y());
        QVERIFY(dialog.LabelExplain->y() < dialog.CommandPrint->y());
        QCOMPARE(dialog.CommandPrint->y(), dialog.CommandCancel->y());
        QVERIFY(dialog.CommandPrint->x() < dialog.CommandCancel->x());
        for (const QLabel* l : dialog.findChildren<QLabel*>())
            if (l != dialog.LabelExplain) QVERIFY(l->x() < dialog.TextTitle->x());
    }

    void fontsKeepTheSystemOrderAndTheFirstArialIsSelected() {
        PrintSettings s;
        s.PrintFont = "something else";
        FormPrint dialog(s, kFonts);
        QCOMPARE(itemsOf(dialog.ComboFont), QStringList({"DejaVu Sans", "Arial Narrow", "Arial",
                                                         QStringLiteral("\u00C9criture")}));
        QCOMPARE(dialog.ComboFont->currentText(), QStringLiteral("Arial Narrow"));
        QCOMPARE(s.PrintFont, std::string("Arial Narrow"));
    }

    void withoutAnArialFontTheDesktopsStandInForArialIsSelected() {
        const std::string standIn = lettermaze::ui::to1252(QFontInfo(QFont(QStringLiteral("Arial"))).family());
        PrintSettings s;
        s.PrintFont = "old";
        FormPrint dialog(s, {"DejaVu Math TeX Gyre", standIn, "Noto Serif"});
        QCOMPARE(dialog.ComboFont->currentIndex(), 1);
        QCOMPARE(s.PrintFont, standIn);
        FormPrint unlisted(s, {"Noto Serif", "DejaVu Sans"});
        QCOMPARE(unlisted.ComboFont->currentIndex(), 0);
        QCOMPARE(s.PrintFont, std::string("Noto Serif"));
        PrintSettings none;
        FormPrint empty(none, {});
        QCOMPARE(empty.ComboFont->count(), 0);
    }

    void focusStartsInTheTitleAndTabFollowsTheDialogsOrder() {
        PrintSettings s;
        FormPrint dialog(s, kFonts);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(QApplication::focusWidget(), dialog.TextTitle);
        const QList<QWidget*> order = {dialog.ComboPrintWhat, dialog.CommandPrint,
                                       dialog.CommandCancel, dialog.ComboFont, dialog.TextTitle};
        for (QWidget* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void printHandsBackTheTrimmedTitleTheChoiceAndTheLowerCaseFont() {
        PrintSettings s;
        s.PrintCancelled = true;
        FormPrint dialog(s, kFonts);
        dialog.TextTitle->setText(QStringLiteral("  Zoo \u00C9t\u00E9  "));
        dialog.ComboPrintWhat->setCurrentIndex(2);
        dialog.ComboFont->setCurrentIndex(3);
        QTest::mouseClick(dialog.CommandPrint, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!s.PrintCancelled);
        QCOMPARE(s.PrintTitle, std::string("Zoo \xC9t\xE9"));
        QCOMPARE(s.PrintWhat, std::int16_t(2));
        QCOMPARE(s.PrintFont, std::string("\xE9"
                                          "criture"));
    }

    void cancelTheCloseBoxAndEscapeAllCancel() {
        {
            PrintSettings s;
            FormPrint dialog(s, kFonts);
            dialog.show();
            QTest::mouseClick(dialog.CommandCancel, Qt::LeftButton);
            QVERIFY(s.PrintCancelled);
            QVERIFY(!dialog.isVisible());
        }
        {
            PrintSettings s;
            FormPrint dialog(s, kFonts);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            dialog.close();
            QVERIFY(s.PrintCancelled);
        }
        {
            PrintSettings s;
            FormPrint dialog(s, kFonts);
            dialog.show();
            dialog.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            QTest::keyClick(dialog.TextTitle, Qt::Key_Escape);
            QVERIFY(s.PrintCancelled);
            QVERIFY(!dialog.isVisible());
        }
    }

    void showFormPrintRunsModallyAndEachOpeningStartsAfresh() {
        PrintSettings s;
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<FormPrint*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->TextTitle->setText(QStringLiteral("First"));
            dialog->ComboPrintWhat->setCurrentIndex(1);
            dialog->CommandPrint->click();
        });
        lettermaze::ui::showFormPrint(nullptr, s, kFonts);
        QVERIFY(!s.PrintCancelled);
        QCOMPARE(s.PrintTitle, std::string("First"));
        QCOMPARE(s.PrintWhat, std::int16_t(1));
        QCOMPARE(s.PrintFont, std::string("arial narrow"));

        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<FormPrint*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->TextTitle->text(), QStringLiteral("Lettermaze"));
            QCOMPARE(dialog->ComboPrintWhat->currentIndex(), 0);
            dialog->close();
        });
        lettermaze::ui::showFormPrint(nullptr, s, kFonts);
        QVERIFY(s.PrintCancelled);
    }
};

QTEST_MAIN(PrintDialogTest)
#include "PrintDialogTest.moc"
