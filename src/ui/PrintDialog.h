#pragma once
// The print dialog: title, what to print and font. It exists only while shown and hands its
// choices back through the shared print settings.
#include <QDialog>
#include <string>
#include <vector>

#include "model/Puzzle.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lettermaze::ui {

class FormPrint : public QDialog {
    Q_OBJECT
  public:
    // fonts: screen font names in the system's order, windows-1252.
    FormPrint(PrintSettings& settings, const std::vector<std::string>& fonts,
              QWidget* parent = nullptr);

    QLineEdit* TextTitle = nullptr;
    QComboBox* ComboPrintWhat = nullptr;
    QComboBox* ComboFont = nullptr;
    QLabel* LabelExplain = nullptr;
    QPushButton* CommandPrint = nullptr;
    QPushButton* CommandCancel = nullptr;

  public slots:
    // Closing by the close box or Escape counts as cancelling.
    void reject() override;

  private slots:
    void CommandPrint_Click();
    void CommandCancel_Click();

  private:
    void Form_Load(const std::vector<std::string>& fonts);

    PrintSettings& settings_;
};

// Shows the dialog modally over parent; the settings hold the choices when it returns.
void showFormPrint(QWidget* parent, lettermaze::PrintSettings& settings,
                   const std::vector<std::string>& fonts);

}  // namespace lettermaze::ui
