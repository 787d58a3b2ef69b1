// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Each way of speaking a sentence, built here whichever one the program uses
// on this platform, as assistive technology would receive it: Qt's events,
// caught in place of the platform's.

#include "announcer.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {

struct Received {
    QAccessible::Event type;
    QObject* object;
    QString text; // what the event carries for a screen reader to say
};
QList<Received> received;

void receive(QAccessibleEvent* event) {
    QString text;
    switch (event->type()) {
    case QAccessible::ValueChanged:
        text = static_cast<QAccessibleValueChangeEvent*>(event)->value().toString();
        break;
    case QAccessible::ObjectShow:
        // A notice's labels are what Orca speaks, shows in braille and keeps.
        if (auto* label = event->object()->findChild<QLabel*>())
            text = label->text();
        break;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    case QAccessible::Announcement:
        text = static_cast<QAccessibleAnnouncementEvent*>(event)->message();
        break;
#endif
    default:
        break;
    }
    received.append({event->type(), event->object(), text});
}

} // namespace

class AnnouncerTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        received.clear();
        window_ = std::make_unique<QWidget>();
        focus_ = new QLineEdit(window_.get());
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        window_->activateWindow();
        focus_->setFocus();
        QTRY_VERIFY(focus_->hasFocus());
        previous_ = QAccessible::installUpdateHandler(receive);
    }
    void cleanup() {
        QAccessible::installUpdateHandler(previous_);
        window_.reset();
    }

    // Each sentence once, with its text, without moving the focus.
    void eachSentenceOnce() {
        QTRY_VERIFY2(QAccessible::isActive(), "no assistive technology bridge");
        Announcer announcer(*window_);
        const QStringList sentences{QStringLiteral("Тежестта 9 е в лявото блюдо."),
                                    QStringLiteral("9 минус 6 е равно на 3.")};
        for (const QString& sentence : sentences) {
            received.clear();
            announcer.say(sentence);
            QList<Received> spoken;
            for (const Received& event : received)
                if (!event.text.isEmpty())
                    spoken.append(event);
            QCOMPARE(spoken.size(), 1);
            QCOMPARE(spoken.front().text, sentence);
#if defined(KVELMOR_ANNOUNCE_EVENT)
            QCOMPARE(spoken.front().type, QAccessible::Announcement);
            QCOMPARE(spoken.front().object, focus_);
#elif defined(KVELMOR_ANNOUNCE_VALUE)
            QCOMPARE(spoken.front().type, QAccessible::ValueChanged);
            QCOMPARE(spoken.front().object, focus_);
#else
            // One appearance of the notice per sentence, with the sentence in it
            // (its label appears with it, which Orca passes over).
            QAccessibleInterface* notice =
                QAccessible::queryAccessibleInterface(spoken.front().object);
            QCOMPARE(notice->role(), QAccessible::Notification);
            QCOMPARE(notice->rect().size(), QSize(0, 0));
            int shown = 0;
            for (const Received& event : received)
                shown += event.type == QAccessible::ObjectShow && event.object == notice->object();
            QCOMPARE(shown, 1);
#endif
            QVERIFY(focus_->hasFocus());
        }
    }

  private:
    std::unique_ptr<QWidget> window_;
    QLineEdit* focus_ = nullptr;
    QAccessible::UpdateHandler previous_ = nullptr;
};

QTEST_MAIN(AnnouncerTest)
#include "announcer_test.moc"
