#include "model/WindowRules.h"

#include "config/Publisher.h"
#include "model/GridFrame.h"

namespace lettermaze {

FileMenuState fileMenuState(const Puzzle& p) {
    const bool shown = p.shown;
    return {shown, shown, shown, shown};
}

EditMenuState editMenuState(const Puzzle& p, const WindowState& window, Host& host) {
    EditMenuState s{};
    s.paste = host.clipboardHasText();
    s.copyWords = !window.wordText.empty();
    s.copyGrid = p.shown;
    s.copyLists = p.hiddenWords.count() + p.foundWords.count() >= 1;
    s.copyHtml = p.shown;
    return s;
}

void refitGrid(Puzzle& p, WindowState& window) {
    if (window.printing) return;
    const bool wasShown = p.shown;
    GridFrame& f = window.gridFrame;
    if (p.shown && f.top + 540 < window.height && f.left + 240 < window.width) {
        p.shown = false;
        fitGrid(f, p.grid.rowCount(), p.grid.columnCount(), window.width, window.height);
    }
    p.shown = wasShown;
}

std::string aboutText() {
    return std::string("Lettermaze ") + publisher::kVersion + " provided by " +
           publisher::kSiteName + ".  Further information is available from our website.\r\n" +
           publisher::kNotice;
}

void showAbout(Host& host) {
    host.messageBox(aboutText(), publisher::kAppTitle, Buttons::Ok, MessageIcon::Information);
}

std::string supportAddress() {
    return std::string(publisher::kHost) + publisher::kSupportPath;
}

std::string supportCommandLine() {
    return "Start.exe " + supportAddress();
}

void openOnlineHelp(Host& host) {
    // There is no start command here; the desktop's default browser opens the same address.
    host.openWithDesktop(supportAddress());
}

std::string windowCaption() {
    return std::string("Lettermaze from ") + publisher::kSiteName;
}

}  // namespace lettermaze
