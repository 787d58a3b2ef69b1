// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"
#include "command_line.h"
#include "kvelmor.h"

#include <QApplication>

#include <memory>

int main(int argc, char** argv) {
    if (const std::optional<int> status = answerCommandLine(argc, argv))
        return *status;
    std::unique_ptr<QApplication> app;
    {
        const GraphicalSessionCheck check;
        app = std::make_unique<QApplication>(argc, argv);
    }
    prepareApplication(*app);
    Kvelmor window;
    window.show();
    return app->exec();
}
