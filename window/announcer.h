// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

// Speaks a sentence to a screen reader without moving the keyboard focus,
// and costs nothing while no assistive technology listens. How depends on
// the platform and on Qt's version: one file each, chosen by the build.
class Announcer {
  public:
    explicit Announcer(QWidget& window) : window_(window) {}

    void say(const QString& sentence);

  private:
    QWidget& window_;
    QWidget* notice_ = nullptr; // for a platform that needs a widget to speak
};
