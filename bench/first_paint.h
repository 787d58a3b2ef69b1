// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

// Ends the program once the watched window has painted for the first time.
class QuitOnFirstPaint : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Queued, so that the painted frame still reaches the screen.
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                      Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }
};
