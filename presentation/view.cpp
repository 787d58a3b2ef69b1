// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "view.h"

#include "fixed_texts.h"
#include "weights.h"

#include <algorithm>

#include <stdexcept>

namespace {

ShownText prose(std::u16string shown) {
    SpokenText spoken = spokenProse(shown);
    return {std::move(shown), std::move(spoken)};
}

// Stored with CR LF, shown and read with "\n".
std::u16string shownLines(std::string_view stored) {
    std::u16string text = fromUtf8(stored);
    std::erase(text, u'\r');
    return text;
}

ListView listView(const ListBox& box, int room) {
    ListView view{{},
                  {},
                  spokenItems(box),
                  box.ListIndex(),
                  box.Visible(),
                  box.Enabled(),
                  std::max<int>(room, box.ListCount())};
    for (const std::string& item : box.items()) {
        view.items.push_back(fromUtf8(item));
        view.spokenItems.push_back(spokenEntry(item));
    }
    return view;
}

Face makeFace() {
    Face face;
    face.caption = prose(std::u16string(windowCaption));
    face.description = helpHint;
    face.failureTitle = failureTitle;
    face.failureButton = failureButton;
    face.failureLead = failureLead;
    face.helpTitle = helpTitle;
    face.helpClose = helpClose;
    face.helpButton = helpButton;
    face.helpButtonName = helpButtonName;
    face.helpKey = helpKey;
    face.wholeStateKey = wholeStateKey;
    face.help = helpRows();
    for (const Control& control : controls())
        face.controls.push_back({control, controlName(control.id),
                                 prose(std::u16string(control.caption)),
                                 prose(shownLines(storedText(control.text)))});
    return face;
}

} // namespace

StateView viewOf(const FormState& state) {
    using namespace control;
    StateView view;
    // The choice lists share every value, of which a full choice is three;
    // the pans and the placed list keep room for a full choice in every
    // mode, so that nothing below them moves as the pupil chooses.
    const int values =
        state.List1(availableList).ListCount() + state.List1(selectedList).ListCount();
    const int fullChoice = values - (choosingLimit - 1);
    for (const std::int16_t pan : {leftPan, rightPan, placedList})
        view.lists[pan] = listView(state.List1(pan), fullChoice);
    view.lists[availableList] = listView(state.List1(availableList), values);
    view.lists[selectedList] = listView(state.List1(selectedList), fullChoice);
    for (std::int16_t i = 0; i < FormState::captionCount; ++i)
        view.captions[i] = state.Label1(i).Visible;
    for (std::int16_t i = 0; i < FormState::modeButtonCount; ++i)
        view.modes[i] = {state.Option1(i).Enabled, state.Option1(i).Value};
    const std::u16string result = fromUtf8(state.Text2(0).Text);
    view.result = {result, spokenExpression(result)};
    return view;
}

const ControlFace& Face::operator[](ControlId id) const {
    for (const ControlFace& each : controls)
        if (each.control.id == id)
            return each;
    throw std::out_of_range("no control " + controlName(id));
}

const Face& face() {
    static const Face made = makeFace();
    return made;
}
