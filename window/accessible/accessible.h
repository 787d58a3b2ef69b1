// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Lets assistive technology see the window as a pupil needs it: the window
// as a window, each list with its name once and its items as they are said,
// the result and the fixed texts in words. Installing twice does no harm.
void installAccessibleInterfaces();
