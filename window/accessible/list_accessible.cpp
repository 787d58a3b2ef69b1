// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "list_accessible.h"

#include "help_dialog.h"
#include "qt_face.h"
#include "view.h"

#include <QListWidget>
#include <QPersistentModelIndex>
#include <QPointer>

namespace {

// One row of a list, for as long as the row exists.
class ItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    ItemAccessible(QListWidget* list, const QModelIndex& index) : list_(list), index_(index) {}

    int row() const { return index_.row(); }

    bool isValid() const override { return list_ && index_.isValid(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(list_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    void setText(QAccessible::Text, const QString&) override {}

    // As the row is said: the window gives each item its words.
    QString text(QAccessible::Text which) const override {
        if (!isValid() || which != QAccessible::Name)
            return {};
        const QString said = index_.data(Qt::AccessibleTextRole).toString();
        return said.isEmpty() ? index_.data(Qt::DisplayRole).toString() : said;
    }

    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect shown = list_->visualRect(index_);
        return shown.isNull() ? shown
                              : shown.translated(list_->viewport()->mapToGlobal(QPoint(0, 0)));
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid())
            return state;
        // Scrolled out of sight, a row is still shown as one of the list's:
        // a screen reader counts only those it takes as shown ("Списък с 9
        // елемента").
        state.selected = list_->selectionModel()->isSelected(index_);
        state.focused = list_->currentIndex() == index_;
        state.selectable = state.focusable = (index_.flags() & Qt::ItemIsSelectable) != 0;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {toggleAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    // The user's selection of this row, which the window hands to the exercise.
    void doAction(const QString& name) override {
        if (name == toggleAction() && isValid())
            select();
    }
    // One change of selection, which the window takes as one click.
    void select() { list_->selectionModel()->select(index_, QItemSelectionModel::ClearAndSelect); }

  private:
    QPointer<QListWidget> list_;
    QPersistentModelIndex index_;
};

} // namespace

ListAccessible::ListAccessible(QListWidget* list) : QAccessibleWidget(list, QAccessible::List) {}

ListAccessible::~ListAccessible() {
    for (QAccessible::Id id : std::as_const(items_))
        QAccessible::deleteAccessibleInterface(id);
}

QListWidget* ListAccessible::list() const {
    return static_cast<QListWidget*>(widget());
}

void* ListAccessible::interface_cast(QAccessible::InterfaceType type) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    if (type == QAccessible::SelectionInterface)
        return static_cast<QAccessibleSelectionInterface*>(this);
#endif
    return QAccessibleWidget::interface_cast(type);
}

int ListAccessible::childCount() const {
    return list()->count();
}

QAccessibleInterface* ListAccessible::child(int index) const {
    if (index < 0 || index >= list()->count())
        return nullptr;
    ItemAccessible* found = nullptr;
    for (auto id = items_.begin(); id != items_.end();) {
        auto* item = static_cast<ItemAccessible*>(QAccessible::accessibleInterface(*id));
        if (!item || !item->isValid()) {
            QAccessible::deleteAccessibleInterface(*id);
            id = items_.erase(id);
            continue;
        }
        if (item->row() == index)
            found = item;
        ++id;
    }
    if (!found) {
        found = new ItemAccessible(list(), list()->model()->index(index, 0));
        items_.append(QAccessible::registerAccessibleInterface(found));
    }
    return found;
}

int ListAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (!child || child->role() != QAccessible::ListItem || !child->isValid() ||
        child->parent() != this)
        return -1;
    return static_cast<const ItemAccessible*>(child)->row();
}

QAccessibleInterface* ListAccessible::childAt(int x, int y) const {
    const QModelIndex index = list()->indexAt(list()->viewport()->mapFromGlobal(QPoint(x, y)));
    return index.isValid() ? child(index.row()) : nullptr;
}

QAccessibleInterface* ListAccessible::focusChild() const {
    const QModelIndex current = list()->currentIndex();
    return current.isValid() ? child(current.row()) : nullptr;
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
int ListAccessible::selectedItemCount() const {
    return static_cast<int>(list()->selectedItems().size());
}

QList<QAccessibleInterface*> ListAccessible::selectedItems() const {
    QList<QAccessibleInterface*> selected;
    for (QListWidgetItem* item : list()->selectedItems())
        selected << child(list()->row(item));
    return selected;
}

bool ListAccessible::isSelected(QAccessibleInterface* child) const {
    return indexOfChild(child) >= 0 && child->state().selected;
}

bool ListAccessible::select(QAccessibleInterface* child) {
    if (indexOfChild(child) < 0)
        return false;
    static_cast<ItemAccessible*>(child)->select();
    return true;
}

bool ListAccessible::unselect(QAccessibleInterface*) {
    return false;
}

bool ListAccessible::selectAll() {
    return false;
}

bool ListAccessible::clear() {
    return false;
}
#endif

HelpRowsAccessible::HelpRowsAccessible(HelpRows* rows) : ListAccessible(rows) {}

QString HelpRowsAccessible::text(QAccessible::Text which) const {
    return which == QAccessible::Name ? qtText(face().helpTitle) : ListAccessible::text(which);
}
