#pragma once
// A scripted desktop for core tests: it notes every request, in order, and answers questions
// from queues; an empty queue answers No (or OK), "" and a cancel.
#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "model/Host.h"
#include "model/PrintSettings.h"

namespace lettermaze::testing {

class FakeHost : public Host {
  public:
    std::deque<Answer> answers;
    std::deque<std::string> inputs, fileNames;
    std::deque<PrintSettings> printChoices;
    std::string clipboard, folder = ".";
    std::vector<std::string> fonts = {"DejaVu Sans", "Arial Narrow", "Arial"};
    // Every request: "beep", "busy", "idle", "message TEXT|CAPTION", "ask TEXT|CAPTION" (Yes or
    // No), "choose TEXT|CAPTION" (Yes, No or Cancel), "input PROMPT|CAPTION|DEFAULT",
    // "open FILTER|NAME", "save FILTER|NAME", "copy", "events", "show PATH", "print dialog".
    std::vector<std::string> log;
    // Told each request's first word as it is made, to look at the puzzle at that moment.
    std::function<void(const std::string&)> watch = [](const std::string&) {};

    // How many requests begin with these words.
    long count(const std::string& request) const {
        return std::count_if(log.begin(), log.end(),
                             [&](const std::string& r) { return r.starts_with(request); });
    }
    bool busy() const {
        const auto last = std::find_if(log.rbegin(), log.rend(),
                                       [](auto& r) { return r == "busy" || r == "idle"; });
        return last != log.rend() && *last == "busy";
    }

    void beep() override { note("beep"); }
    void setBusy(bool on) override { note(on ? "busy" : "idle"); }
    Answer messageBox(const std::string& text, const std::string& caption, Buttons buttons,
                      MessageIcon) override {
        const char* kind = buttons == Buttons::Ok      ? "message "
                           : buttons == Buttons::YesNo ? "ask "
                                                       : "choose ";
        note(kind + text + "|" + caption);
        return buttons == Buttons::Ok ? Answer::Ok : pop(answers, Answer::No);
    }
    std::string inputBox(const std::string& prompt, const std::string& caption,
                         const std::string& defaultText) override {
        note("input " + prompt + "|" + caption + "|" + defaultText);
        return pop(inputs, std::string());
    }
    std::string showOpen(const std::string& filter, const std::string& fileName) override {
        note("open " + filter + "|" + fileName);
        return pop(fileNames, std::string());
    }
    std::string showSave(const std::string& filter, const std::string& fileName) override {
        note("save " + filter + "|" + fileName);
        return pop(fileNames, std::string());
    }
    void setClipboardText(const std::string& text) override {
        note("copy");
        clipboard = text;
    }
    std::string clipboardText() override { return clipboard; }
    bool clipboardHasText() override { return !clipboard.empty(); }
    void processEvents() override { note("events"); }
    bool openWithDesktop(const std::string& pathOrUrl) override {
        note("show " + pathOrUrl);
        return true;
    }
    std::string programFolder() override { return folder; }
    std::vector<std::string> screenFonts() override { return fonts; }
    void showPrintDialog(PrintSettings& settings) override {
        note("print dialog");
        settings.cancelled = true;
        if (!printChoices.empty()) settings = pop(printChoices, settings);
    }

  private:
    void note(const std::string& request) {
        log.push_back(request);
        watch(request.substr(0, request.find(' ')));
    }
    template <class T, class Q>
    static T pop(Q& queue, T empty) {
        if (queue.empty()) return empty;
        T front = std::move(queue.front());
        queue.pop_front();
        return front;
    }
};

}  // namespace lettermaze::testing
