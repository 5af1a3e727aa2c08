#pragma once
// A desktop with no screen: no beeps, no pointer, questions answered from settings, and every
// message kept. The command-line tool, the benchmarks and the fuzz targets run the core on it.
#include <string>
#include <vector>

#include "model/Host.h"
#include "model/PrintSettings.h"

namespace lettermaze {

class QuietHost : public Host {
public:
    std::vector<std::string> messages;
    Answer answer = Answer::No;  // to every Yes/No or Yes/No/Cancel question
    std::string inputAnswer;     // what every input box returns
    std::string folder = ".";

    void beep() override {}
    void setBusy(bool) override {}
    Answer messageBox(const std::string& text, const std::string&, Buttons buttons,
                      MessageIcon) override {
        messages.push_back(text);
        return buttons == Buttons::Ok ? Answer::Ok : answer;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string&) override {
        return inputAnswer;
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
    void showPrintDialog(PrintSettings& settings) override { settings.cancelled = true; }

private:
    std::string clipboard_;
};

}  // namespace lettermaze
