// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QWidget>

// Qt before 6.8 on AT-SPI has no announcement, and Orca passes over the
// events of controls without focus; but it speaks a notification as it
// appears, and shows the notification's labels on a braille display and in
// its list of notifications. So the sentence is a label in a notification of
// no size, which appears once per sentence. Orca says the role's name,
// "notification", before it; only a change of focus would avoid that.

namespace {

const char* const noticeName = "spokenNotice";

QAccessibleInterface* noticeAccessible(const QString&, QObject* object) {
    if (object->isWidgetType() && object->objectName() == QLatin1String(noticeName))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

void Announcer::say(const QString& sentence) {
    if (sentence.isEmpty() || !QAccessible::isActive())
        return;
    if (!notice_) {
        QAccessible::installFactory(noticeAccessible);
        notice_ = new QWidget(&window_);
        notice_->setObjectName(QLatin1String(noticeName));
        notice_->setGeometry(0, 0, 0, 0);
        notice_->hide();
        new QLabel(notice_);
    }
    // Hidden while its text changes, then shown: Qt tells the screen reader
    // that it appeared, once, with the new sentence in it.
    notice_->hide();
    notice_->findChild<QLabel*>()->setText(sentence);
    notice_->show();
}
