// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "list_box_widget.h"

#include "list_keys.h"
#include "qt_face.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <map>

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
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return std::nullopt;
    static const std::map<int, ListKey> keys{
        {Qt::Key_Up, ListKey::up},         {Qt::Key_Down, ListKey::down},
        {Qt::Key_PageUp, ListKey::pageUp}, {Qt::Key_PageDown, ListKey::pageDown},
        {Qt::Key_Home, ListKey::home},     {Qt::Key_End, ListKey::end}};
    const auto key = keys.find(event.key());
    std::vector<std::string> items;
    for (int row = 0; row < count(); ++row)
        items.push_back(item(row)->text().toStdString());
    const QString typed = event.text();
    return ::rowForKey(key == keys.end() ? ListKey::other : key->second, faceText(typed), items,
                       currentRow(), viewport()->height() / std::max(1, sizeHintForRow(0)));
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
