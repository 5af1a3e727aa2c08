#pragma once
// The one crossing between Qt's Unicode strings and the core's windows-1252 bytes.
// A character windows-1252 cannot hold becomes "?".
#include <QString>
#include <string>

class QPlainTextEdit;

namespace lettermaze::ui {

QString toQt(const std::string& cp1252);
std::string to1252(const QString& text);

// Paths are no text: the core keeps the file system's bytes, and Qt's own file-name encoding
// turns them into a QString and back unchanged, whatever alphabet the names use.
QString pathToQt(const std::string& path);
std::string pathFromQt(const QString& path);

// The word box's text as typed, each line break as LF.
QString wordBoxText(const QPlainTextEdit& box);

// The word box shows a line break as one character; the core keeps CR LF. These convert the
// text and a caret position between the two.
QString wordBoxFromCore(const std::string& text);
std::string wordBoxToCore(const QString& text);
int wordBoxCaretToCore(const QString& text, int caret);
int wordBoxCaretFromCore(const std::string& text, int caret);

}  // namespace lettermaze::ui
