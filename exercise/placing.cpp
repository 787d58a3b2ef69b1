// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "handlers.h"
#include "weights.h"

using namespace control;

namespace {

void placeWeight(FormState& state, std::int16_t pan) {
    const std::int16_t k = state.List1(pan).ListIndex();
    const std::string weight = state.List1(pan).List(k);
    state.List1(placedList).AddItem(placedEntry(pan, weight));
    // Both pans hold the same items in the same order, so one row serves both.
    state.List1(leftPan).RemoveItem(k);
    state.List1(rightPan).RemoveItem(k);
}

void chooseWeight(FormState& state) {
    ListBox& available = state.List1(availableList);
    if (available.ListCount() < choosingLimit)
        return;
    const std::int16_t k = available.ListIndex();
    state.List1(selectedList).AddItem(available.List(k));
    available.RemoveItem(k);
    if (available.ListCount() < choosingLimit) {
        state.Option1(measuring).Enabled = true;
        state.Option1(choosing).Enabled = true;
    }
}

} // namespace

void List1_Click(FormState& state, std::int16_t Index) {
    if (Index == leftPan || Index == rightPan)
        placeWeight(state, Index);
    else if (Index == availableList)
        chooseWeight(state);
}
