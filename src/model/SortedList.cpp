#include "model/SortedList.h"

#include <algorithm>
#include <stdexcept>

#include "model/Text1252.h"

namespace lettermaze {

bool listLess(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return static_cast<unsigned char>(upper1252(x)) <
                   static_cast<unsigned char>(upper1252(y));
        });
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
    if (selected_ == index) selected_ = -1;
    else if (selected_ > index) --selected_;
}

const std::string& SortedList::at(int index) const {
    if (index < 0 || index >= count()) throw std::out_of_range("list index out of range");
    return items_[static_cast<std::size_t>(index)];
}

void SortedList::setSelectedIndex(int index) {
    if (index < -1 || index >= count()) throw std::out_of_range("list index out of range");
    selected_ = index;
}

std::string SortedList::selectedText() const { return selected_ < 0 ? std::string() : at(selected_); }

}  // namespace lettermaze
