// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announcer.h"

#include <QAccessible>
#include <QApplication>
#include <QWidget>

// Qt 6.8 and later, on every platform: Qt's own announcement, which AT-SPI
// and UI Automation pass on as such (Orca 45 and later, NVDA, Narrator).
struct Announcer::Way {
    QWidget& window;
};

Announcer::Announcer(QWidget& window) : way_(new Way{window}) {}
Announcer::~Announcer() = default;

// Orca 48 names a window as it opens, and leaves its description to
// braille.
void Announcer::introduce(const QString& description) {
    say(description);
}

void Announcer::say(const QString& sentence) {
    if (sentence.isEmpty() || !QAccessible::isActive())
        return;
    QWidget* focus = QApplication::focusWidget();
    QAccessibleAnnouncementEvent announcement(focus ? focus : &way_->window, sentence);
    QAccessible::updateAccessibility(&announcement);
}
