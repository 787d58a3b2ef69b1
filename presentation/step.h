// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_state.h"
#include "user_action.h"

#include <optional>
#include <string>

// One step of the exercise as a front end takes it: the user's action
// applied, the handler it raises run, and what the front end must tell.
struct StepOutcome {
    bool ran = false;            // a click handler ran
    std::u16string announcement; // the sentence for a screen reader; "" for none
    // A run-time error's report; the exercise ends with it, and the state is
    // as the failed handler left it.
    std::optional<std::u16string> failure;
};

// The window loads: the exercise starts from the design-time state.
StepOutcome start(FormState& state);
StepOutcome step(FormState& state, const UserAction& action);
// The whole state said on a key; nothing changes.
StepOutcome tellWholeState(const FormState& state);
