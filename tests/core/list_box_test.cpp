// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "list_box.h"
#include "runtime_error.h"
#include "throws.h"

#include <gtest/gtest.h>

using Items = std::vector<std::string>;

TEST(ListBox, listPastTheEndOrWithoutSelectionIsEmptyText) {
    ListBox empty;
    EXPECT_EQ(empty.List(0), "");
    ListBox pan({"1", "6", "9"}, false);
    EXPECT_EQ(pan.List(2), "9");
    EXPECT_EQ(pan.List(3), "");
    EXPECT_EQ(pan.List(-1), "");
    SKIP_UNLESS_CATCHABLE();
    EXPECT_THROW(pan.List(-2), RuntimeError);
}

TEST(ListBox, sortedListInsertsByTextUnsortedAppends) {
    ListBox available({"2", "3", "4", "5", "7", "8"}, true);
    for (const char* weight : {"9", "1", "6"})
        available.AddItem(weight);
    EXPECT_EQ(available.items(), (Items{"1", "2", "3", "4", "5", "6", "7", "8", "9"}));

    // Text order, not number order.
    ListBox texts({}, true);
    for (const char* text : {"9", "10", "-6"})
        texts.AddItem(text);
    EXPECT_EQ(texts.items(), (Items{"-6", "10", "9"}));

    ListBox placed;
    for (const char* text : {"9", "-6", "1"})
        placed.AddItem(text);
    EXPECT_EQ(placed.items(), (Items{"9", "-6", "1"}));
}

TEST(ListBox, addItemKeepsTheSelectionOnItsItem) {
    ListBox sorted({"2", "5", "8"}, true);
    sorted.setListIndex(1);
    sorted.AddItem("1");
    EXPECT_EQ(sorted.List(sorted.ListIndex()), "5");
    sorted.AddItem("9");
    EXPECT_EQ(sorted.List(sorted.ListIndex()), "5");
    // Inserted at the selected row, before the selected item.
    sorted.AddItem("4");
    EXPECT_EQ(sorted.List(sorted.ListIndex()), "5");
}

struct RemoveCase {
    const char* name;
    std::int16_t selected;
    std::int16_t removed;
    std::int16_t selectedAfter;
};

class RemoveItemSelection : public testing::TestWithParam<RemoveCase> {};

TEST_P(RemoveItemSelection, followsTheSelectedItem) {
    const RemoveCase& c = GetParam();
    ListBox pan({"1", "6", "9"}, false);
    pan.setListIndex(c.selected);
    pan.RemoveItem(c.removed);
    EXPECT_EQ(pan.ListCount(), 2);
    EXPECT_EQ(pan.ListIndex(), c.selectedAfter);
}

INSTANTIATE_TEST_SUITE_P(ListBox, RemoveItemSelection,
                         testing::Values(RemoveCase{"selectedItemRemoved", 1, 1, -1},
                                         RemoveCase{"laterSelectionMovesUp", 2, 0, 1},
                                         RemoveCase{"earlierSelectionStays", 0, 2, 0},
                                         RemoveCase{"noSelectionStaysNone", -1, 1, -1}),
                         [](const testing::TestParamInfo<RemoveCase>& info) {
                             return info.param.name;
                         });

TEST(ListBox, failingOperationsRaiseRunTimeErrors) {
    SKIP_UNLESS_CATCHABLE();
    ListBox pan({"1"}, false);
    EXPECT_THROW(pan.RemoveItem(1), RuntimeError);
    EXPECT_THROW(pan.RemoveItem(-1), RuntimeError);
    EXPECT_THROW(pan.setListIndex(1), RuntimeError);
    EXPECT_THROW(pan.setListIndex(-2), RuntimeError);
    // A list counts its items in 16 bits: it holds 32767, and no more.
    ListBox full(Items(32766, "1"), false);
    EXPECT_NO_THROW(full.AddItem("1"));
    EXPECT_EQ(full.ListCount(), 32767);
    EXPECT_THROW(full.AddItem("1"), RuntimeError);
    try {
        ListBox().RemoveItem(0);
        FAIL() << "removing from an empty list must fail";
    } catch (const RuntimeError& error) {
        EXPECT_NE(std::string(error.what()).find("RemoveItem"), std::string::npos);
    }
}

TEST(ListBox, clearRemovesItemsAndSelection) {
    ListBox pan({"1", "6"}, false);
    pan.setListIndex(1);
    pan.Clear();
    EXPECT_EQ(pan, ListBox({}, false));
}
