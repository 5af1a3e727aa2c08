#include <QApplication>
#include <QIcon>
#include <string>

#include "ui/MainWindow.h"

int main(int argc, char* argv[]) {
    // QApplication takes out the options that are its own and leaves the rest in argv.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lettermaze"));
    QApplication::setDesktopFileName(QStringLiteral("lettermaze"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/lettermaze-48.png")));
    lettermaze::ui::MainWindow window;
    // The command line is taken whole: the arguments joined by single spaces, so a path with
    // spaces that the desktop passes unquoted still arrives as one name. The bytes go through
    // untouched, as the file system gave them; no decoding can then spoil a non-Latin name.
    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) commandLine += ' ';
        commandLine += argv[i];
    }
    window.startUp(commandLine);
    window.show();
    return app.exec();
}
