// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "weights.h"

using namespace control;

int weightsStillToChoose(const FormState& state) {
    // The available list holds every value not chosen: while choosing, those
    // still to choose over the ones a full choice leaves; after a choice, and
    // at start, just these.
    return state.List1(availableList).ListCount() - (choosingLimit - 1);
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
