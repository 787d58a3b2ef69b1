// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <span>
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

enum class ControlKind { caption, list, frame, modeButton, picture, button, resultBox, textBox };

struct Control {
    std::string_view name; // the control array and index, such as "List1(0)"
    ControlKind kind;
    Rect twips;
    std::optional<Rgb> background; // none: the platform's default for the kind
    int tabIndex;                  // the place in the focus order, 0 first
    std::u16string_view caption = u"";
    // What a screen reader calls the control; "" for its caption.
    std::u16string_view accessibleName = u"";
    // The frame the control stands in; "" for the window itself.
    std::string_view container = "";
    // The fixed text it shows, by its resource's name; "" for none.
    std::string_view text = "";
    // Never shown: the saying lies over the instructions, hidden.
    bool hidden = false;
};

// Every control, in the order they are built.
std::span<const Control> controls();

// The control of this name; std::out_of_range for an unknown name.
const Control& controlNamed(std::string_view name);

// The index within its control array, 2 for "List1(2)"; -1 for a control
// that is no array's ("Frame1").
int arrayIndex(const Control& control);

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
