// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "view.h"

#include <QPlainTextEdit>

// A fixed text, read-only, wrapped at the box's width, with a vertical scroll
// bar. A screen reader reads it for the ear ("a1 плюс a2", "от 1 до 10"),
// while the screen shows it exactly as stored.
class FixedTextBox : public QPlainTextEdit {
    Q_OBJECT

  public:
    explicit FixedTextBox(QWidget* parent = nullptr);

    void setText(const ShownText& text);
    const SpokenText& spoken() const { return spoken_; }

  private:
    SpokenText spoken_;
};
