// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

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
std::u16string failureReport(std::string_view what);

// UTF-8, as the fixed texts are stored, as UTF-16; a malformed sequence
// becomes U+FFFD. And back, for a front end that takes UTF-8.
std::u16string fromUtf8(std::string_view text);
std::string toUtf8(std::u16string_view text);
