#pragma once
// Everything the core needs of the desktop, behind one narrow interface. The window passes a
// QtHost; tests pass a scripted FakeHost; the command-line tool has its own quiet host.
// All texts are windows-1252; paths are the file system's own bytes (UTF-8 on Linux), which
// windows-1252 could not hold.
#include <string>
#include <vector>

namespace lettermaze {

struct PrintSettings;

enum class Answer { Ok, Yes, No, Cancel };
enum class MessageIcon { None, Information, Exclamation };
enum class Buttons { Ok, YesNo, YesNoCancel };

class Host {
public:
    virtual ~Host() = default;

    virtual void beep() = 0;
    // The busy (hourglass) pointer on or off.
    virtual void setBusy(bool busy) = 0;
    // A modal message box; returns the button pressed.
    virtual Answer messageBox(const std::string& text, const std::string& caption, Buttons buttons,
                              MessageIcon icon) = 0;
    // A modal input box; the empty string when cancelled.
    virtual std::string inputBox(const std::string& prompt, const std::string& caption,
                                 const std::string& defaultText) = 0;
    // File dialogs with a "Label|*.ext" filter and the dialog's current file name; each returns
    // the chosen path, or the empty string when the user cancelled. fileName is a path too.
    virtual std::string showOpen(const std::string& filter, const std::string& fileName) = 0;
    virtual std::string showSave(const std::string& filter, const std::string& fileName) = 0;

    // Clipboard, plain text.
    virtual void setClipboardText(const std::string& text) = 0;
    virtual std::string clipboardText() = 0;
    virtual bool clipboardHasText() = 0;

    // Let pending window events run (the window repaints from the model first).
    virtual void processEvents() = 0;

    // Open a file (a path) or an address with the desktop's default handler; false when nothing
    // opened it.
    virtual bool openWithDesktop(const std::string& pathOrUrl) = 0;

    // The folder that holds the program (its library, icon and print page live there), a path.
    virtual std::string programFolder() = 0;
    // Screen font names in the order the system reports them.
    virtual std::vector<std::string> screenFonts() = 0;

    // Shows the print dialog modally; it writes its choices into settings when it closes.
    virtual void showPrintDialog(PrintSettings& settings) = 0;
};

}  // namespace lettermaze
