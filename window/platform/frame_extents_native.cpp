// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame_extents.h"

#include <QWidget>
#include <QWindow>

// Where the system draws the frame itself (Windows), it knows the frame as
// soon as the native window exists, before it is shown.
std::optional<QMargins> expectedFrame(QWidget& window) {
    window.winId();
    const QWindow* native = window.windowHandle();
    if (!native)
        return std::nullopt;
    return native->frameMargins();
}
