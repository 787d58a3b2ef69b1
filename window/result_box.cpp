// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "result_box.h"

#include "qt_face.h"

#include <QAccessible>
#include <QFocusEvent>

void ResultBox::showText(const ShownText& text) {
    spoken_ = text.spoken;
    const QString shown = qtText(text.shown);
    if (this->text() != shown)
        setText(shown);
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
