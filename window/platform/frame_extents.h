// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMargins>

#include <optional>

class QWidget;

// The frame and title bar that will be drawn around the top-level window, in
// Qt's logical pixels, known before the window is first shown; none where
// the platform cannot tell beforehand. How to learn it is the platform's
// own: one file each, chosen by the build.
std::optional<QMargins> expectedFrame(QWidget& window);
