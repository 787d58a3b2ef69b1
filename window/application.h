// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

class QApplication;

// The identity of the program on the desktop, and its look: controls paint
// the exact colours they are given, with a 3D border and a dotted focus
// rectangle, in one font.
void prepareApplication(QApplication& app);

// Times New Roman, 12 points, regular: the font of the window and of every
// control. Where it is missing, fontconfig gives a metric-compatible serif.
QFont windowFont();

// The reverse-DNS name of the program's desktop entry and metainfo.
inline constexpr const char* desktopId = "org.kvelmor.Kvelmor";
