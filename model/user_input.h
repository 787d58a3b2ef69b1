// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_state.h"

#include <cstdint>

// When a user's action raises a click. Each function applies what the user
// changed and returns true when the matching click handler must run.

// Selecting a row of List1(list): a click only when the selection really
// moves to an existing row of a visible, enabled list. Selecting the row
// already selected, a row that does not exist, or anything in a hidden or
// disabled list changes nothing.
bool userSelectsRow(FormState& state, std::int16_t list, int row);

// Selecting a mode button: a click only when it is enabled and was not
// already selected; the two buttons are one group.
bool userSelectsMode(FormState& state, std::int16_t index);
