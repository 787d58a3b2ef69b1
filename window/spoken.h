// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_state.h"
#include "user_action.h"

#include <QString>

#include <vector>

// What the window says to a screen reader, written for the ear: arithmetic
// in words, no mark that a synthesizer would read aloud, the right singular
// or plural, a sentence for the empty case. The texts shown on screen stay
// exactly as they are.

// The sentence for what an action changed; empty when it changed nothing
// worth telling.
QString announcementFor(const FormState& before, const FormState& after, const UserAction& action);

// A list's entry as said: "-6", a weight on the right pan, is "минус 6".
QString spokenEntry(const QString& entry);

// What a list holds, read after its name when it takes focus: "1, 6 и 9",
// "1 и минус 6", or that it is empty.
QString spokenItems(const ListBox& box);

// A shown expression such as "9 - 6 + 1 = 4" in words: "9 минус 6 плюс 1
// равно на 4". Each spoken character knows the shown character it reads, so
// that a screen reader can still find it on screen.
struct SpokenExpression {
    QString text;
    std::vector<int> shownOffset; // one per character of text
};
SpokenExpression spokenExpression(const QString& shown);
