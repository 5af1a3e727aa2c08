#include "model/SortedList.h"

#include <algorithm>
#include <stdexcept>

#include "model/Text1252.h"

namespace lettermaze {

namespace {

// Reads a text one sort letter at a time: upper-cased, an accented letter as its base letter
// and a ligature as its two letters.
class SortLetters {
  public:
    explicit SortLetters(const std::string& text) : text_(text) {}
    // The next sort letter as 0..255, or -1 after the last.
    int next() {
        if (pending_.empty()) {
            if (at_ == text_.size()) return -1;
            const char c = upper1252(text_[at_++]);
            pending_ = baseLetters1252(c);
            if (pending_.empty()) return static_cast<unsigned char>(c);
        }
        const char c = pending_.front();
        pending_.remove_prefix(1);
        return static_cast<unsigned char>(c);
    }

  private:
    const std::string& text_;
    std::size_t at_ = 0;
    std::string_view pending_;
};

int compareBaseLetters(const std::string& a, const std::string& b) {
    SortLetters x(a), y(b);
    for (;;) {
        const int cx = x.next(), cy = y.next();
        if (cx != cy) return cx < cy ? -1 : 1;
        if (cx < 0) return 0;
    }
}

int compareUpperCased(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto cx = static_cast<unsigned char>(upper1252(a[i]));
        const auto cy = static_cast<unsigned char>(upper1252(b[i]));
        if (cx != cy) return cx < cy ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

}  // namespace

bool listLess(const std::string& a, const std::string& b) {
    // Words that differ only in their accents (CREME, CR\xC8ME) still get a fixed order, the
    // plain letter first; words that differ only in case are equal, and the later one goes
    // after the earlier.
    if (const int c = compareBaseLetters(a, b)) return c < 0;
    return compareUpperCased(a, b) < 0;
}

void SortedList::clear() {
    items_.clear();
    selected_ = -1;
}

int SortedList::add(const std::string& item) {
    const auto at = std::upper_bound(items_.begin(), items_.end(), item, listLess);
    const int index = static_cast<int>(at - items_.begin());
    items_.insert(at, item);
    if (selected_ >= index) ++selected_;
    return index;
}

void SortedList::removeAt(int index) {
    if (index < 0 || index >= count()) throw std::out_of_range("list index out of range");
    items_.erase(items_.begin() + index);
    // A list box drops its selection when the selected item goes.
    if (selected_ == index)
        selected_ = -1;
    else if (selected_ > index)
        --selected_;
}

const std::string& SortedList::at(int index) const {
    if (index < 0 || index >= count()) throw std::out_of_range("list index out of range");
    return items_[static_cast<std::size_t>(index)];
}

void SortedList::setSelectedIndex(int index) {
    if (index < -1 || index >= count()) throw std::out_of_range("list index out of range");
    selected_ = index;
}

std::string SortedList::selectedText() const {
    return selected_ < 0 ? std::string() : at(selected_);
}

}  // namespace lettermaze
