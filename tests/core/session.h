// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_state.h"
#include "handlers.h"
#include "user_action.h"

#include <string>
#include <vector>

// Shorthands for a user's actions in tests and benchmarks.

using Items = std::vector<std::string>;

inline FormState loadedState() {
    FormState state;
    Form_Load(state);
    return state;
}

// Selects the row holding the text, as a click on that item does.
inline bool clickItem(FormState& state, std::int16_t list, const std::string& text) {
    const ListBox& box = state.List1(list);
    for (std::int16_t row = 0; row < box.ListCount(); ++row)
        if (box.List(row) == text)
            return perform(state, {UserAction::Kind::selectRow, list, row});
    return perform(state, {UserAction::Kind::selectRow, list, box.ListCount()});
}

inline bool pressButton(FormState& state, std::int16_t index) {
    return perform(state, {UserAction::Kind::pressButton, index});
}

inline bool selectMode(FormState& state, std::int16_t index) {
    return perform(state, {UserAction::Kind::selectMode, index});
}

inline const Items& itemsOf(const FormState& state, std::int16_t list) {
    return state.List1(list).items();
}
