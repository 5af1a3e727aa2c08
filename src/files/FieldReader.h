#pragma once
// Reads a puzzle file the way it was always read: field by field. A field skips leading spaces;
// a field that then starts with a double quote runs to the next double quote (which may be on a
// later line), and the rest of its line up to a comma or the line end is skipped; any other
// field runs to the next comma or the end of the line. A line ends at CR LF, or at a lone LF or
// a lone CR, so files edited on any system read the same. Reading past the end is an error.
#include <cstdint>
#include <streambuf>
#include <string>
#include <string_view>

namespace lettermaze {

class FieldReader {
  public:
    explicit FieldReader(std::streambuf& in) : in_(in) {}

    // The next field in out; false when the input has ended before it (or inside its quotes).
    bool read(std::string& out);

    // The line the next field starts on, counted from 1, for reporting where a file went wrong.
    std::uint64_t line() const { return line_; }

  private:
    int peek();
    int take();
    // At a line end: consumes CR LF, CR or LF and counts the line.
    bool takeLineEnd();
    // Skips to just past the next comma or line end.
    void skipRestOfField();

    std::streambuf& in_;
    std::uint64_t line_ = 1;
};

// A read-only stream buffer over bytes held elsewhere.
class ViewBuffer : public std::streambuf {
  public:
    explicit ViewBuffer(std::string_view bytes) {
        // The get area is only ever read; the cast does not let anything write through it.
        char* begin = const_cast<char*>(bytes.data());
        setg(begin, begin, begin + bytes.size());
    }
};

}  // namespace lettermaze
