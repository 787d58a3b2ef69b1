// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

// Centres a top-level window on its screen as a whole, with the frame and
// title bar that the window manager will put around it; where there is no
// window manager, the window itself. Call it before the window is shown, so
// that it appears at its place and never jumps.
void centreOnScreen(QWidget& window);
