// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "view.h"

#include <QLineEdit>

// The read-only box that shows the result. A screen reader reads it once and
// whole on every visit, and in words: "9 минус 6 плюс 1 равно на 4" for the
// "9 - 6 + 1 = 4" on screen, which synthesizers would otherwise read as
// "9 dash 6", or with the signs left out.
class ResultBox : public QLineEdit {
    Q_OBJECT

  public:
    explicit ResultBox(QWidget* parent = nullptr) : QLineEdit(parent) {}

    // Shows the text, and keeps its words for a screen reader.
    void showText(const ShownText& text);
    const SpokenText& spoken() const { return spoken_; }

  protected:
    void focusInEvent(QFocusEvent* event) override;

  private:
    SpokenText spoken_;
};
