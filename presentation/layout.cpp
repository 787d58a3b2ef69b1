// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "layout.h"

#include <array>
#include <stdexcept>

namespace {

constexpr Rgb caption{255, 192, 128};
constexpr Rgb modeButton{255, 192, 255};
using K = ControlKind;
using A = ControlArray;
constexpr ControlId frame{A::Frame1};

constexpr std::array<Control, controlCount> table{{
    {{A::Label1, 0},
     K::caption,
     {960, 0, 4575, 375},
     caption,
     2,
     u"Логика - везна и комбинации от тежести "},
    {{A::Label1, 1}, K::caption, {240, 480, 855, 375}, caption, 9, u"Ляво"},
    {{A::Label1, 2}, K::caption, {4560, 480, 855, 375}, caption, 10, u"Дясно"},
    {{A::Label1, 3}, K::caption, {1680, 2760, 2295, 375}, caption, 11, u"Измервана маса"},
    {{A::Label1, 4}, K::caption, {4560, 2040, 975, 375}, caption, 18, u"Налични"},
    {{A::Label1, 5}, K::caption, {5640, 2040, 975, 375}, caption, 19, u"Избрани"},
    {{A::List1, 0}, K::list, {240, 840, 855, 915}, {}, 3, u"", u"Ляво"},
    {{A::List1, 1}, K::list, {4560, 840, 855, 915}, {}, 5, u"", u"Дясно"},
    {{A::List1, 2}, K::list, {240, 2040, 855, 630}, {}, 7, u"", u"Поставени тежести"},
    {{A::List1, 3}, K::list, {4560, 2400, 975, 1200}, {}, 16, u"", u"Налични"},
    {{A::List1, 4}, K::list, {5640, 2400, 975, 1200}, {}, 17, u"", u"Избрани"},
    {frame, K::frame, {5640, 840, 1575, 975}, windowBackground, 13, u"Режим"},
    {{A::Option1, 0}, K::modeButton, {120, 240, 1335, 285}, modeButton, 14, u"Измерва", u"", frame},
    {{A::Option1, 1}, K::modeButton, {120, 600, 1335, 285}, modeButton, 15, u"Избира", u"", frame},
    {{A::Picture1}, K::picture, {1320, 600, 2985, 2055}, {}, 12, u"", u"Везна с тежести"},
    {{A::Command1, 0}, K::button, {120, 2760, 1095, 375}, Rgb{128, 255, 128}, 8, u"Изчисли"},
    {{A::Command1, 1}, K::button, {120, 3240, 1095, 375}, Rgb{255, 128, 128}, 6, u"Изчисти"},
    {{A::Text2, 0}, K::resultBox, {1320, 3120, 3015, 495}, {}, 4, u"", u"Измервана маса"},
    {{A::Text1, 0},
     K::textBox,
     {120, 3720, 6735, 1335},
     {},
     0,
     u"",
     u"Условие на задачата",
     std::nullopt,
     FixedText::instructions},
    {{A::Text1, 1},
     K::textBox,
     {600, 3960, 6735, 1815},
     {},
     1,
     u"",
     u"Мисъл",
     std::nullopt,
     FixedText::saying,
     true},
}};

// Every control of every array stands in the table once, so that a front
// end built from it has a widget for each; a missing entry would be left as
// a default one, the first caption again.
constexpr bool eachControlOnce(std::span<const Control> controls) {
    if (controls.size() != controlCount)
        return false;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlId id = controls[i].id;
        if (id.index < 0 || id.index >= arraySize(id.array))
            return false;
        for (std::size_t j = 0; j < i; ++j)
            if (controls[j].id == id)
                return false;
    }
    return true;
}
static_assert(eachControlOnce(table),
              "the control table must hold each control of each array once");

// The caption whose words name the control.
constexpr std::optional<ControlId> findCaption(const Control& control) {
    const std::u16string_view name = control.accessibleName;
    for (const Control& each : table)
        if (each.kind == ControlKind::caption && !name.empty() && each.caption == name)
            return each.id;
    return std::nullopt;
}

// The focus order, with each caption before what it names and the title,
// which names none, first. The tab indices run from 0 without a gap.
constexpr std::array<ControlId, controlCount> reading = [] {
    std::array<ControlId, controlCount> order{};
    std::size_t next = 0;
    const auto byTab = [](int tab) -> const Control& {
        for (const Control& each : table)
            if (each.tabIndex == tab)
                return each;
        throw std::out_of_range("a gap in the focus order");
    };
    const auto namesOne = [](ControlId caption) {
        for (const Control& each : table)
            if (findCaption(each) == caption)
                return true;
        return false;
    };
    for (int tab = 0; tab < controlCount; ++tab)
        if (byTab(tab).kind == ControlKind::caption && !namesOne(byTab(tab).id))
            order[next++] = byTab(tab).id;
    for (int tab = 0; tab < controlCount; ++tab) {
        const Control& each = byTab(tab);
        if (each.kind == ControlKind::caption)
            continue;
        if (const std::optional<ControlId> caption = findCaption(each))
            order[next++] = *caption;
        order[next++] = each.id;
    }
    return order;
}();

} // namespace

std::string controlName(ControlId id) {
    static constexpr const char* arrays[] = {"Label1",   "List1",    "Frame1", "Option1",
                                             "Picture1", "Command1", "Text2",  "Text1"};
    std::string name = arrays[static_cast<int>(id.array)];
    if (id.array == ControlArray::Frame1 || id.array == ControlArray::Picture1)
        return name;
    return name + "(" + std::to_string(id.index) + ")";
}

std::span<const Control> controls() {
    return table;
}

bool holdsEachControlOnce(std::span<const Control> controls) {
    return eachControlOnce(controls);
}

const Control& controlById(ControlId id) {
    for (const Control& each : table)
        if (each.id == id)
            return each;
    throw std::out_of_range("no control " + controlName(id));
}

std::optional<ControlId> captionOf(ControlId id) {
    return findCaption(controlById(id));
}

std::span<const ControlId> readingOrder() {
    return reading;
}
