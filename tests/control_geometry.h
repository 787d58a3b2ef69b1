// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QRect>

#include <utility>

// Every control of the window with its place and size in twips, as the
// window must show them; 15 twips are one logical pixel.
inline const QList<std::pair<const char*, QRect>> controlTwips{
    {"Label1(0)", {960, 0, 4575, 375}},      {"Label1(1)", {240, 480, 855, 375}},
    {"Label1(2)", {4560, 480, 855, 375}},    {"Label1(3)", {1680, 2760, 2295, 375}},
    {"Label1(4)", {4560, 2040, 975, 375}},   {"Label1(5)", {5640, 2040, 975, 375}},
    {"List1(0)", {240, 840, 855, 915}},      {"List1(1)", {4560, 840, 855, 915}},
    {"List1(2)", {240, 2040, 855, 630}},     {"List1(3)", {4560, 2400, 975, 1200}},
    {"List1(4)", {5640, 2400, 975, 1200}},   {"Frame1", {5640, 840, 1575, 975}},
    {"Option1(0)", {120, 240, 1335, 285}},   {"Option1(1)", {120, 600, 1335, 285}},
    {"Picture1", {1320, 600, 2985, 2055}},   {"Command1(0)", {120, 2760, 1095, 375}},
    {"Command1(1)", {120, 3240, 1095, 375}}, {"Text2(0)", {1320, 3120, 3015, 495}},
    {"Text1(0)", {120, 3720, 6735, 1335}},   {"Text1(1)", {600, 3960, 6735, 1815}},
};

inline QRect logicalPixels(const QRect& twips) {
    return {twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15};
}
