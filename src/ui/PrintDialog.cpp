#include "ui/PrintDialog.h"

#include <QComboBox>
#include <QFontInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "output/Print.h"
#include "ui/Codec.h"

namespace lettermaze::ui {

FormPrint::FormPrint(PrintSettings& settings, const std::vector<std::string>& fonts,
                     QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setWindowTitle(QStringLiteral("Print lettermaze"));
    setModal(true);

    TextTitle = new QLineEdit(QStringLiteral("Lettermaze"), this);
    TextTitle->setToolTip(QStringLiteral("Enter a title..."));
    ComboPrintWhat = new QComboBox(this);
    ComboPrintWhat->addItems({QStringLiteral("Lettermaze and word list"),
                              QStringLiteral("Lettermaze only"), QStringLiteral("Word list only")});
    ComboPrintWhat->setToolTip(QStringLiteral("Select what to print"));
    ComboFont = new QComboBox(this);
    LabelExplain = new QLabel(
        QStringLiteral("Click Print to open the current lettermaze in your web browser.  You can "
                       "then print it, or preview it first, with your web browser's print command."),
        this);
    LabelExplain->setWordWrap(true);
    LabelExplain->setMinimumWidth(340);
    CommandPrint = new QPushButton(QStringLiteral("Print"), this);
    CommandPrint->setToolTip(QStringLiteral("Open this lettermaze in your web browser..."));
    CommandCancel = new QPushButton(QStringLiteral("Cancel Print"), this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Title:"), this), 0, 0);
    grid->addWidget(TextTitle, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("What to print:"), this), 1, 0);
    grid->addWidget(ComboPrintWhat, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Font:"), this), 2, 0);
    grid->addWidget(ComboFont, 2, 1);
    grid->addWidget(LabelExplain, 3, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CommandPrint);
    buttons->addStretch();
    buttons->addWidget(CommandCancel);
    grid->addLayout(buttons, 4, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    QWidget::setTabOrder(TextTitle, ComboPrintWhat);
    QWidget::setTabOrder(ComboPrintWhat, CommandPrint);
    QWidget::setTabOrder(CommandPrint, CommandCancel);
    QWidget::setTabOrder(CommandCancel, ComboFont);
    TextTitle->setFocus();

    connect(CommandPrint, &QPushButton::clicked, this, &FormPrint::CommandPrint_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &FormPrint::CommandCancel_Click);

    Form_Load(fonts);
}

void FormPrint::Form_Load(const std::vector<std::string>& fonts) {
    ComboPrintWhat->setCurrentIndex(0);
    // The settings learn the font at once, as the dialog always has done.
    const QString arialSubstitute = QFontInfo(QFont(QStringLiteral("Arial"))).family();
    settings_.PrintFont = defaultPrintFont(fonts, to1252(arialSubstitute));
    for (const std::string& name : fonts) ComboFont->addItem(toQt(name));
    ComboFont->setCurrentIndex(std::max(0, ComboFont->findText(toQt(settings_.PrintFont))));
}

void FormPrint::CommandPrint_Click() {
    acceptPrintChoices(settings_, to1252(TextTitle->text()), ComboPrintWhat->currentIndex(),
                       to1252(ComboFont->currentText()));
    accept();
}

void FormPrint::CommandCancel_Click() {
    reject();
}

void FormPrint::reject() {
    settings_.PrintCancelled = true;
    QDialog::reject();
}

void showFormPrint(QWidget* parent, PrintSettings& settings,
                   const std::vector<std::string>& fonts) {
    FormPrint dialog(settings, fonts, parent);
    if (dialog.exec() != QDialog::Accepted) settings.PrintCancelled = true;
}

}  // namespace lettermaze::ui
