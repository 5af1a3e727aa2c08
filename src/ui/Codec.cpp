#include "ui/Codec.h"

#include <QFile>
#include <QList>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <algorithm>

#include "model/Text1252.h"

namespace lettermaze::ui {

QString toQt(const std::string& cp1252) {
    QString out;
    out.reserve(static_cast<qsizetype>(cp1252.size()));
    for (unsigned char b : cp1252) out += QChar(static_cast<char16_t>(unicodeOf1252(b)));
    return out;
}

std::string to1252(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (char32_t cp : text.toUcs4()) out += from1252Unicode(cp);
    return out;
}

QString pathToQt(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string pathFromQt(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString wordBoxFromCore(const std::string& text) {
    std::string s;
    s.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            s += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            s += text[i];
        }
    }
    return toQt(s);
}

namespace {
// The core text of the box's text and the core position of the box position `caret`: the box
// holds each line break as one character, the core as CR LF.
std::pair<std::string, int> boxToCore(const QString& text, int caret) {
    const std::string s = to1252(text);
    int coreCaret = std::clamp(caret, 0, static_cast<int>(s.size()));
    std::string out = toCrLf(s, coreCaret);
    return {std::move(out), coreCaret};
}
}  // namespace

QString wordBoxText(const QPlainTextEdit& box) {
    // toPlainText() would hand back a non-breaking space as a plain one, which the word box's
    // filter then removes; the raw text keeps it and marks line breaks as separators.
    QString text = box.document()->toRawText();
    for (QChar& c : text)
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) c = u'\n';
    return text;
}

std::string wordBoxToCore(const QString& text) { return boxToCore(text, -1).first; }

int wordBoxCaretToCore(const QString& text, int caret) { return boxToCore(text, caret).second; }

int wordBoxCaretFromCore(const std::string& text, int caret) {
    int pos = 0;
    for (int i = 0; i < caret && i < static_cast<int>(text.size()); ++i) {
        // A CR LF pair is one character in the box.
        if (text[static_cast<std::size_t>(i)] == '\n' && i > 0 &&
            text[static_cast<std::size_t>(i) - 1] == '\r')
            continue;
        ++pos;
    }
    return pos;
}

}  // namespace lettermaze::ui
