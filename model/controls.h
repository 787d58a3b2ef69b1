// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// The other controls of the window, reduced to the state the exercise uses.

struct TextBox {
    std::string Text;
    bool operator==(const TextBox&) const = default;
};

struct Caption {
    bool Visible = true;
    bool operator==(const Caption&) const = default;
};

// One of the two grouped mode buttons. Only the user selects one (Value);
// the exercise only enables and disables them.
struct ModeButton {
    bool Enabled = true;
    bool Value = false;
    bool operator==(const ModeButton&) const = default;
};
