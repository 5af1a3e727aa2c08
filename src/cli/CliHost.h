#pragma once
// The desktop as the command-line tool plays it: no beeps, no pointer, dialogs answered from
// settings, and every message kept so the tool can print it.
#include <string>
#include <vector>

#include "model/Host.h"
#include "model/Puzzle.h"

namespace lettermaze::cli {

class CliHost : public Host {
public:
    std::vector<std::string> messages;
    Answer completionAnswer = Answer::No;
    std::string folder = ".";

    void beep() override {}
    void setBusy(bool) override {}
    Answer messageBox(const std::string& text, const std::string&, Buttons buttons,
                      MessageIcon) override {
        messages.push_back(text);
        return buttons == Buttons::Ok ? Answer::Ok : completionAnswer;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    std::string showOpen(const std::string&, const std::string&) override { return {}; }
    std::string showSave(const std::string&, const std::string&) override { return {}; }
    void setClipboardText(const std::string& text) override { clipboard_ = text; }
    std::string clipboardText() override { return clipboard_; }
    bool clipboardHasText() override { return !clipboard_.empty(); }
    void processEvents() override {}
    bool openWithDesktop(const std::string&) override { return false; }
    std::string programFolder() override { return folder; }
    std::vector<std::string> screenFonts() override { return {}; }
    void showPrintDialog(PrintSettings& settings) override { settings.PrintCancelled = true; }

private:
    std::string clipboard_;
};

}  // namespace lettermaze::cli
