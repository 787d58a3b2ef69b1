// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_state.h"
#include "user_action.h"

#include <QLineEdit>
#include <QString>

class QWidget;

// Everything the window tells a screen reader beyond the controls' names:
// what a list holds when it takes focus, and one short sentence for what a
// user's action changed. Costs nothing while no assistive technology listens.
class Announcer {
  public:
    explicit Announcer(QWidget& window);

    // Speaks a sentence without moving the keyboard focus.
    void say(const QString& sentence);

  private:
    QWidget& window_;
    QWidget* notice_ = nullptr;
};

// The sentence for what an action changed, in plain Bulgarian; empty when it
// changed nothing worth telling.
QString announcementFor(const FormState& before, const FormState& after, const UserAction& action);

// What a list holds, read after its name when it takes focus: "1, 6, 9", or
// that it is empty.
QString spokenItems(const ListBox& box);

// The read-only box that shows the result, which a screen reader reads once
// and whole on every visit.
class ResultBox : public QLineEdit {
    Q_OBJECT

  public:
    using QLineEdit::QLineEdit;

  protected:
    void focusInEvent(QFocusEvent* event) override;
};
