// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "layout.h"

#include <array>
#include <stdexcept>
#include <string>

namespace {

constexpr Rgb caption{255, 192, 128};
constexpr Rgb modeButton{255, 192, 255};
using K = ControlKind;

constexpr std::array<Control, 20> table{{
    {"Label1(0)",
     K::caption,
     {960, 0, 4575, 375},
     caption,
     2,
     u"Логика - везна и комбинации от тежести "},
    {"Label1(1)", K::caption, {240, 480, 855, 375}, caption, 9, u"Ляво"},
    {"Label1(2)", K::caption, {4560, 480, 855, 375}, caption, 10, u"Дясно"},
    {"Label1(3)", K::caption, {1680, 2760, 2295, 375}, caption, 11, u"Измервана маса"},
    {"Label1(4)", K::caption, {4560, 2040, 975, 375}, caption, 18, u"Налични"},
    {"Label1(5)", K::caption, {5640, 2040, 975, 375}, caption, 19, u"Избрани"},
    {"List1(0)", K::list, {240, 840, 855, 915}, {}, 3, u"", u"Ляво"},
    {"List1(1)", K::list, {4560, 840, 855, 915}, {}, 5, u"", u"Дясно"},
    {"List1(2)", K::list, {240, 2040, 855, 630}, {}, 7, u"", u"Поставени тежести"},
    {"List1(3)", K::list, {4560, 2400, 975, 1200}, {}, 16, u"", u"Налични"},
    {"List1(4)", K::list, {5640, 2400, 975, 1200}, {}, 17, u"", u"Избрани"},
    {"Frame1", K::frame, {5640, 840, 1575, 975}, windowBackground, 13, u"Режим"},
    {"Option1(0)", K::modeButton, {120, 240, 1335, 285}, modeButton, 14, u"Измерва", u"", "Frame1"},
    {"Option1(1)", K::modeButton, {120, 600, 1335, 285}, modeButton, 15, u"Избира", u"", "Frame1"},
    {"Picture1", K::picture, {1320, 600, 2985, 2055}, {}, 12, u"", u"Везна с тежести"},
    {"Command1(0)", K::button, {120, 2760, 1095, 375}, Rgb{128, 255, 128}, 8, u"Изчисли"},
    {"Command1(1)", K::button, {120, 3240, 1095, 375}, Rgb{255, 128, 128}, 6, u"Изчисти"},
    {"Text2(0)", K::resultBox, {1320, 3120, 3015, 495}, {}, 4, u"", u"Измервана маса"},
    {"Text1(0)",
     K::textBox,
     {120, 3720, 6735, 1335},
     {},
     0,
     u"",
     u"Условие на задачата",
     "",
     "instructions.txt"},
    {"Text1(1)", K::textBox, {600, 3960, 6735, 1815}, {}, 1, u"", u"Мисъл", "", "saying.txt", true},
}};

} // namespace

std::span<const Control> controls() {
    return table;
}

const Control& controlNamed(std::string_view name) {
    for (const Control& control : table)
        if (control.name == name)
            return control;
    throw std::out_of_range("no control named " + std::string(name));
}

int arrayIndex(const Control& control) {
    const std::size_t open = control.name.find('(');
    if (open == std::string_view::npos)
        return -1;
    int index = 0;
    for (std::size_t i = open + 1; i < control.name.size() && control.name[i] != ')'; ++i)
        index = index * 10 + (control.name[i] - '0');
    return index;
}
