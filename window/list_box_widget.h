// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QListWidget>

#include <optional>

// A list box that leaves its selection to the exercise: a user's click or
// selection key only reports the row the user chose; the window then shows
// whatever selection the exercise keeps. Qt's own habits of selecting on
// focus, clearing on a click in empty space and searching by typed text
// never reach the selection.
class ListBoxWidget : public QListWidget {
    Q_OBJECT

  public:
    explicit ListBoxWidget(QWidget* parent = nullptr);

  signals:
    // The row the user clicked or moved to; -1 for the space below the items.
    void rowChosen(int row);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // The row a selection key leads to from the current one, or none.
    std::optional<int> rowForKey(const QKeyEvent& event) const;
};
