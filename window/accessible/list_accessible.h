// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>
#include <QList>

class HelpRows;
class QListWidget;

// Qt 6.5 and later let a list tell assistive technology which items are
// selected, and select one.
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
using ListSelection = QAccessibleSelectionInterface;
#else
struct ListSelection {};
#endif

// A list box as assistive technology sees it: a list with its name, what it
// holds as its description ("1, 6 и 9", "празен"), and one item per row,
// named as the row is said ("минус 6"). Qt's own interface for item views
// gives the name as the help text too, which Orca 48 reads after the items,
// so every list would say its name twice; this one has no help text.
class ListAccessible : public QAccessibleWidget, public ListSelection {
  public:
    explicit ListAccessible(QListWidget* list);
    ~ListAccessible() override;

    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    int selectedItemCount() const override;
    QList<QAccessibleInterface*> selectedItems() const override;
    bool isSelected(QAccessibleInterface* child) const override;
    // Selecting a row is the user's selection, which the exercise takes up;
    // the exercise alone takes a selection away.
    bool select(QAccessibleInterface* child) override;
    bool unselect(QAccessibleInterface* child) override;
    bool selectAll() override;
    bool clear() override;
#endif

  private:
    QListWidget* list() const;
    // The items made so far, by their ids; those of removed rows are
    // dropped as they are come across.
    mutable QList<QAccessible::Id> items_;
};

// The help's rows: a list as above, named as the help.
class HelpRowsAccessible : public ListAccessible {
  public:
    explicit HelpRowsAccessible(HelpRows* rows);

    QString text(QAccessible::Text which) const override;
};
