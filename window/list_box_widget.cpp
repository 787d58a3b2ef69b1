// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "list_box_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

ListBoxWidget::ListBoxWidget(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
}

void ListBoxWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    setFocus(Qt::MouseFocusReason);
    emit rowChosen(indexAt(event->position().toPoint()).row());
}

// The second press of a double click selects like any other press.
void ListBoxWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

// Dragging over the items selects nothing.
void ListBoxWidget::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}
void ListBoxWidget::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void ListBoxWidget::keyPressEvent(QKeyEvent* event) {
    if (const std::optional<int> row = rowForKey(*event)) {
        emit rowChosen(*row);
        return;
    }
    event->ignore();
}

std::optional<int> ListBoxWidget::rowForKey(const QKeyEvent& event) const {
    const int rows = count();
    if (rows == 0 || event.modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return std::nullopt;
    const int current = currentRow();
    const int page = std::max(1, viewport()->height() / std::max(1, sizeHintForRow(0)) - 1);
    const auto clamp = [rows](int row) { return std::clamp(row, 0, rows - 1); };
    switch (event.key()) {
    case Qt::Key_Up:
        return clamp(current < 0 ? 0 : current - 1);
    case Qt::Key_Down:
        return clamp(current + 1);
    case Qt::Key_PageUp:
        return clamp(current < 0 ? 0 : current - page);
    case Qt::Key_PageDown:
        return clamp(current < 0 ? 0 : current + page);
    case Qt::Key_Home:
        return 0;
    case Qt::Key_End:
        return rows - 1;
    default:
        break;
    }
    // A typed character moves to the next item that begins with it.
    const QString typed = event.text();
    if (typed.size() != 1 || !typed.front().isPrint() || typed.front().isSpace())
        return std::nullopt;
    for (int step = 1; step <= rows; ++step) {
        const int row = (std::max(current, -1) + step) % rows;
        if (item(row)->text().startsWith(typed, Qt::CaseInsensitive))
            return row;
    }
    return std::nullopt;
}

void ListBoxWidget::focusInEvent(QFocusEvent* event) {
    // Skips QAbstractItemView's habit of selecting the first item on focus.
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void ListBoxWidget::paintEvent(QPaintEvent* event) {
    QListWidget::paintEvent(event);
    // Qt marks focus on the current item only; with no item selected, the
    // keyboard user still needs to see where the focus is.
    if (!hasFocus() || currentIndex().isValid())
        return;
    const QRect mark =
        count() > 0 ? visualItemRect(item(0)) : viewport()->rect().adjusted(1, 1, -1, -1);
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
    painter.drawRect(mark.adjusted(0, 0, -1, -1));
}
