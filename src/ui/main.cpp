#include <QApplication>
#include <QIcon>
#include <QStringList>

#include "ui/Codec.h"
#include "ui/MainWindow.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lettermaze"));
    QApplication::setDesktopFileName(QStringLiteral("lettermaze"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/lettermaze-48.png")));
    lettermaze::ui::MainWindow window;
    // The command line is taken whole: the arguments joined by single spaces, so a path with
    // spaces that the desktop passes unquoted still arrives as one name.
    const QStringList args = QApplication::arguments().mid(1);
    window.startUp(lettermaze::ui::to1252(args.join(QLatin1Char(' '))));
    window.show();
    return app.exec();
}
