// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"
#include "window_driver.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

// A run-time error is reported in a message box, and the program ends with a
// failure status. It ends the event loop for good, so it has a process of its own.
class WindowFailureTest : public QObject {
    Q_OBJECT

  private slots:
    void runTimeErrorIsReportedThenTheProgramEnds() {
        prepareApplication(*qApp);
        Kvelmor window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        WindowDriver drive(window);
        // Injected fault: the right pan loses its last weight, so placing the
        // left pan's last weight cannot remove it from the right pan.
        window.state().List1(1).RemoveItem(2);
        window.mirror();

        QString reported;
        QTimer::singleShot(0, &window, [&] {
            QTimer::singleShot(50, &window, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (box) {
                    reported = box->text();
                    box->accept();
                }
            });
            drive.clickItem(0, "9");
        });
        QEventLoop program;
        QTimer::singleShot(5000, &program, [&] { program.exit(-2); });
        QCOMPARE(program.exec(), 1);
        QVERIFY2(reported.contains(QStringLiteral("RemoveItem")), qPrintable(reported));
        QVERIFY(reported.contains(QStringLiteral("грешка")));
        // Nothing more reaches the handlers once the error was reported.
        const FormState after = window.state();
        drive.clickItem(0, "1");
        QVERIFY(window.state() == after);
    }
};

QTEST_MAIN(WindowFailureTest)
#include "window_failure_test.moc"
