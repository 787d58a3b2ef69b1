// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "list_box_widget.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

// A list as assistive technology sees it: Qt's own interface for item views,
// but for the help text. Qt gives an item view's name as its help text too,
// and Orca 48 reads the help text after everything else on focus, so every
// list would say its name twice ("Ляво, list, 1, 6 и 9. Ляво").
class ListBoxAccessible : public QAccessibleInterface {
  public:
    explicit ListBoxAccessible(QAccessibleInterface* items) : items_(items) {}

    QString text(QAccessible::Text which) const override {
        return which == QAccessible::Help ? QString() : items_->text(which);
    }

    bool isValid() const override { return items_->isValid(); }
    QObject* object() const override { return items_->object(); }
    QWindow* window() const override { return items_->window(); }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        return items_->relations(match);
    }
    QAccessibleInterface* focusChild() const override { return items_->focusChild(); }
    QAccessibleInterface* childAt(int x, int y) const override { return items_->childAt(x, y); }
    QAccessibleInterface* parent() const override { return items_->parent(); }
    QAccessibleInterface* child(int index) const override { return items_->child(index); }
    int childCount() const override { return items_->childCount(); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return items_->indexOfChild(child);
    }
    void setText(QAccessible::Text which, const QString& text) override {
        items_->setText(which, text);
    }
    QRect rect() const override { return items_->rect(); }
    QAccessible::Role role() const override { return items_->role(); }
    QAccessible::State state() const override { return items_->state(); }
    QColor foregroundColor() const override { return items_->foregroundColor(); }
    QColor backgroundColor() const override { return items_->backgroundColor(); }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return items_->interface_cast(type);
    }
    void virtual_hook(int id, void* data) override { items_->virtual_hook(id, data); }

  private:
    // Qt's interface; Qt's cache owns it, as it owns this one.
    QAccessibleInterface* items_;
};

bool makingQtsOwn = false;

QAccessibleInterface* listBoxAccessible(const QString& className, QObject* object) {
    if (makingQtsOwn || className != QLatin1String(ListBoxWidget::staticMetaObject.className()))
        return nullptr;
    // Asked again, Qt passes over this class and makes its item view's
    // interface, which it keeps for the list as well; it finds the newer of
    // the two, this one, first.
    makingQtsOwn = true;
    QAccessibleInterface* items = QAccessible::queryAccessibleInterface(object);
    makingQtsOwn = false;
    return items ? new ListBoxAccessible(items) : nullptr;
}

} // namespace

ListBoxWidget::ListBoxWidget(QWidget* parent) : QListWidget(parent) {
    QAccessible::installFactory(listBoxAccessible);
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
