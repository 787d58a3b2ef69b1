// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fixed_text_box.h"

#include "qt_face.h"

FixedTextBox::FixedTextBox(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

void FixedTextBox::setText(const ShownText& text) {
    spoken_ = text.spoken;
    setPlainText(qtText(text.shown));
}
