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

PrintDialog::PrintDialog(PrintSettings& settings, const std::vector<std::string>& fonts,
                         QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setWindowTitle(QStringLiteral("Print lettermaze"));
    setModal(true);

    titleBox = new QLineEdit(QStringLiteral("Lettermaze"), this);
    titleBox->setToolTip(QStringLiteral("Enter a title..."));
    whatToPrintBox = new QComboBox(this);
    whatToPrintBox->addItems({QStringLiteral("Lettermaze and word list"),
                              QStringLiteral("Lettermaze only"), QStringLiteral("Word list only")});
    whatToPrintBox->setToolTip(QStringLiteral("Select what to print"));
    fontBox = new QComboBox(this);
    explanationLabel = new QLabel(
        QStringLiteral(
            "Click Print to open the current lettermaze in your web browser.  You can "
            "then print it, or preview it first, with your web browser's print command."),
        this);
    explanationLabel->setWordWrap(true);
    explanationLabel->setMinimumWidth(340);
    printButton = new QPushButton(QStringLiteral("Print"), this);
    printButton->setToolTip(QStringLiteral("Open this lettermaze in your web browser..."));
    cancelButton = new QPushButton(QStringLiteral("Cancel Print"), this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Title:"), this), 0, 0);
    grid->addWidget(titleBox, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("What to print:"), this), 1, 0);
    grid->addWidget(whatToPrintBox, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Font:"), this), 2, 0);
    grid->addWidget(fontBox, 2, 1);
    grid->addWidget(explanationLabel, 3, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(printButton);
    buttons->addStretch();
    buttons->addWidget(cancelButton);
    grid->addLayout(buttons, 4, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    QWidget::setTabOrder(titleBox, whatToPrintBox);
    QWidget::setTabOrder(whatToPrintBox, printButton);
    QWidget::setTabOrder(printButton, cancelButton);
    QWidget::setTabOrder(cancelButton, fontBox);
    titleBox->setFocus();

    connect(printButton, &QPushButton::clicked, this, &PrintDialog::acceptChoices);
    connect(cancelButton, &QPushButton::clicked, this, &PrintDialog::cancelPrint);

    fillChoices(fonts);
}

void PrintDialog::fillChoices(const std::vector<std::string>& fonts) {
    whatToPrintBox->setCurrentIndex(0);
    // The settings learn the font at once, as the dialog always has done.
    const QString arialSubstitute = QFontInfo(QFont(QStringLiteral("Arial"))).family();
    settings_.font = defaultPrintFont(fonts, to1252(arialSubstitute));
    for (const std::string& name : fonts) fontBox->addItem(toQt(name));
    fontBox->setCurrentIndex(std::max(0, fontBox->findText(toQt(settings_.font))));
}

void PrintDialog::acceptChoices() {
    acceptPrintChoices(settings_, to1252(titleBox->text()), whatToPrintBox->currentIndex(),
                       to1252(fontBox->currentText()));
    accept();
}

void PrintDialog::cancelPrint() {
    reject();
}

void PrintDialog::reject() {
    settings_.cancelled = true;
    QDialog::reject();
}

void runPrintDialog(QWidget* parent, PrintSettings& settings,
                    const std::vector<std::string>& fonts) {
    PrintDialog dialog(settings, fonts, parent);
    if (dialog.exec() != QDialog::Accepted) settings.cancelled = true;
}

}  // namespace lettermaze::ui
