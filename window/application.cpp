// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"

#include "qt_face.h"

#include <QApplication>
#include <QStyleFactory>

void prepareApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("kvelmor"));
    // Lets the desktop match the window to its entry, and so to its icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(desktopId));
    // Fusion turns a button's colour into a gradient; the Windows style
    // fills the face with the palette colour itself.
    app.setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    app.setFont(windowFont());
}

QFont windowFont() {
    QFont font(qtText(fontFamily), fontPoints);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::Serif);
    return font;
}
