// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for any window that shows text: a fixed window of the same size
// with one caption in the same font, ending at its first paint.
#include "first_paint.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(494, 345);
    window.setFont(QFont(QStringLiteral("Times New Roman"), 12));
    QLabel caption(QStringLiteral("Логика - везна и комбинации от тежести "), &window);
    caption.setGeometry(64, 0, 305, 25);
    QuitOnFirstPaint quit;
    window.installEventFilter(&quit);
    window.show();
    return app.exec();
}
