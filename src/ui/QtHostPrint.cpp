// The print dialog belongs to the window layer; the core only sees the choices it leaves.
#include "model/Puzzle.h"
#include "ui/PrintDialog.h"
#include "ui/QtHost.h"

namespace lettermaze::ui {

void QtHost::showPrintDialog(PrintSettings& settings) {
    if (beforeModal_) beforeModal_();
    runPrintDialog(window_, settings, screenFonts());
}

}  // namespace lettermaze::ui
