#include "ui/QtHost.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QUrl>

#include "config/Publisher.h"
#include "files/InstallLayout.h"
#include "ui/Codec.h"

namespace lettermaze::ui {

namespace {
// "Label|*.ext" becomes Qt's "Label (*.ext)".
QString qtFilter(const std::string& filter) {
    const QString f = toQt(filter);
    const QStringList parts = f.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) out << parts[i] + " (" + parts[i + 1] + ")";
    return out.join(QStringLiteral(";;"));
}
// The busy pointer is for the window; a dialog the user must answer shows the normal one.
class NormalPointer {
public:
    explicit NormalPointer(bool busy) : busy_(busy) {
        if (busy_) QGuiApplication::restoreOverrideCursor();
    }
    ~NormalPointer() {
        if (busy_) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }

private:
    bool busy_;
};
}  // namespace

QtHost::QtHost(QWidget* window, std::function<void()> beforeModal)
    : window_(window), beforeModal_(std::move(beforeModal)) {}

QtHost::~QtHost() {
    if (busy_) QGuiApplication::restoreOverrideCursor();
}

void QtHost::beep() { QApplication::beep(); }

void QtHost::setBusy(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    if (busy) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else QGuiApplication::restoreOverrideCursor();
}

namespace {
// Qt wraps a message wider than about 500 pixels; the program's messages are a line or two
// that read as written, so the box grows to the widest line instead.
void keepLinesWhole(QMessageBox& box) {
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!label) return;
    const QFontMetrics metrics(label->font());
    int widest = 0;
    for (const QString& line : box.text().split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    label->setMinimumWidth(widest + 2 * label->margin() + 4);
}
}  // namespace

Answer QtHost::messageBox(const std::string& text, const std::string& caption, Buttons buttons,
                          MessageIcon icon) {
    if (beforeModal_) beforeModal_();
    const NormalPointer pointer(busy_);
    QMessageBox box(window_);
    box.setWindowTitle(toQt(caption));
    box.setText(toQt(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    keepLinesWhole(box);
    box.setIcon(icon == MessageIcon::Information   ? QMessageBox::Information
                : icon == MessageIcon::Exclamation ? QMessageBox::Warning
                                                   : QMessageBox::NoIcon);
    switch (buttons) {
        case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        case Buttons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
    }
    const int r = box.exec();
    if (r == QMessageBox::Yes) return Answer::Yes;
    if (r == QMessageBox::No) return Answer::No;
    if (r == QMessageBox::Cancel) return Answer::Cancel;
    // A Yes/No box closed any other way counts as No; a Yes/No/Cancel one as Cancel.
    if (buttons == Buttons::YesNo) return Answer::No;
    if (buttons == Buttons::YesNoCancel) return Answer::Cancel;
    return Answer::Ok;
}

std::string QtHost::inputBox(const std::string& prompt, const std::string& caption,
                             const std::string& defaultText) {
    if (beforeModal_) beforeModal_();
    const NormalPointer pointer(busy_);
    bool ok = false;
    const QString answer = QInputDialog::getText(window_, toQt(caption), toQt(prompt),
                                                 QLineEdit::Normal, toQt(defaultText), &ok);
    return ok ? to1252(answer) : std::string();
}

std::string QtHost::showOpen(const std::string& filter, const std::string& fileName) {
    if (beforeModal_) beforeModal_();
    const NormalPointer pointer(busy_);
    return pathFromQt(
        QFileDialog::getOpenFileName(window_, QString(), pathToQt(fileName), qtFilter(filter)));
}

std::string QtHost::showSave(const std::string& filter, const std::string& fileName) {
    if (beforeModal_) beforeModal_();
    const NormalPointer pointer(busy_);
    // The program overwrites without asking and adds no extension, as it always has.
    return pathFromQt(QFileDialog::getSaveFileName(window_, QString(), pathToQt(fileName),
                                                   qtFilter(filter), nullptr,
                                                   QFileDialog::DontConfirmOverwrite));
}

void QtHost::setClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->clear();
    QGuiApplication::clipboard()->setText(toQt(text));
}

std::string QtHost::clipboardText() { return to1252(QGuiApplication::clipboard()->text()); }

bool QtHost::clipboardHasText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

void QtHost::processEvents() {
    if (beforeModal_) beforeModal_();
    QCoreApplication::processEvents();
}

bool QtHost::openWithDesktop(const std::string& pathOrUrl) {
    const QString path = pathToQt(pathOrUrl);
    if (QFileInfo::exists(path)) return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    return QDesktopServices::openUrl(QUrl::fromUserInput(toQt(pathOrUrl)));
}

std::string QtHost::programFolder() { return dataFolder(); }

std::vector<std::string> QtHost::screenFonts() {
    std::vector<std::string> out;
    for (const QString& family : QFontDatabase::families()) out.push_back(to1252(family));
    return out;
}

std::string dataFolder() {
    return findDataFolder(pathFromQt(QCoreApplication::applicationDirPath()));
}

}  // namespace lettermaze::ui
