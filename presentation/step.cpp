// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "step.h"

#include "handlers.h"
#include "speech.h"
#include "texts.h"

#include <exception>

namespace {

// A handler run as the exercise runs them all: a run-time error ends the
// exercise with its report.
template <typename Handler> StepOutcome run(Handler handler) {
    StepOutcome outcome;
    try {
        outcome.ran = handler();
    } catch (const std::exception& error) {
        outcome.failure = failureReport(error.what());
    }
    return outcome;
}

} // namespace

StepOutcome start(FormState& state) {
    state = FormState();
    return run([&state] {
        Form_Load(state);
        return true;
    });
}

StepOutcome step(FormState& state, const UserAction& action) {
    const FormState before = state;
    StepOutcome outcome = run([&] { return perform(state, action); });
    if (outcome.ran)
        outcome.announcement = announcementFor(before, state, action);
    return outcome;
}

StepOutcome tellWholeState(const FormState& state) {
    StepOutcome outcome;
    outcome.announcement = wholeState(state);
    return outcome;
}
