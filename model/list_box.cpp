// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "list_box.h"

#include "runtime_error.h"

#include <algorithm>
#include <limits>

ListBox::ListBox(std::vector<std::string> items, bool sorted)
    : items_(std::move(items)), sorted_(sorted) {}

void ListBox::AddItem(const std::string& text) {
    if (items_.size() >= static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max()))
        throw RuntimeError("AddItem: the list is full");
    auto at = items_.end();
    if (sorted_)
        at = std::upper_bound(items_.begin(), items_.end(), text);
    const auto row = at - items_.begin();
    items_.insert(at, text);
    // The selection stays on its item, which moves down when inserted before.
    if (selected_ >= 0 && selected_ >= row)
        ++selected_;
}

void ListBox::RemoveItem(std::int16_t index) {
    if (index < 0 || index >= ListCount())
        throw RuntimeError("RemoveItem: invalid index " + std::to_string(index));
    items_.erase(items_.begin() + index);
    if (selected_ == index)
        selected_ = -1;
    else if (selected_ > index)
        --selected_;
}

void ListBox::Clear() {
    items_.clear();
    selected_ = -1;
}

std::string ListBox::List(std::int16_t index) const {
    if (index < -1)
        throw RuntimeError("List: invalid index " + std::to_string(index));
    if (index == -1 || index >= ListCount())
        return "";
    return items_[static_cast<std::size_t>(index)];
}

void ListBox::setListIndex(std::int16_t index) {
    if (index < -1 || index >= ListCount())
        throw RuntimeError("ListIndex: invalid index " + std::to_string(index));
    selected_ = index;
}
