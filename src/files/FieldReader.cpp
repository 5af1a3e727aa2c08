#include "files/FieldReader.h"

namespace lettermaze {

namespace {
constexpr int kEof = std::streambuf::traits_type::eof();
}

int FieldReader::peek() {
    return in_.sgetc();
}
int FieldReader::take() {
    return in_.sbumpc();
}

bool FieldReader::takeLineEnd() {
    const int c = peek();
    if (c == '\n') {
        take();
    } else if (c == '\r') {
        take();
        if (peek() == '\n') take();
    } else {
        return false;
    }
    ++line_;
    return true;
}

void FieldReader::skipRestOfField() {
    for (int c = peek(); c != kEof; c = peek()) {
        if (takeLineEnd()) return;
        take();
        if (c == ',') return;
    }
}

bool FieldReader::read(std::string& out) {
    out.clear();
    while (peek() == ' ') take();
    int c = peek();
    if (c == kEof) return false;
    if (c == '"') {
        take();
        for (c = take(); c != '"'; c = take()) {
            if (c == kEof) return false;
            // A line end inside quotes belongs to the field but still counts as a line.
            if (c == '\n' || (c == '\r' && peek() != '\n')) ++line_;
            out += static_cast<char>(c);
        }
        skipRestOfField();
        return true;
    }
    for (; c != kEof; c = peek()) {
        if (takeLineEnd()) return true;
        take();
        if (c == ',') return true;
        out += static_cast<char>(c);
    }
    return true;
}

}  // namespace lettermaze
