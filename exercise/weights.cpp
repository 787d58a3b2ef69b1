// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "weights.h"

using namespace control;

int weightsStillToChoose(const FormState& state) {
    // The mode buttons stay disabled until the choice is finished, which
    // leaves fewer values than the limit in the available list.
    const ListBox& available = state.List1(availableList);
    if (!available.Visible() || state.Option1(measuring).Enabled)
        return 0;
    return available.ListCount() - (choosingLimit - 1);
}

std::string placedEntry(std::int16_t pan, std::string_view weight) {
    std::string entry(pan == leftPan ? "" : "-");
    entry += weight;
    return entry;
}

PlacedWeight placedWeight(std::string_view entry) {
    if (entry.starts_with('-'))
        return {rightPan, entry.substr(1)};
    return {leftPan, entry};
}
