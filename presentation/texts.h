// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string>
#include <string_view>

// The window's texts that belong to no one control (the captions stand in
// the control table; the two fixed texts are resources of their own), in
// UTF-16 like every text of a front end.

// The window's caption: the title alone, without a web address.
inline constexpr std::u16string_view windowCaption = u"Философия - Логика, везна и тежести";

// A run-time error ends the exercise: the report's title, and its text with
// what failed.
inline constexpr std::u16string_view failureTitle = u"Грешка при изпълнение";
inline constexpr std::u16string_view failureButton = u"OK";
// What the report says first, and all it says where the error gave no words.
inline constexpr std::u16string_view failureLead =
    u"Възникна грешка и програмата ще бъде затворена.";
std::u16string failureReport(std::string_view what);

// Help on a key: every key the window answers and what it does, shown as
// the keys and what they do, and said as one sentence each.
struct HelpRow {
    std::u16string_view keys;
    std::u16string_view action;
    std::u16string_view spoken;
    // The keys and what they do on one line, for a front end that shows no columns.
    std::u16string line() const;
};
inline constexpr std::u16string_view helpTitle = u"Помощ";
inline constexpr std::u16string_view helpClose = u"Затвори";
// A control that opens the help, where a front end has room for one beside the window.
inline constexpr std::u16string_view helpButton = u"Помощ (F1)";
// Its name as said, without the brackets a synthesizer reads aloud.
inline constexpr std::u16string_view helpButtonName = u"Помощ, F1";
// The keys that open the help and say the whole state, wherever the focus
// is, by the name both front ends give them.
inline constexpr std::u16string_view helpKey = u"F1";
inline constexpr std::u16string_view wholeStateKey = u"F2";
// Said of the window as it takes the focus, so that a pupil who cannot see
// learns that the help exists.
inline constexpr std::u16string_view helpHint = u"Натиснете F1 за помощ.";
std::span<const HelpRow> helpRows();

// UTF-8, as the fixed texts are stored, as UTF-16; a malformed sequence
// becomes U+FFFD. And back, for a front end that takes UTF-8.
std::u16string fromUtf8(std::string_view text);
std::string toUtf8(std::u16string_view text);
