// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screen_placement.h"

#include "frame_extents.h"

#include <QScreen>
#include <QWidget>

void centreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const auto centred = [&area](QSize size) {
        return QPoint(area.x() + (area.width() - size.width()) / 2,
                      area.y() + (area.height() - size.height()) / 2);
    };
    if (const std::optional<QMargins> frame = expectedFrame(window)) {
        // The window's own rectangle, inside the frame centred on the screen.
        const QPoint outer = centred(window.size().grownBy(*frame));
        window.setGeometry(QRect(outer + QPoint(frame->left(), frame->top()), window.size()));
    } else {
        // The platform puts the frame, if it knows of one, at the window's position.
        window.move(centred(window.size()));
    }
}
