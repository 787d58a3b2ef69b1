// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's start, as main does it, ending at the window's first paint.
#include "application.h"
#include "first_paint.h"
#include "kvelmor.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    prepareApplication(app);
    Kvelmor window;
    QuitOnFirstPaint quit;
    window.installEventFilter(&quit);
    window.show();
    return app.exec();
}
