// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"
#include "layout.h"
#include "qt_face.h"
#include "view.h"
#include "window_driver.h"

#include <QApplication>
#include <QLabel>
#include <QtTest>

// Run with QT_SCALE_FACTOR set: the window keeps its logical size and
// layout at any scale, and its pictures come from sources at least as fine
// as the screen's pixels.
namespace {

QRect designed(const QWidget* widget) {
    for (const ControlFace& each : face().controls)
        if (qtText(each.name) == widget->objectName())
            return qtRect(pixels(each.control.twips));
    qFatal("no control named %s", qPrintable(widget->objectName()));
}

} // namespace

class HighDpiTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { prepareApplication(*qApp); }
    void windowScalesAsAWhole();
    void nothingOverlapsOrIsClipped();
    void picturesAreFineEnough();
};

void HighDpiTest::windowScalesAsAWhole() {
    Kvelmor window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const qreal factor = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    QCOMPARE(window.devicePixelRatioF(), factor);
    QCOMPARE(window.size(), QSize(494, 345));
    const QImage shot = window.grab().toImage();
    QVERIFY2(qAbs(shot.width() - 494 * factor) <= 1 && qAbs(shot.height() - 345 * factor) <= 1,
             qPrintable(QStringLiteral("%1x%2").arg(shot.width()).arg(shot.height())));
    WindowDriver drive(window);
    for (const ControlFace& each : face().controls)
        QCOMPARE(drive.control(qtText(each.name))->geometry(), qtRect(pixels(each.control.twips)));
}

void HighDpiTest::nothingOverlapsOrIsClipped() {
    Kvelmor window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    WindowDriver drive(window);
    // Measuring, then choosing, which shows the choice lists and captions.
    for (bool choosing : {false, true}) {
        if (choosing)
            drive.selectMode(1);
        QList<QWidget*> shown;
        for (const ControlFace& each : face().controls) {
            QWidget* widget = drive.control(qtText(each.name));
            if (widget->isVisible() && widget->parentWidget() == &window)
                shown << widget;
        }
        for (QWidget* widget : shown) {
            QVERIFY2(window.rect().contains(widget->geometry()), qPrintable(widget->objectName()));
            // Only where the design itself lets two controls touch, as a caption
            // its list by one pixel, may they overlap, and by no more.
            for (QWidget* other : shown)
                QVERIFY2(widget == other || widget->geometry().intersected(other->geometry()) ==
                                                designed(widget).intersected(designed(other)),
                         qPrintable(widget->objectName() + " overlaps " + other->objectName()));
        }
        // Captions and buttons show their whole text.
        for (auto* label : window.findChildren<QLabel*>()) {
            if (label->text().isEmpty() || !label->isVisible())
                continue;
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text().trimmed()) <=
                         label->contentsRect().width(),
                     qPrintable(label->objectName()));
        }
        for (auto* button : window.findChildren<QAbstractButton*>())
            QVERIFY2(button->sizeHint().width() <= button->width() + 8 &&
                         button->fontMetrics().height() <= button->height(),
                     qPrintable(button->objectName()));
    }
}

void HighDpiTest::picturesAreFineEnough() {
    Kvelmor window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const qreal factor = window.devicePixelRatioF();
    const QPixmap photo =
        WindowDriver(window).control<QLabel>(QStringLiteral("Picture1"))->pixmap();
    QCOMPARE(photo.deviceIndependentSize(), QSizeF(195, 133));
    QVERIFY2(photo.devicePixelRatio() >= factor,
             qPrintable(QString::number(photo.devicePixelRatio())));
    const QSize iconNeeded = QSize(32, 32) * factor;
    bool fineIcon = false;
    for (const QSize& size : window.windowIcon().availableSizes())
        fineIcon = fineIcon || (size.width() >= iconNeeded.width());
    QVERIFY(fineIcon);
}

QTEST_MAIN(HighDpiTest)
#include "high_dpi_test.moc"
