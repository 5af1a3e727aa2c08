#pragma once
// The print dialog: title, what to print and font. It exists only while shown and hands its
// choices back through the shared print settings.
#include <QDialog>
#include <string>
#include <vector>

#include "model/PrintSettings.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lettermaze::ui {

class PrintDialog : public QDialog {
    Q_OBJECT
  public:
    // fonts: screen font names in the system's order, windows-1252.
    PrintDialog(PrintSettings& settings, const std::vector<std::string>& fonts,
              QWidget* parent = nullptr);

    QLineEdit* titleBox = nullptr;
    QComboBox* whatToPrintBox = nullptr;
    QComboBox* fontBox = nullptr;
    QLabel* explanationLabel = nullptr;
    QPushButton* printButton = nullptr;
    QPushButton* cancelButton = nullptr;

  public slots:
    // Closing by the close box or Escape counts as cancelling.
    void reject() override;

  private slots:
    void acceptChoices();
    void cancelPrint();

  private:
    void fillChoices(const std::vector<std::string>& fonts);

    PrintSettings& settings_;
};

// Shows the dialog modally over parent; the settings hold the choices when it returns.
void runPrintDialog(QWidget* parent, lettermaze::PrintSettings& settings,
                   const std::vector<std::string>& fonts);

}  // namespace lettermaze::ui
