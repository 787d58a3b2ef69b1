// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_state.h"
#include "weights.h"

#include <algorithm>
#include <string>
#include <vector>

// What must hold after every user action: both pans hold the same items in
// the same order, and while measuring every selected weight is in play once,
// in the pans or in the placed list. Returns what is broken, "" if nothing.
inline std::string brokenInvariant(const FormState& state) {
    using namespace control;
    if (state.List1(leftPan).items() != state.List1(rightPan).items())
        return "the pans differ";
    if (state.List1(availableList).Visible())
        return "";
    std::vector<std::string> weights = state.List1(leftPan).items();
    for (const std::string& entry : state.List1(placedList).items())
        weights.emplace_back(placedWeight(entry).weight);
    std::sort(weights.begin(), weights.end());
    if (weights != state.List1(selectedList).items())
        return "the weights in play differ from the selected ones";
    return "";
}
