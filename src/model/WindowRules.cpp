#include "model/WindowRules.h"

#include "config/Publisher.h"
#include "model/FitGrid.h"

namespace lettermaze {

FileMenuState mnuFile_Click(const Puzzle& p) {
    const bool shown = p.FG.Visible;
    return {shown, shown, shown, shown};
}

EditMenuState mnuEdit_Click(const Puzzle& p, Host& host) {
    EditMenuState s{};
    s.paste = host.clipboardHasText();
    s.copyWords = !p.WordList.empty();
    s.copyGrid = p.FG.Visible;
    s.copyLists = p.ListW.ListCount() + p.ListF.ListCount() >= 1;
    s.copyHtml = p.FG.Visible;
    return s;
}

void Form_Resize(Puzzle& p) {
    if (p.Printing) return;
    const bool wasVisible = p.FG.Visible;
    if (p.FG.Visible && p.FG.Top + 540 < p.WindowHeight && p.FG.Left + 240 < p.WindowWidth) {
        p.FG.Visible = false;
        FitGrid(p);
    }
    p.FG.Visible = wasVisible;
}

std::string aboutText() {
    return std::string("Lettermaze ") + publisher::kVersion + " provided by " + publisher::kSiteName +
           ".  Further information is available from our website.\r\n" + publisher::kNotice;
}

void mnuAbout_Click(Host& host) {
    host.messageBox(aboutText(), publisher::kAppTitle, Buttons::Ok, MessageIcon::Information);
}

std::string supportAddress() { return std::string(publisher::kHost) + publisher::kSupportPath; }

std::string supportCommandLine() { return "Start.exe " + supportAddress(); }

void mnuSupport_Click(Host& host) {
    // There is no start command here; the desktop's default browser opens the same address.
    host.openWithDesktop(supportAddress());
}

std::string windowCaption() { return std::string("Lettermaze from ") + publisher::kSiteName; }

}  // namespace lettermaze
