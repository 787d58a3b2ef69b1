// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

// A fixed text of the window by its resource's name, as stored: UTF-8 with
// CR LF line breaks; "" for an unknown name.
std::string_view fixedText(std::string_view name);
