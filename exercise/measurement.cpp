// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "handlers.h"

#include "conversions.h"

using namespace control;

namespace {

std::int16_t placedWeight(const ListBox& placed, std::int16_t row) {
    return toInteger(Val(placed.List(row)));
}

// The first entry with its own sign, every later one as an operator and its
// absolute value, and the sum once there are two entries or more.
void writeExpression(FormState& state) {
    const ListBox& placed = state.List1(placedList);
    std::string& text = state.Text2(0).Text;
    const std::int16_t n = placed.ListCount();
    const std::int16_t first = placedWeight(placed, 0);
    RunningSum sum(first);
    text = integerText(first);
    for (std::int16_t i = 2; i <= n; ++i) {
        const std::int16_t m = placedWeight(placed, static_cast<std::int16_t>(i - 1));
        sum.add(m);
        if (m > 0)
            text += " + " + integerText(absolute(m));
        if (m < 0)
            text += " - " + integerText(absolute(m));
        if (i == n)
            text += " = " + integerText(sum.value());
    }
}

} // namespace

void Command1_Click(FormState& state, std::int16_t Index) {
    if (Index == calculate)
        writeExpression(state);
    else if (Index == clear)
        ResetPans(state);
}
