// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "user_action.h"

#include <random>

// A user's action drawn at random: any list and any row, including rows
// that do not exist and lists that are hidden or disabled; both buttons;
// both mode buttons.
inline UserAction randomAction(std::mt19937& random) {
    std::uniform_int_distribution<int> kind(0, 9);
    const int k = kind(random);
    if (k < 6) {
        std::uniform_int_distribution<int> list(0, 4);
        std::uniform_int_distribution<int> row(-1, 9);
        return {UserAction::Kind::selectRow, static_cast<std::int16_t>(list(random)), row(random)};
    }
    std::uniform_int_distribution<int> index(0, 1);
    return {k < 9 ? UserAction::Kind::pressButton : UserAction::Kind::selectMode,
            static_cast<std::int16_t>(index(random))};
}
