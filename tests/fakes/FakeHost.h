#pragma once
// A scripted desktop for core tests: records everything asked of it and answers from queues.
#include <deque>
#include <functional>
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

    // Scripts, taken from the front; an empty queue answers No (or OK), "" and a cancel.
    std::deque<Answer> answers;
    std::deque<std::string> inputs, fileNames;
    std::deque<PrintSettings> printChoices;
    // Told "message", "events", "open" or "clipboard" as that happens, so a test can look at the
    // puzzle at the moment the desktop is asked for something.
    std::function<void(const std::string&)> watch = [](const std::string&) {};

    // Records.
    int beeps = 0, busyOn = 0, busyOff = 0, printDialogs = 0;
    bool busy = false;
    std::vector<Message> messages;
    std::vector<Input> inputBoxes;
    std::vector<Dialog> dialogs;
    std::vector<std::string> opened;
    std::string clipboard, folder = ".";
    std::vector<std::string> fonts = {"DejaVu Sans", "Arial Narrow", "Arial"};

    void beep() override { ++beeps; }
    void setBusy(bool on) override { ++((busy = on) ? busyOn : busyOff); }
    Answer messageBox(const std::string& text, const std::string& caption, Buttons buttons,
                      MessageIcon icon) override {
        watch("message");
        messages.push_back({text, caption, buttons, icon});
        return buttons == Buttons::Ok ? Answer::Ok : pop(answers, Answer::No);
    }
    std::string inputBox(const std::string& prompt, const std::string& caption,
                         const std::string& defaultText) override {
        inputBoxes.push_back({prompt, caption, defaultText});
        return pop(inputs, std::string());
    }
    std::string showOpen(const std::string& filter, const std::string& fileName) override {
        dialogs.push_back({false, filter, fileName});
        return pop(fileNames, std::string());
    }
    std::string showSave(const std::string& filter, const std::string& fileName) override {
        dialogs.push_back({true, filter, fileName});
        return pop(fileNames, std::string());
    }
    void setClipboardText(const std::string& text) override {
        watch("clipboard");
        clipboard = text;
        hasText = true;
    }
    std::string clipboardText() override { return clipboard; }
    bool clipboardHasText() override { return hasText; }
    void processEvents() override { watch("events"); }
    bool openWithDesktop(const std::string& pathOrUrl) override {
        watch("open");
        opened.push_back(pathOrUrl);
        return true;
    }
    std::string programFolder() override { return folder; }
    std::vector<std::string> screenFonts() override { return fonts; }
    void showPrintDialog(PrintSettings& settings) override {
        ++printDialogs;
        settings.cancelled = true;
        if (!printChoices.empty()) settings = pop(printChoices, settings);
    }

private:
    bool hasText = false;
    template <class T, class Q>
    static T pop(Q& queue, T empty) {
        if (queue.empty()) return empty;
        T front = std::move(queue.front());
        queue.pop_front();
        return front;
    }
};

}  // namespace lettermaze::testing
