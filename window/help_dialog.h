// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QListWidget;

// The help on the keys, a dialog of its own over the window: one row per
// key, shown as the key and what it does and read as one sentence; the
// focus on the rows, so that a screen reader reads them one by one. Escape
// or its button closes it.
class HelpDialog : public QDialog {
    Q_OBJECT

  public:
    explicit HelpDialog(QWidget* window);

    QListWidget* rows() const { return rows_; }

  private:
    QListWidget* rows_;
};
