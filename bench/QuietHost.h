#pragma once
// A desktop that says nothing and answers no: for timing core handlers without a window.
#include "model/Host.h"
#include "model/Puzzle.h"

namespace lettermaze::bench {

class QuietHost : public Host {
  public:
    void beep() override {}
    void setBusy(bool) override {}
    Answer messageBox(const std::string&, const std::string&, Buttons, MessageIcon) override {
        return Answer::No;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    std::string showOpen(const std::string&, const std::string&) override { return {}; }
    std::string showSave(const std::string&, const std::string&) override { return {}; }
    void setClipboardText(const std::string&) override {}
    std::string clipboardText() override { return {}; }
    bool clipboardHasText() override { return false; }
    void processEvents() override {}
    bool openWithDesktop(const std::string&) override { return false; }
    std::string programFolder() override { return "."; }
    std::vector<std::string> screenFonts() override { return {}; }
    void showPrintDialog(PrintSettings& settings) override { settings.PrintCancelled = true; }
};

}  // namespace lettermaze::bench
