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
    // Every request: "beep", "busy", "idle", "message TEXT|CAPTION", "ask TEXT|CAPTION" (Yes or
    // No), "choose TEXT|CAPTION" (Yes, No or Cancel), "input PROMPT|CAPTION|DEFAULT",
    // "open FILTER|NAME", "save FILTER|NAME", "copy", "events", "show PATH", "print dialog".
    std::vector<std::string> log;
    // Told each request's first word as it is made, to look at the puzzle at that moment.
    std::function<void(const std::string&)> watch = [](const std::string&) {};

    // How many requests begin with these words.
    long count(const std::string& request) const {
        return std::ranges::count_if(log, [&](auto& r) { return r.starts_with(request); });
    }

    void beep() override { note("beep"); }
    void setBusy(bool on) override { note(on ? "busy" : "idle"); }
    Answer messageBox(const std::string& text, const std::string& caption, Buttons buttons,
                      MessageIcon) override {
        const std::string asked = text + "|" + caption;
        if (buttons != Buttons::Ok)
            return reply((buttons == Buttons::YesNo ? "ask " : "choose ") + asked, answers,
                         Answer::No);
        note("message " + asked);
        return Answer::Ok;
    }
    std::string inputBox(const std::string& prompt, const std::string& caption,
                         const std::string& defaultText) override {
        return reply("input " + prompt + "|" + caption + "|" + defaultText, inputs);
    }
    std::string showOpen(const std::string& filter, const std::string& fileName) override {
        return reply("open " + filter + "|" + fileName, fileNames);
    }
    std::string showSave(const std::string& filter, const std::string& fileName) override {
        return reply("save " + filter + "|" + fileName, fileNames);
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
    std::vector<std::string> screenFonts() override { return {}; }
    void showPrintDialog(PrintSettings& settings) override {
        settings.cancelled = true;
        settings = reply("print dialog", printChoices, settings);
    }

  private:
    void note(const std::string& request) {
        log.push_back(request);
        watch(request.substr(0, request.find(' ')));
    }
    template <class T>
    T reply(const std::string& request, std::deque<T>& queue, T empty = {}) {
        note(request);
        if (queue.empty()) return empty;
        T front = std::move(queue.front());
        queue.pop_front();
        return front;
    }
};

}  // namespace lettermaze::testing
