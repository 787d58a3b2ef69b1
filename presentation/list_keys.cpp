// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "list_keys.h"

#include <algorithm>

namespace {

char16_t folded(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

} // namespace

std::optional<int> rowForKey(ListKey key, std::u16string_view typed,
                             const std::vector<std::string>& items, int current, int rowsInSight) {
    const auto rows = static_cast<int>(items.size());
    if (rows == 0)
        return std::nullopt;
    // A page keeps one row of the last one in sight.
    const int page = std::max(1, rowsInSight - 1);
    const auto clamp = [rows](int row) { return std::clamp(row, 0, rows - 1); };
    switch (key) {
    case ListKey::up:
        return clamp(current - 1);
    case ListKey::down:
        return clamp(current + 1);
    case ListKey::pageUp:
        return clamp(current - page);
    case ListKey::pageDown:
        return clamp(current < 0 ? 0 : current + page);
    case ListKey::home:
        return 0;
    case ListKey::end:
        return rows - 1;
    case ListKey::other:
        break;
    }
    // One character leads to the next row that begins with it; no row
    // begins with a blank or a control character.
    if (typed.size() != 1)
        return std::nullopt;
    for (int step = 1; step <= rows; ++step) {
        const int row = (current + step) % rows;
        const std::string& text = items[row];
        if (!text.empty() &&
            folded(static_cast<unsigned char>(text.front())) == folded(typed.front()))
            return row;
    }
    return std::nullopt;
}
