// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QStyleFactory>
#include <QWidget>

namespace {

// Screen readers announce the program's one window as a window; Qt would
// present a plain widget as a filler.
QAccessibleInterface* windowAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("Kvelmor") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

void prepareApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("kvelmor"));
    // Lets the desktop match the window to its entry, and so to its icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(desktopId));
    // Fusion turns a button's colour into a gradient; the Windows style
    // fills the face with the palette colour itself.
    app.setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    app.setFont(windowFont());
    QAccessible::installFactory(windowAccessible);
}

QFont windowFont() {
    QFont font(QStringLiteral("Times New Roman"), 12);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::Serif);
    return font;
}
