// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "control_table.h"

#include <array>
#include <stdexcept>
#include <string>

namespace {

const QColor caption{255, 192, 128};
const QColor frame{192, 192, 255};
const QColor modeButton{255, 192, 255};

const std::array<ControlPlacement, 20> placements{{
    {"Label1(0)", {960, 0, 4575, 375}, caption, 2},
    {"Label1(1)", {240, 480, 855, 375}, caption, 9},
    {"Label1(2)", {4560, 480, 855, 375}, caption, 10},
    {"Label1(3)", {1680, 2760, 2295, 375}, caption, 11},
    {"Label1(4)", {4560, 2040, 975, 375}, caption, 18},
    {"Label1(5)", {5640, 2040, 975, 375}, caption, 19},
    {"List1(0)", {240, 840, 855, 915}, {}, 3, "Ляво"},
    {"List1(1)", {4560, 840, 855, 915}, {}, 5, "Дясно"},
    {"List1(2)", {240, 2040, 855, 630}, {}, 7, "Поставени тежести"},
    {"List1(3)", {4560, 2400, 975, 1200}, {}, 16, "Налични"},
    {"List1(4)", {5640, 2400, 975, 1200}, {}, 17, "Избрани"},
    {"Frame1", {5640, 840, 1575, 975}, frame, 13},
    {"Option1(0)", {120, 240, 1335, 285}, modeButton, 14},
    {"Option1(1)", {120, 600, 1335, 285}, modeButton, 15},
    {"Picture1", {1320, 600, 2985, 2055}, {}, 12, "Везна с тежести"},
    {"Command1(0)", {120, 2760, 1095, 375}, QColor(128, 255, 128), 8},
    {"Command1(1)", {120, 3240, 1095, 375}, QColor(255, 128, 128), 6},
    {"Text2(0)", {1320, 3120, 3015, 495}, {}, 4, "Измервана маса"},
    {"Text1(0)", {120, 3720, 6735, 1335}, {}, 0, "Условие на задачата"},
    {"Text1(1)", {600, 3960, 6735, 1815}, {}, 1, "Мисъл"},
}};

} // namespace

const ControlPlacement& placementOf(std::string_view name) {
    for (const ControlPlacement& placement : placements)
        if (placement.name == name)
            return placement;
    throw std::out_of_range("no control named " + std::string(name));
}
