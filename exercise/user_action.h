// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_state.h"

#include <cstdint>

// One thing a user does in the window, as the exercise receives it.
struct UserAction {
    enum class Kind { selectRow, pressButton, selectMode };
    Kind kind;
    std::int16_t index; // which List1, Command1 or Option1
    int row = -1;       // the row selected, for selectRow
};

// Applies the action and runs the handler it raises, if any. Returns whether
// a handler ran. A handler's failure propagates as RuntimeError.
bool perform(FormState& state, const UserAction& action);
