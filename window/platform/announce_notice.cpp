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

struct Announcer::Way {
    QWidget& window;
    QWidget* notice = nullptr; // made on the first sentence, owned by the window
    QLabel* label = nullptr;
};

Announcer::Announcer(QWidget& window) : way_(new Way{window}) {}
Announcer::~Announcer() = default;

// Orca 43 says a window's description with its name, each time.
void Announcer::introduce(const QString&) {}

void Announcer::say(const QString& sentence) {
    if (sentence.isEmpty() || !QAccessible::isActive())
        return;
    if (!way_->notice) {
        QAccessible::installFactory(noticeAccessible);
        way_->notice = new QWidget(&way_->window);
        way_->notice->setObjectName(QLatin1String(noticeName));
        way_->notice->setGeometry(0, 0, 0, 0);
        way_->notice->hide();
        way_->label = new QLabel(way_->notice);
    }
    // Hidden while its text changes, then shown: Qt tells the screen reader
    // that it appeared, once, with the new sentence in it.
    way_->notice->hide();
    way_->label->setText(sentence);
    way_->notice->show();
}
