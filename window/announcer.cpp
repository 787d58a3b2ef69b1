// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

#include <algorithm>

namespace {

QString joined(const std::vector<std::string>& items) {
    QStringList texts;
    for (const std::string& text : items)
        texts << QString::fromStdString(text);
    return texts.join(QStringLiteral(", "));
}

QString weightsInThePans(const FormState& state) {
    return QStringLiteral("В блюдата са тежестите %1.")
        .arg(joined(state.List1(control::leftPan).items()));
}

// The one weight that is in the list now and was not before.
QString added(const ListBox& before, const ListBox& after) {
    for (const std::string& text : after.items())
        if (std::find(before.items().begin(), before.items().end(), text) == before.items().end())
            return QString::fromStdString(text);
    return {};
}

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// A widget of no size whose accessible role is a notification: a screen
// reader speaks its name when it is shown.
const char* const noticeName = "spokenNotice";

QAccessibleInterface* noticeAccessible(const QString&, QObject* object) {
    if (object->isWidgetType() && object->objectName() == QLatin1String(noticeName))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}
#endif

// The result box as a screen reader sees it. Qt's own interface for a line
// edit gives every character a text-attribute run of its own that ends where
// it starts; Orca joins the runs and reads the text without its last
// character. Here the whole text is one run; the rest is the line edit's.
class ResultAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit ResultAccessible(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text which) const override {
        return which == QAccessible::Value ? box()->text() : QAccessibleWidget::text(which);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }

    void selection(int, int* start, int* end) const override {
        *start = box()->selectionStart();
        *end = box()->selectionEnd();
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { box()->setSelection(start, end - start); }
    void removeSelection(int) override { box()->deselect(); }
    void setSelection(int, int start, int end) override { addSelection(start, end); }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    QString text(int start, int end) const override {
        return box()->text().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(box()->text().size()); }
    QRect characterRect(int offset) const override {
        // The text is centred in the box and never scrolls.
        const QFontMetrics metrics(box()->font());
        const QString text = box()->text();
        const int left = (box()->width() - metrics.horizontalAdvance(text)) / 2 +
                         metrics.horizontalAdvance(text.left(offset));
        const QRect character(left, (box()->height() - metrics.height()) / 2,
                              metrics.horizontalAdvance(text.mid(offset, 1)), metrics.height());
        return character.translated(box()->mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint& point) const override {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

  private:
    QLineEdit* box() const { return static_cast<QLineEdit*>(widget()); }
};

QAccessibleInterface* resultAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(ResultBox::staticMetaObject.className()))
        return new ResultAccessible(static_cast<QLineEdit*>(object));
    return nullptr;
}

} // namespace

QString spokenItems(const ListBox& box) {
    return box.ListCount() == 0 ? QStringLiteral("празно") : joined(box.items());
}

QString announcementFor(const FormState& before, const FormState& after, const UserAction& action) {
    using Kind = UserAction::Kind;
    switch (action.kind) {
    case Kind::selectRow: {
        const ListBox& placed = after.List1(control::placedList);
        if (placed.ListCount() > before.List1(control::placedList).ListCount()) {
            // A weight from the right pan is recorded with a minus sign.
            const QString entry = QString::fromStdString(placed.items().back());
            return entry.startsWith(u'-')
                       ? QStringLiteral("Тежестта %1 е в дясното блюдо.").arg(entry.mid(1))
                       : QStringLiteral("Тежестта %1 е в лявото блюдо.").arg(entry);
        }
        const QString chosen =
            added(before.List1(control::selectedList), after.List1(control::selectedList));
        if (chosen.isEmpty())
            return {};
        QString sentence = QStringLiteral("Избрахте %1.").arg(chosen);
        if (!before.Option1(control::measuring).Enabled &&
            after.Option1(control::measuring).Enabled)
            sentence += QStringLiteral(" Избрани са %1. Вече може да изберете режим Измерва.")
                            .arg(joined(after.List1(control::selectedList).items()));
        return sentence;
    }
    case Kind::pressButton:
        if (action.index == control::calculate && before.Text2(0) != after.Text2(0))
            return QStringLiteral("Резултат: %1").arg(QString::fromStdString(after.Text2(0).Text));
        if (action.index == control::clear && before != after)
            return QStringLiteral("Везната е изчистена. ") + weightsInThePans(after);
        return {};
    case Kind::selectMode:
        if (before == after)
            return {};
        if (action.index == control::choosing)
            return QStringLiteral("Режим Избира: изберете три тежести от списъка Налични.");
        return QStringLiteral("Режим Измерва. ") + weightsInThePans(after);
    }
    return {};
}

Announcer::Announcer(QWidget& window) : window_(window) {
    QAccessible::installFactory(resultAccessible);
}

void Announcer::say(const QString& sentence) {
    if (sentence.isEmpty() || !QAccessible::isActive())
        return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Qt speaks it through the focused control, and nothing else need be sent.
    QWidget* focus = QApplication::focusWidget();
    QAccessibleAnnouncementEvent announcement(focus ? focus : &window_, sentence);
    QAccessible::updateAccessibility(&announcement);
#else
    // Older Qt has no announcement, and Orca passes over the events of
    // controls without focus; but it speaks a notification as it appears.
    if (!notice_) {
        QAccessible::installFactory(noticeAccessible);
        notice_ = new QWidget(&window_);
        notice_->setObjectName(QLatin1String(noticeName));
        notice_->setGeometry(0, 0, 0, 0);
        notice_->show();
    }
    notice_->setAccessibleName(sentence);
    QAccessibleEvent shown(notice_, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}

void ResultBox::focusInEvent(QFocusEvent* event) {
    const bool tabbed =
        event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (!tabbed || !QAccessible::isActive())
        return QLineEdit::focusInEvent(event);
    // On Tab a line edit selects its text, and Orca 43 stumbles over that:
    // with an empty box the selection's caret event comes before the focus,
    // which Orca then drops; with text it reads the box twice. Coming in for
    // another reason the box selects nothing, and Orca reads it once. The
    // text shown stays as it is; only its highlight is left out, and only
    // while a screen reader listens.
    QFocusEvent other(QEvent::FocusIn, Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&other);
}
