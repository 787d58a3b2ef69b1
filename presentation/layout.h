// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_state.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Where each control of the window stands and how it looks, for every front
// end: places in twips, colours as plain RGB, the focus order, captions and
// the names a screen reader gives. Texts are UTF-16, as both front ends
// count characters (Qt's QString, a browser's strings).

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    constexpr bool operator==(const Rgb&) const = default;
};

// Left and top edge inside the control's container, width and height.
struct Rect {
    int left;
    int top;
    int width;
    int height;
    constexpr bool operator==(const Rect&) const = default;
};

// The window's control arrays. Frame1 and Picture1 are single controls,
// which a name gives without an index.
enum class ControlArray : std::uint8_t {
    Label1,
    List1,
    Frame1,
    Option1,
    Picture1,
    Command1,
    Text2,
    Text1
};

constexpr int arraySize(ControlArray array) {
    switch (array) {
    case ControlArray::Label1:
        return FormState::captionCount;
    case ControlArray::List1:
        return FormState::listCount;
    case ControlArray::Option1:
        return FormState::modeButtonCount;
    case ControlArray::Command1:
    case ControlArray::Text1:
        return 2;
    case ControlArray::Frame1:
    case ControlArray::Picture1:
    case ControlArray::Text2:
        return 1;
    }
    return 0;
}

// A control: its array and its index there.
struct ControlId {
    ControlArray array;
    std::int16_t index = 0;
    constexpr bool operator==(const ControlId&) const = default;
};

inline constexpr int controlCount = [] {
    int count = 0;
    for (int array = 0; array <= static_cast<int>(ControlArray::Text1); ++array)
        count += arraySize(static_cast<ControlArray>(array));
    return count;
}();

// "List1(2)", "Frame1": the name a front end gives the control's widget or element.
std::string controlName(ControlId id);

enum class ControlKind { caption, list, frame, modeButton, picture, button, resultBox, textBox };

// The two fixed texts of the window.
enum class FixedText { none, instructions, saying };

struct Control {
    ControlId id;
    ControlKind kind;
    Rect twips;
    std::optional<Rgb> background; // none: the platform's default for the kind
    int tabIndex;                  // the place in the focus order, 0 first
    std::u16string_view caption = u"";
    // What a screen reader calls the control; "" for its caption.
    std::u16string_view accessibleName = u"";
    // The frame the control stands in; none for the window itself.
    std::optional<ControlId> container = std::nullopt;
    FixedText text = FixedText::none;
    // Never shown: the saying lies over the instructions, hidden.
    bool hidden = false;
};

// Every control, in the order they are built: one made later lies over one
// made earlier.
std::span<const Control> controls();

// Whether a table holds each control of each array once, as a front end
// built from it needs; the program is not built with a table that does not.
bool holdsEachControlOnce(std::span<const Control> controls);

// The control of this identity; std::out_of_range for none.
const Control& controlById(ControlId id);

// The caption that names a control standing below it ("Ляво" over the left
// pan); none for a control without one.
std::optional<ControlId> captionOf(ControlId id);

// The controls in the order they are read, one after another: the focus
// order, with each caption just before the control it names and a caption
// that names none (the title) first. A front end that cannot show the
// window's places lays the controls out in this order.
std::span<const ControlId> readingOrder();

// 15 twips are one pixel at 96 dots per inch.
constexpr int pixels(int twips) {
    return twips / 15;
}
constexpr Rect pixels(const Rect& twips) {
    return {pixels(twips.left), pixels(twips.top), pixels(twips.width), pixels(twips.height)};
}

// The window's client area, its background and the font of everything in it.
inline constexpr Rect clientTwips{0, 0, 7410, 5175};
inline constexpr Rgb windowBackground{192, 192, 255};
inline constexpr std::u16string_view fontFamily = u"Times New Roman";
inline constexpr int fontPoints = 12;

// The photograph of the balance in Picture1, inside a 2-pixel sunken border.
inline constexpr int photoWidth = 195;
inline constexpr int photoHeight = 133;
inline constexpr int photoBorder = 2;
