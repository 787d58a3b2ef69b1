// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_state.h"

#include <cstdint>
#include <string>
#include <string_view>

// The exercise's rules about weights, each in one place, for the handlers
// and for whoever tells the pupil what they did.

// Fewer values than this in the available list means three are chosen.
inline constexpr std::int16_t choosingLimit = 7;

// While a choice of weights is unfinished, how many are still to choose;
// 0 when none is being chosen.
int weightsStillToChoose(const FormState& state);

// The placed list records a weight from the left pan as it is and one from
// the right pan with a minus sign: "9", "-6".
std::string placedEntry(std::int16_t pan, std::string_view weight);

struct PlacedWeight {
    std::int16_t pan;
    std::string_view weight;
    bool operator==(const PlacedWeight&) const = default;
};
PlacedWeight placedWeight(std::string_view entry);
