// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"
#include "invariants.h"
#include "window_driver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include <random>

// Random real input to the real window: clicks and double clicks anywhere,
// and keys; after every event the widgets must show the model exactly, the
// exercise's invariants must hold, and no run-time error may be reported.
class MonkeyTest : public QObject {
    Q_OBJECT

  private slots:
    void randomInputKeepsWindowAndModelSound();
};

namespace {

const Qt::Key keys[] = {Qt::Key_Up,      Qt::Key_Down,   Qt::Key_Left,   Qt::Key_Right,
                        Qt::Key_Home,    Qt::Key_End,    Qt::Key_PageUp, Qt::Key_PageDown,
                        Qt::Key_Space,   Qt::Key_Return, Qt::Key_Enter,  Qt::Key_Tab,
                        Qt::Key_Backtab, Qt::Key_1,      Qt::Key_5,      Qt::Key_9,
                        Qt::Key_A,       Qt::Key_Escape};

const char* const controls[] = {"List1(0)",    "List1(1)",   "List1(2)",   "List1(3)",
                                "List1(4)",    "Option1(0)", "Option1(1)", "Command1(0)",
                                "Command1(1)", "Label1(0)",  "Picture1",   "Text1(0)"};

} // namespace

void MonkeyTest::randomInputKeepsWindowAndModelSound() {
    prepareApplication(*qApp);
    const QByteArray chosen = qgetenv("KVELMOR_SEED");
    const unsigned seed = chosen.isEmpty() ? 20261208u : chosen.toUInt();
    qInfo("seed %u (set KVELMOR_SEED to replay another)", seed);
    std::mt19937 random(seed);

    Kvelmor window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    WindowDriver drive(window);
    QWindow* handle = window.windowHandle();

    QString reported;
    QTimer errorWatch;
    connect(&errorWatch, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            reported = box->text();
            box->accept();
        }
    });
    errorWatch.start(20);

    const int events = 20000;
    int handlersRun = 0;
    connect(&window, &Kvelmor::handlerRan, [&] { ++handlersRun; });
    QElapsedTimer clock;
    clock.start();
    for (int step = 0; step < events; ++step) {
        const int kind = std::uniform_int_distribution<int>(0, 9)(random);
        QString what;
        if (kind < 6) {
            // Half the clicks aim at a control, half anywhere in the window.
            QPoint at(std::uniform_int_distribution<int>(0, window.width() - 1)(random),
                      std::uniform_int_distribution<int>(0, window.height() - 1)(random));
            if (kind < 3) {
                QWidget* target =
                    drive.control(QString::fromLatin1(controls[std::uniform_int_distribution<int>(
                        0, std::size(controls) - 1)(random)]));
                if (target->isVisible()) {
                    const QRect area(target->mapTo(&window, QPoint(0, 0)), target->size());
                    at = QPoint(
                        std::uniform_int_distribution<int>(area.left(), area.right())(random),
                        std::uniform_int_distribution<int>(area.top(), area.bottom())(random));
                }
            }
            what = QStringLiteral("click at %1,%2").arg(at.x()).arg(at.y());
            if (kind == 5)
                QTest::mouseDClick(handle, Qt::LeftButton, {}, at);
            else
                QTest::mouseClick(handle, Qt::LeftButton, {}, at);
        } else {
            const Qt::Key key =
                keys[std::uniform_int_distribution<int>(0, std::size(keys) - 1)(random)];
            what = QStringLiteral("key %1").arg(key, 0, 16);
            QTest::keyClick(handle, key);
        }
        const QString context = QStringLiteral("seed %1 step %2, %3").arg(seed).arg(step).arg(what);
        QVERIFY2(reported.isEmpty(), qPrintable(context + ": " + reported));
        const QString difference = drive.differenceFromModel();
        QVERIFY2(difference.isEmpty(),
                 qPrintable(context + ": the window differs in " + difference));
        const std::string broken = brokenInvariant(window.state());
        QVERIFY2(broken.empty(), qPrintable(context + ": " + QString::fromStdString(broken)));
    }
    const qint64 elapsed = std::max<qint64>(1, clock.elapsed());
    qInfo("%d events in %lld ms: %lld events/s, %d handlers ran", events, elapsed,
          events * 1000 / elapsed, handlersRun);
    // The session must really have reached the handlers.
    QVERIFY(handlersRun > events / 10);
}

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
