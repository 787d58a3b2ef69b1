// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_state.h"

#include "runtime_error.h"

#include <string>

namespace {

template <typename Control, std::size_t N>
Control& element(std::array<Control, N>& controls, std::int16_t index, const char* name) {
    if (index < 0 || static_cast<std::size_t>(index) >= N)
        throw RuntimeError(std::string(name) + ": control array element " + std::to_string(index) +
                           " does not exist");
    return controls[static_cast<std::size_t>(index)];
}

} // namespace

FormState::FormState()
    : lists_{ListBox({"1", "6", "9"}, false), ListBox({"1", "6", "9"}, false), ListBox({}, false),
             ListBox({"2", "3", "4", "5", "7", "8"}, true), ListBox({"1", "6", "9"}, true)} {
    // The selected list only shows the weights in use; it is never clicked.
    lists_[control::selectedList].setEnabled(false);
}

ListBox& FormState::List1(std::int16_t index) {
    return element(lists_, index, "List1");
}
const ListBox& FormState::List1(std::int16_t index) const {
    return const_cast<FormState*>(this)->List1(index);
}
TextBox& FormState::Text2(std::int16_t index) {
    return element(results_, index, "Text2");
}
const TextBox& FormState::Text2(std::int16_t index) const {
    return const_cast<FormState*>(this)->Text2(index);
}
Caption& FormState::Label1(std::int16_t index) {
    return element(captions_, index, "Label1");
}
const Caption& FormState::Label1(std::int16_t index) const {
    return const_cast<FormState*>(this)->Label1(index);
}
ModeButton& FormState::Option1(std::int16_t index) {
    return element(modes_, index, "Option1");
}
const ModeButton& FormState::Option1(std::int16_t index) const {
    return const_cast<FormState*>(this)->Option1(index);
}
