#pragma once
// A sorted list box without the box: items in ascending alphabetical order (each new item
// is sorted into place, after any equal ones), 0-based indices, and a selected index that is -1
// when nothing is selected.
#include <string>
#include <vector>

namespace lettermaze {

class SortedList {
public:
    void clear();
    // Returns the index the item went to.
    int add(const std::string& item);
    void removeAt(int index);
    int count() const { return static_cast<int>(items_.size()); }
    const std::string& at(int index) const;
    const std::vector<std::string>& items() const { return items_; }

    int selectedIndex() const { return selected_; }
    void setSelectedIndex(int index);
    // The selected item's text, empty when nothing is selected.
    std::string selectedText() const;


private:
    std::vector<std::string> items_;
    int selected_ = -1;
};

// The list order, alphabetical without regard to case or accents: an accented letter sorts
// with its base letter (CR\xC8ME between CREME and CREST) and a ligature as its two letters.
// Words alike but for their accents go plain letter first; words alike but for case are equal.
bool listLess(const std::string& a, const std::string& b);

}  // namespace lettermaze
