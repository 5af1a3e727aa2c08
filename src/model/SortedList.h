#pragma once
// A sorted list box without the box: items in ascending alphabetical order (each new item
// is sorted into place, after any equal ones), 0-based indices, and a selected index that is -1
// when nothing is selected.
#include <string>
#include <vector>

namespace lettermaze {

class SortedList {
public:
    void Clear();
    // Returns the index the item went to.
    int AddItem(const std::string& item);
    void RemoveItem(int index);
    int ListCount() const { return static_cast<int>(items_.size()); }
    const std::string& List(int index) const;
    const std::vector<std::string>& items() const { return items_; }

    int ListIndex() const { return listIndex_; }
    void setListIndex(int index);
    // The selected item's text, empty when nothing is selected.
    std::string Text() const;

    bool Visible = true;

private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
};

// The list order, alphabetical without regard to case or accents: an accented letter sorts
// with its base letter (CR\xC8ME between CREME and CREST) and a ligature as its two letters.
// Words alike but for their accents go plain letter first; words alike but for case are equal.
bool listLess(const std::string& a, const std::string& b);

}  // namespace lettermaze
