#pragma once
// The state of a window's list boxes: their items and what is selected.
#include <string>
#include <vector>

namespace marovix {

// A list box with one selected item (-1 none).
struct ListBox {
    std::vector<std::string> items;
    int selected = -1;
    friend bool operator==(const ListBox&, const ListBox&) = default;
};

// A multi-select list box: one flag per item.
struct MultiListBox {
    std::vector<std::string> items;
    std::vector<bool> selected;
    friend bool operator==(const MultiListBox&, const MultiListBox&) = default;
};

// The right-button rule of the multi-select lists: with at least one item selected every item is
// deselected, otherwise every item is selected.
inline void selectAllOrClear(std::vector<bool>& selected) {
    bool any = false;
    for (bool flag : selected) any = any || flag;
    selected.assign(selected.size(), !any);
}

}  // namespace marovix
