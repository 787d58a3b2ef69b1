// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "layout.h"

#include <string_view>

// A fixed text of the window as stored: UTF-8 with CR LF line breaks; ""
// for none. Both are compiled in from resources/.
std::string_view storedText(FixedText text);
