// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls.h"
#include "list_box.h"

#include <array>
#include <cstdint>

// The state of every control of the window that the exercise reads or writes,
// addressed as control arrays by a 0-based index. A default-constructed state
// is the design-time state, before the window loads.
class FormState {
  public:
    FormState();

    // List1(0) left pan, (1) right pan, (2) placed list, (3) available list,
    // (4) selected list.
    ListBox& List1(std::int16_t index);
    const ListBox& List1(std::int16_t index) const;
    // Text2(0): the measurement expression.
    TextBox& Text2(std::int16_t index);
    const TextBox& Text2(std::int16_t index) const;
    // Label1(0) to Label1(5); (4) and (5) name the available and selected lists.
    Caption& Label1(std::int16_t index);
    const Caption& Label1(std::int16_t index) const;
    // Option1(0) measures, Option1(1) chooses.
    ModeButton& Option1(std::int16_t index);
    const ModeButton& Option1(std::int16_t index) const;

    bool operator==(const FormState&) const = default;

    static constexpr std::int16_t listCount = 5;
    static constexpr std::int16_t captionCount = 6;
    static constexpr std::int16_t modeButtonCount = 2;
    static constexpr std::int16_t buttonCount = 2;

  private:
    std::array<ListBox, listCount> lists_;
    std::array<TextBox, 1> results_;
    std::array<Caption, captionCount> captions_;
    std::array<ModeButton, modeButtonCount> modes_;
};

// Names of the control-array indices, for readers of the exercise and window.
namespace control {
inline constexpr std::int16_t leftPan = 0;
inline constexpr std::int16_t rightPan = 1;
inline constexpr std::int16_t placedList = 2;
inline constexpr std::int16_t availableList = 3;
inline constexpr std::int16_t selectedList = 4;
inline constexpr std::int16_t availableCaption = 4;
inline constexpr std::int16_t selectedCaption = 5;
inline constexpr std::int16_t measuring = 0;
inline constexpr std::int16_t choosing = 1;
inline constexpr std::int16_t calculate = 0;
inline constexpr std::int16_t clear = 1;
} // namespace control
