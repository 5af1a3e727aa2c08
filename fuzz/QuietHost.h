#pragma once
// A desktop that answers every question the same way and keeps nothing, for the fuzz targets.
#include <string>
#include <vector>

#include "model/Host.h"
#include "model/Puzzle.h"

namespace lettermaze::fuzzing {

class QuietHost : public Host {
  public:
    std::string answer;  // what every input box returns
    int messages = 0;

    void beep() override {}
    void setBusy(bool) override {}
    Answer messageBox(const std::string&, const std::string&, Buttons buttons,
                      MessageIcon) override {
        ++messages;
        return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string&) override {
        return answer;
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

}  // namespace lettermaze::fuzzing
