// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "user_input.h"

bool userSelectsRow(FormState& state, std::int16_t list, int row) {
    ListBox& box = state.List1(list);
    if (!box.Visible() || !box.Enabled() || row < 0 || row >= box.ListCount() ||
        row == box.ListIndex())
        return false;
    box.setListIndex(static_cast<std::int16_t>(row));
    return true;
}

bool userSelectsMode(FormState& state, std::int16_t index) {
    ModeButton& chosen = state.Option1(index);
    if (!chosen.Enabled || chosen.Value)
        return false;
    for (std::int16_t i = 0; i < FormState::modeButtonCount; ++i)
        state.Option1(i).Value = i == index;
    return true;
}
