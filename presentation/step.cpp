// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "step.h"

#include "speech.h"
#include "texts.h"

#include <exception>

StepOutcome step(FormState& state, const UserAction& action) {
    StepOutcome outcome;
    const FormState before = state;
    try {
        outcome.ran = perform(state, action);
    } catch (const std::exception& error) {
        outcome.failure = failureReport(error.what());
        return outcome;
    }
    if (outcome.ran)
        outcome.announcement = announcementFor(before, state, action);
    return outcome;
}
