// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_state.h"

#include <cstdint>

// The exercise's event handlers. They keep nothing between events: every
// decision reads the controls' current state.

// Puts the exercise back to the start of a measurement.
void ResetPans(FormState& state);
// The window's load event.
void Form_Load(FormState& state);
// A mode button was selected: 0 measures, 1 chooses.
void Option1_Click(FormState& state, std::int16_t Index);
// A list's selection was changed by the user.
void List1_Click(FormState& state, std::int16_t Index);
// A button was pressed: 0 calculates, 1 clears.
void Command1_Click(FormState& state, std::int16_t Index);
