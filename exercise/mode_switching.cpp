// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "handlers.h"

#include "pans.h"

using namespace control;

namespace {

void startMeasuring(FormState& state) {
    // The placed list is cleared too: refilled pans with old entries kept
    // would let a weight be placed, and counted, twice.
    for (std::int16_t i = 0; i <= placedList; ++i)
        state.List1(i).Clear();
    state.Label1(availableCaption).Visible = false;
    state.List1(availableList).setVisible(false);
    state.Label1(selectedCaption).Visible = false;
    state.List1(selectedList).setVisible(false);
    state.Text2(0).Text = "";
    fillPansFromSelected(state);
}

void startChoosing(FormState& state) {
    state.Option1(measuring).Enabled = false;
    state.Option1(choosing).Enabled = false;
    state.List1(availableList).setVisible(true);
    state.List1(selectedList).setVisible(true);
    state.Label1(availableCaption).Visible = true;
    state.Label1(selectedCaption).Visible = true;
    state.Text2(0).Text = "";
    for (std::int16_t i = 0; i <= placedList; ++i)
        state.List1(i).Clear();
    // Every weight in use goes back to the available list, which is sorted.
    ListBox& available = state.List1(availableList);
    ListBox& selected = state.List1(selectedList);
    const std::int16_t n = selected.ListCount();
    for (std::int16_t i = 0; i < n; ++i) {
        available.AddItem(selected.List(0));
        selected.RemoveItem(0);
    }
}

} // namespace

void Option1_Click(FormState& state, std::int16_t Index) {
    if (Index == measuring)
        startMeasuring(state);
    else if (Index == choosing)
        startChoosing(state);
}
