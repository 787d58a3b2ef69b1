// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <memory>

class QWidget;

// Speaks a sentence to a screen reader without moving the keyboard focus,
// and costs nothing while no assistive technology listens. How depends on
// the platform and on Qt's version: one file each, chosen by the build, with
// whatever that way needs kept in its own Way.
class Announcer {
  public:
    explicit Announcer(QWidget& window);
    ~Announcer();
    Announcer(const Announcer&) = delete;
    Announcer& operator=(const Announcer&) = delete;

    void say(const QString& sentence);
    // Says the window's description once, as the window first opens, where
    // the screen readers of this way do not read it with the window's name.
    void introduce(const QString& description);

  private:
    struct Way;
    std::unique_ptr<Way> way_;
};
