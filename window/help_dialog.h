// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QListWidget>

// The help's rows. The list's name is its accessible interface's own: set
// on the widget, it would reach a screen reader already on the list as a
// change of its name, and Orca 48 would read the list again without what
// the rows say, and take that as heard. What the rows say is the list's
// description, set as the dialog is made: a screen reader that comes to the
// list after the dialog's events reads it with the list, and one already on
// the list reads it as the description changes.
class HelpRows : public QListWidget {
    Q_OBJECT

  public:
    using QListWidget::QListWidget;
};

// The help on the keys, a dialog of its own over the window: one row per
// key, shown as the key and what it does and read as one sentence; the
// focus on the rows, so that a screen reader reads them one by one. Escape
// or its button closes it.
class HelpDialog : public QDialog {
    Q_OBJECT

  public:
    explicit HelpDialog(QWidget* window);

    HelpRows* rows() const { return rows_; }

  private:
    HelpRows* rows_;
};
