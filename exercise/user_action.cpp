// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "user_action.h"

#include "handlers.h"
#include "user_input.h"

bool perform(FormState& state, const UserAction& action) {
    switch (action.kind) {
    case UserAction::Kind::selectRow:
        if (!userSelectsRow(state, action.index, action.row))
            return false;
        List1_Click(state, action.index);
        return true;
    case UserAction::Kind::pressButton:
        Command1_Click(state, action.index);
        return true;
    case UserAction::Kind::selectMode:
        if (!userSelectsMode(state, action.index))
            return false;
        Option1_Click(state, action.index);
        return true;
    }
    return false;
}
