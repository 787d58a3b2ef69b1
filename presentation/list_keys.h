// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Which row of a list box a key leads to, as the user sees it: the front end
// reports the row, and the exercise decides whether that raises a click.

enum class ListKey { up, down, pageUp, pageDown, home, end, other };

// The row that a key leads to from the current one (-1 for none), in a list
// of these items with this many rows in sight; none when the key leads
// nowhere. For any other key, a typed character moves to the next item that
// begins with it. A key held with Ctrl or Alt is no selection key at all:
// the front end does not ask.
std::optional<int> rowForKey(ListKey key, std::u16string_view typed,
                             const std::vector<std::string>& items, int current, int rowsInSight);
