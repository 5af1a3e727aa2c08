#include "model/Puzzle.h"
#include "ui/QtHost.h"

namespace lettermaze::ui {
void QtHost::showPrintDialog(PrintSettings& settings) { settings.PrintCancelled = true; }
}  // namespace lettermaze::ui
