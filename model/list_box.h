// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A list box as the exercise sees it: text items, an optional sorted order,
// one selected row (-1 for none) and its visible and enabled flags.
// No operation here raises a click; only a user's action does.
class ListBox {
  public:
    ListBox() = default;
    ListBox(std::vector<std::string> items, bool sorted);

    // A sorted list inserts before the first item that sorts after the text,
    // comparing as text; an unsorted list appends.
    void AddItem(const std::string& text);
    // Removes the item at a row; later rows move up, and so does a selection
    // on them. Removing the selected item leaves no selection.
    void RemoveItem(std::int16_t index);
    void Clear();
    // The item at a row; "" at or past the end and for -1 (no selection).
    std::string List(std::int16_t index) const;
    std::int16_t ListCount() const { return static_cast<std::int16_t>(items_.size()); }
    std::int16_t ListIndex() const { return selected_; }
    void setListIndex(std::int16_t index);

    bool Visible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }
    bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }
    bool Sorted() const { return sorted_; }

    const std::vector<std::string>& items() const { return items_; }

    bool operator==(const ListBox&) const = default;

  private:
    std::vector<std::string> items_;
    bool sorted_ = false;
    std::int16_t selected_ = -1;
    bool visible_ = true;
    bool enabled_ = true;
};
