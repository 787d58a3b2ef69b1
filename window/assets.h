// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QPixmap>

// The pictures compiled into the program.

// The photograph of the balance, sharp at the given device pixel ratio.
QPixmap balancePhoto(qreal devicePixelRatio);
// The hamburger icon: 32 pixels, and 64 where the screen is that fine.
QIcon hamburgerIcon(qreal devicePixelRatio);
