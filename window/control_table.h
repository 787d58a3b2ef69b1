// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QRect>

#include <optional>
#include <string_view>

// Where each control of the window stands, in twips, with its background
// colour (none: the platform's default), its place in the focus order and
// the name a screen reader gives it ("": the control's own caption).
struct ControlPlacement {
    std::string_view name;
    QRect twips;
    std::optional<QColor> background;
    int tabIndex;
    const char* accessibleName = "";
};

// The placement of a control by its name, such as "List1(0)".
const ControlPlacement& placementOf(std::string_view name);

// 15 twips are one pixel at 96 dots per inch.
inline int pixels(int twips) {
    return twips / 15;
}
inline QRect pixels(const QRect& twips) {
    return {pixels(twips.x()), pixels(twips.y()), pixels(twips.width()), pixels(twips.height())};
}

// The window's client area and its background.
inline constexpr QSize clientTwips{7410, 5175};
inline const QColor windowBackground{192, 192, 255};
