// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_state.h"
#include "user_action.h"

#include <string>
#include <string_view>
#include <vector>

// What a front end says to a screen reader, written for the ear: arithmetic
// in words, no mark that a synthesizer would read aloud or drop, the right
// singular or plural, a sentence for the empty case. The texts shown on
// screen stay exactly as they are. Sentences are UTF-16, as both front ends
// count characters: an offset here is an offset in Qt's QString and in a
// browser's string alike, which is what a screen reader's caret is given.

// The sentence for what an action changed; empty when it changed nothing
// worth telling.
std::u16string announcementFor(const FormState& before, const FormState& after,
                               const UserAction& action);

// The whole state as one sentence, for a pupil who cannot see it at a
// glance: while measuring, what lies on each pan, what can still be placed
// and the result; while choosing, what is chosen and what is still to choose.
std::u16string wholeState(const FormState& state);

// A list's entry as said: "-6", a weight on the right pan, is "минус 6".
std::u16string spokenEntry(std::string_view entry);

// What a list holds, read after its name when it takes focus: "1, 6 и 9",
// "1 и минус 6", or that it is empty.
std::u16string spokenItems(const ListBox& box);

// A shown text in words. Each spoken character knows the shown character it
// reads, so that a screen reader can still find it on screen.
struct SpokenText {
    std::u16string text;
    std::vector<int> shownOffset; // one per character of text
    bool operator==(const SpokenText&) const = default;
};

// The result box, "9 - 6 + 1 = 4", as "9 минус 6 плюс 1 равно на 4".
SpokenText spokenExpression(std::u16string_view shown);

// Prose as the instructions and the title have it, for the ear: a dash
// between words is a pause, as are a colon, a semicolon and brackets;
// "a1+a2-a3" is "a1 плюс a2 минус a3", "-16" is "минус 16", "[1..10]" is
// "от 1 до 10", "1,6,9" has its blanks, "най-малката" is two words and
// "т.е." is "тоест".
SpokenText spokenProse(std::u16string_view shown);
