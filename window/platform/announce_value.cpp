// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announcer.h"

#include <QAccessible>
#include <QApplication>
#include <QWidget>

// Qt before 6.8 on Windows has no announcement, but UI Automation raises a
// value change whose value is text as a notification of the focused control,
// which NVDA and Narrator speak without moving the focus.
struct Announcer::Way {
    QWidget& window;
};

Announcer::Announcer(QWidget& window) : way_(new Way{window}) {}
Announcer::~Announcer() = default;

// UI Automation gives a window's description with its name.
void Announcer::introduce(const QString&) {}

void Announcer::say(const QString& sentence) {
    if (sentence.isEmpty() || !QAccessible::isActive())
        return;
    QWidget* focus = QApplication::focusWidget();
    QAccessibleValueChangeEvent change(focus ? focus : &way_->window, sentence);
    QAccessible::updateAccessibility(&change);
}
