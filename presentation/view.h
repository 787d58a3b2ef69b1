// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_state.h"
#include "layout.h"
#include "speech.h"
#include "texts.h"

#include <array>
#include <span>
#include <string>
#include <vector>

// What a front end shows and says, read off once for all of them: the face,
// which never changes, and the view of a state, after each step. A front end
// draws these and says them; it reads no FormState and builds no sentence.

// A text as shown and as said. The fixed texts break their lines with "\n"
// alone, in every front end, so that a screen reader gets the same text and
// offsets from each.
struct ShownText {
    std::u16string shown;
    SpokenText spoken;
    bool operator==(const ShownText&) const = default;
};

struct ListView {
    std::vector<std::u16string> items;       // as shown: "-6"
    std::vector<std::u16string> spokenItems; // as said: "минус 6"
    std::u16string said;                     // what it holds, "1, 6 и 9", or "празен"
    int selected;                            // -1 for none
    bool visible;
    bool enabled;
    // As many rows as the list may come to hold in this state, at the least
    // its own: a layout that shows every row keeps the room for them, so
    // that nothing below moves as a weight is placed or chosen.
    int room;
    bool operator==(const ListView&) const = default;
};

struct ModeView {
    bool enabled;
    bool checked;
    bool operator==(const ModeView&) const = default;
};

struct StateView {
    std::array<ListView, FormState::listCount> lists;
    std::array<bool, FormState::captionCount> captions; // shown or not
    std::array<ModeView, FormState::modeButtonCount> modes;
    ShownText result;
    bool operator==(const StateView&) const = default;
};

StateView viewOf(const FormState& state);

struct ControlFace {
    Control control;
    std::string name;  // "List1(2)": what a front end calls its widget or element
    ShownText caption; // "" for none
    ShownText text;    // its fixed text; "" for none
};

struct Face {
    ShownText caption; // the window's
    // The window's accessible description, said once as it takes the focus.
    std::u16string description;
    std::vector<ControlFace> controls; // in the order they are built
    std::u16string failureTitle;
    std::u16string failureButton;
    std::u16string failureLead;
    std::u16string helpTitle;
    std::u16string helpClose;
    std::u16string helpButton;
    std::u16string helpButtonName; // as said
    std::u16string helpKey;
    std::u16string wholeStateKey;
    std::span<const HelpRow> help;

    const ControlFace& operator[](ControlId id) const;
};

// Made on first use, once for the program's run.
const Face& face();
