// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pans.h"

using namespace control;

void fillPansFromSelected(FormState& state) {
    // The pans are unsorted, so both keep the selected list's order.
    const ListBox& selected = state.List1(selectedList);
    const std::int16_t n = selected.ListCount();
    for (std::int16_t i = 0; i < n; ++i) {
        state.List1(leftPan).AddItem(selected.List(i));
        state.List1(rightPan).AddItem(selected.List(i));
    }
}
