// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "handlers.h"

#include "pans.h"

using namespace control;

void ResetPans(FormState& state) {
    state.Text2(0).Text = "";
    for (std::int16_t i = 0; i <= placedList; ++i)
        state.List1(i).Clear();
    // While a choice of weights is unfinished the mode buttons stay disabled
    // until the available list is clicked, so that list must stay in reach.
    if (state.Option1(measuring).Enabled) {
        state.List1(availableList).setVisible(false);
        state.List1(selectedList).setVisible(false);
    }
    fillPansFromSelected(state);
}

void Form_Load(FormState& state) {
    ResetPans(state);
    state.Label1(availableCaption).Visible = false;
    state.Label1(selectedCaption).Visible = false;
}
