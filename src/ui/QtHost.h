#pragma once
// The desktop as the core sees it, made of Qt's standard dialogs, clipboard and desktop services.
#include <functional>

#include "model/Host.h"

class QWidget;

namespace lettermaze::ui {

class QtHost : public Host {
public:
    // beforeModal mirrors the model into the window, so that a message box or a repaint shows
    // the puzzle as it stands at that moment.
    QtHost(QWidget* window, std::function<void()> beforeModal);
    ~QtHost() override;

    void beep() override;
    void setBusy(bool busy) override;
    Answer messageBox(const std::string& text, const std::string& caption, Buttons buttons,
                      MessageIcon icon) override;
    std::string inputBox(const std::string& prompt, const std::string& caption,
                         const std::string& defaultText) override;
    std::string showOpen(const std::string& filter, const std::string& fileName) override;
    std::string showSave(const std::string& filter, const std::string& fileName) override;
    void setClipboardText(const std::string& text) override;
    std::string clipboardText() override;
    bool clipboardHasText() override;
    void processEvents() override;
    bool openWithDesktop(const std::string& pathOrUrl) override;
    std::string programFolder() override;
    std::vector<std::string> screenFonts() override;
    void showPrintDialog(PrintSettings& settings) override;

private:
    QWidget* window_;
    std::function<void()> beforeModal_;
    bool busy_ = false;
};

// The folder holding the program's data: beside the executable, or an installed share folder.
std::string dataFolder();

}  // namespace lettermaze::ui
