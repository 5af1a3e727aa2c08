#pragma once
// A scripted desktop for core tests: records everything asked of it and answers from queues.
#include <deque>
#include <string>
#include <vector>

#include "model/Host.h"
#include "model/PrintSettings.h"
#include "model/Puzzle.h"

namespace lettermaze::testing {

class FakeHost : public Host {
public:
    struct Message {
        std::string text, caption;
        Buttons buttons;
        MessageIcon icon;
    };
    struct Input {
        std::string prompt, caption, defaultText;
    };
    struct Dialog {
        bool save;
        std::string filter, fileName;
    };

    // Scripts: answers are taken from the front; an empty queue answers No/OK, "" and "".
    std::deque<Answer> answers;
    std::deque<std::string> inputs;
    std::deque<std::string> fileNames;
    std::deque<PrintSettings> printChoices;

    // Records.
    int beeps = 0;
    int busyOn = 0, busyOff = 0;
    bool busy = false;
    int processEventsCalls = 0;
    std::vector<Message> messages;
    std::vector<Input> inputBoxes;
    std::vector<Dialog> dialogs;
    std::vector<std::string> opened;
    int printDialogs = 0;

    std::string clipboard;
    bool clipboardHoldsText = false;
    std::string folder = ".";
    std::vector<std::string> fonts = {"DejaVu Sans", "Arial Narrow", "Arial"};

    void beep() override { ++beeps; }
    void setBusy(bool on) override {
        busy = on;
        ++(on ? busyOn : busyOff);
    }
    Answer messageBox(const std::string& text, const std::string& caption, Buttons buttons,
                      MessageIcon icon) override {
        messages.push_back({text, caption, buttons, icon});
        if (buttons == Buttons::Ok) return Answer::Ok;
        if (answers.empty()) return Answer::No;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::string inputBox(const std::string& prompt, const std::string& caption,
                         const std::string& defaultText) override {
        inputBoxes.push_back({prompt, caption, defaultText});
        return pop(inputs);
    }
    std::string showOpen(const std::string& filter, const std::string& fileName) override {
        dialogs.push_back({false, filter, fileName});
        return pop(fileNames);
    }
    std::string showSave(const std::string& filter, const std::string& fileName) override {
        dialogs.push_back({true, filter, fileName});
        return pop(fileNames);
    }
    void setClipboardText(const std::string& text) override {
        clipboard = text;
        clipboardHoldsText = true;
    }
    std::string clipboardText() override { return clipboardHoldsText ? clipboard : std::string(); }
    bool clipboardHasText() override { return clipboardHoldsText; }
    void processEvents() override { ++processEventsCalls; }
    bool openWithDesktop(const std::string& pathOrUrl) override {
        opened.push_back(pathOrUrl);
        return true;
    }
    std::string programFolder() override { return folder; }
    std::vector<std::string> screenFonts() override { return fonts; }
    void showPrintDialog(PrintSettings& settings) override {
        ++printDialogs;
        if (printChoices.empty()) {
            settings.cancelled = true;
            return;
        }
        settings = printChoices.front();
        printChoices.pop_front();
    }

private:
    static std::string pop(std::deque<std::string>& q) {
        if (q.empty()) return {};
        std::string s = std::move(q.front());
        q.pop_front();
        return s;
    }
};

}  // namespace lettermaze::testing
