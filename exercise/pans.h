// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_state.h"

// Adds every selected weight to both pans, in the selected list's order.
void fillPansFromSelected(FormState& state);
