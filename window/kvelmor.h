// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "announcer.h"
#include "form_state.h"
#include "user_action.h"

#include <QWidget>

#include <array>
#include <map>

struct ControlFace;
struct StepOutcome;
class FixedTextBox;
class ListBoxWidget;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class ResultBox;

// The program's one window. It owns the exercise's state, turns the user's
// input into the exercise's steps and shows the view of the state after
// each; where each control stands, how it looks and what is said come from
// the presentation.
class Kvelmor : public QWidget {
    Q_OBJECT

  public:
    explicit Kvelmor(QWidget* parent = nullptr);

    FormState& state() { return state_; }
    // Shows the state in the widgets; raises no event of its own.
    void mirror();
    // The help on the keys, as F1 opens it; the focus comes back on closing.
    void showHelp();
    // The whole state said, as F2 asks.
    void tellWholeState();

  signals:
    // A user's action raised a click and its handler ran.
    void handlerRan();
    // A sentence went to the screen reader.
    void announced(const QString& sentence);

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void connectInput();
    void orderFocus();
    // Names the widget, puts it at its place and paints its background.
    template <typename Widget> Widget* place(Widget* widget, const ControlFace& face);
    void perform(const UserAction& action);
    // Says the outcome's sentence, or reports its failure and ends.
    void tell(const StepOutcome& outcome);
    void reportFailure(const QString& message);

    FormState state_;
    Announcer announcer_{*this};
    bool mirroring_ = false;
    bool failed_ = false;
    bool introduced_ = false;
    std::map<int, QWidget*> focusOrder_;

    std::array<ListBoxWidget*, FormState::listCount> lists_{};
    std::array<QLabel*, FormState::captionCount> captions_{};
    std::array<QRadioButton*, FormState::modeButtonCount> modes_{};
    std::array<QPushButton*, FormState::buttonCount> buttons_{};
    QGroupBox* frame_ = nullptr;
    ResultBox* result_ = nullptr;
};
