// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "kvelmor.h"

#include "accessible.h"
#include "application.h"
#include "assets.h"
#include "fixed_text_box.h"
#include "help_dialog.h"
#include "list_box_widget.h"
#include "qt_face.h"
#include "result_box.h"
#include "screen_placement.h"
#include "step.h"
#include "view.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

namespace {

void showItems(QListWidget& widget, const ListView& view) {
    const QString description = qtText(view.said);
    if (widget.accessibleDescription() != description)
        widget.setAccessibleDescription(description);
    bool same = widget.count() == static_cast<int>(view.items.size());
    for (int row = 0; same && row < widget.count(); ++row)
        same = widget.item(row)->text() == qtText(view.items[row]);
    if (!same) {
        widget.clear();
        for (std::size_t row = 0; row < view.items.size(); ++row) {
            auto* item = new QListWidgetItem(qtText(view.items[row]), &widget);
            item->setData(Qt::AccessibleTextRole, qtText(view.spokenItems[row]));
        }
    }
    if (view.selected >= 0) {
        widget.setCurrentRow(view.selected);
    } else {
        // No current item either: Qt would otherwise keep one on a
        // neighbour of a removed item and treat its selection as no change.
        widget.setCurrentIndex(QModelIndex());
        widget.clearSelection();
    }
    widget.setVisible(view.visible);
    widget.setEnabled(view.enabled);
}

} // namespace

Kvelmor::Kvelmor(QWidget* parent) : QWidget(parent) {
    installAccessibleInterfaces();
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(qtText(face().caption.shown));
    setAccessibleName(qtText(face().caption.spoken.text));
    setAccessibleDescription(qtText(face().description));
    setWindowIcon(hamburgerIcon(devicePixelRatioF()));
    setFont(windowFont());
    setFixedSize(pixels(clientTwips.width), pixels(clientTwips.height));
    QPalette background = palette();
    background.setColor(QPalette::Window, qtColour(windowBackground));
    setPalette(background);
    setAutoFillBackground(true);

    buildControls();
    connectInput();
    orderFocus();

    const StepOutcome started = start(state_);
    mirror();
    tell(started);

    centreOnScreen(*this);
}

template <typename Widget> Widget* Kvelmor::place(Widget* widget, const ControlFace& face) {
    const Control& control = face.control;
    widget->setObjectName(qtText(face.name));
    widget->setGeometry(qtRect(pixels(control.twips)));
    if (control.background) {
        QPalette colours = widget->palette();
        colours.setColor(QPalette::Window, qtColour(*control.background));
        colours.setColor(QPalette::Button, qtColour(*control.background));
        widget->setPalette(colours);
        widget->setAutoFillBackground(true);
    }
    if (!control.accessibleName.empty())
        widget->setAccessibleName(qtText(control.accessibleName));
    if (widget->focusPolicy() != Qt::NoFocus)
        focusOrder_[control.tabIndex] = widget;
    return widget;
}

void Kvelmor::buildControls() {
    for (const ControlFace& each : face().controls) {
        const Control& control = each.control;
        const std::int16_t index = control.id.index;
        QWidget* container = control.container ? static_cast<QWidget*>(frame_) : this;
        const QString caption = qtText(each.caption.shown);
        switch (control.kind) {
        case ControlKind::caption: {
            auto* label = place(new QLabel(caption, container), each);
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            label->setWordWrap(true);
            // Read for the ear: the title's dash is no word to say.
            if (each.caption.spoken.text != each.caption.shown)
                label->setAccessibleName(qtText(each.caption.spoken.text));
            captions_[index] = label;
            break;
        }
        case ControlKind::list:
            lists_[index] = place(new ListBoxWidget(container), each);
            break;
        case ControlKind::frame:
            frame_ = place(new QGroupBox(caption, container), each);
            break;
        case ControlKind::modeButton:
            modes_[index] = place(new QRadioButton(caption, container), each);
            break;
        case ControlKind::picture: {
            auto* picture = place(new QLabel(container), each);
            picture->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
            picture->setAlignment(Qt::AlignCenter);
            picture->setPixmap(balancePhoto(devicePixelRatioF()));
            break;
        }
        case ControlKind::button:
            buttons_[index] = place(new QPushButton(caption, container), each);
            buttons_[index]->installEventFilter(this);
            break;
        case ControlKind::resultBox:
            result_ = place(new ResultBox(container), each);
            result_->setAlignment(Qt::AlignCenter);
            result_->setReadOnly(true);
            break;
        case ControlKind::textBox: {
            // Placed before it gets its text, so the text is laid out once only.
            auto* text = place(new FixedTextBox(container), each);
            text->setText(each.text);
            if (control.hidden)
                text->hide();
            break;
        }
        }
    }
    focusOrder_.begin()->second->setFocus(Qt::OtherFocusReason);
}

void Kvelmor::connectInput() {
    for (std::int16_t i = 0; i < FormState::listCount; ++i) {
        connect(lists_[i], &ListBoxWidget::rowChosen, this, [this, i](int row) {
            perform({UserAction::Kind::selectRow, i, row});
        });
        // Selections made other than by mouse or key, such as by assistive
        // technology, count as the user's too.
        connect(lists_[i], &QListWidget::itemSelectionChanged, this, [this, i] {
            if (mirroring_)
                return;
            const QList<QListWidgetItem*> selected = lists_[i]->selectedItems();
            perform({UserAction::Kind::selectRow, i,
                     selected.isEmpty() ? -1 : lists_[i]->row(selected.front())});
        });
    }
    for (std::int16_t i = 0; i < FormState::buttonCount; ++i)
        connect(buttons_[i], &QPushButton::clicked, this, [this, i] {
            perform({UserAction::Kind::pressButton, i});
        });
    for (std::int16_t i = 0; i < FormState::modeButtonCount; ++i)
        connect(modes_[i], &QRadioButton::clicked, this, [this, i] {
            perform({UserAction::Kind::selectMode, i});
        });
    // Whichever control has the focus.
    connect(new QShortcut(QKeySequence(qtText(face().helpKey)), this), &QShortcut::activated, this,
            &Kvelmor::showHelp);
    connect(new QShortcut(QKeySequence(qtText(face().wholeStateKey)), this), &QShortcut::activated,
            this, &Kvelmor::tellWholeState);
}

void Kvelmor::orderFocus() {
    QWidget* previous = nullptr;
    for (const auto& [tabIndex, widget] : focusOrder_) {
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
}

bool Kvelmor::event(QEvent* event) {
    // How to get help, once, as the window first opens, after the screen
    // reader has heard of the control that has the focus.
    if (event->type() == QEvent::WindowActivate && !introduced_) {
        introduced_ = true;
        QMetaObject::invokeMethod(
            this, [this] { announcer_.introduce(qtText(face().description)); },
            Qt::QueuedConnection);
    }
    return QWidget::event(event);
}

bool Kvelmor::eventFilter(QObject* watched, QEvent* event) {
    // Enter presses a focused button, as Space does.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (auto* button = qobject_cast<QPushButton*>(watched)) {
                button->click();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Kvelmor::perform(const UserAction& action) {
    if (failed_)
        return;
    const StepOutcome outcome = step(state_, action);
    if (!outcome.failure)
        mirror();
    tell(outcome);
    if (outcome.ran)
        emit handlerRan();
}

void Kvelmor::tell(const StepOutcome& outcome) {
    if (outcome.failure) {
        reportFailure(qtText(*outcome.failure));
    } else if (!outcome.announcement.empty()) {
        announcer_.say(qtText(outcome.announcement));
        emit announced(qtText(outcome.announcement));
    }
}

void Kvelmor::showHelp() {
    if (failed_)
        return;
    // Back to the control the help was asked from, whatever the platform
    // makes active when the dialog goes.
    const QPointer<QWidget> from = QApplication::focusWidget();
    HelpDialog help(this);
    help.exec();
    activateWindow();
    if (from)
        from->setFocus(Qt::OtherFocusReason);
}

void Kvelmor::tellWholeState() {
    if (!failed_)
        tell(::tellWholeState(state_));
}

void Kvelmor::mirror() {
    mirroring_ = true;
    const StateView view = viewOf(state_);
    for (std::size_t i = 0; i < view.lists.size(); ++i)
        showItems(*lists_[i], view.lists[i]);
    for (std::size_t i = 0; i < view.captions.size(); ++i)
        captions_[i]->setVisible(view.captions[i]);
    const bool anySelected = view.modes[0].checked || view.modes[1].checked;
    for (std::size_t i = 0; i < view.modes.size(); ++i) {
        modes_[i]->setEnabled(view.modes[i].enabled);
        // An exclusive radio button cannot be unchecked while it is exclusive.
        modes_[i]->setAutoExclusive(anySelected);
        modes_[i]->setChecked(view.modes[i].checked);
        modes_[i]->setAutoExclusive(true);
    }
    result_->showText(view.result);
    mirroring_ = false;
}

void Kvelmor::reportFailure(const QString& message) {
    // Like the classic run-time: report, then end the program.
    failed_ = true;
    QMessageBox::critical(this, qtText(face().failureTitle), message);
    // Queued, so that it ends the program even where the error came as the
    // window was made, before the program's event loop runs.
    QMetaObject::invokeMethod(
        qApp, [] { QCoreApplication::exit(1); }, Qt::QueuedConnection);
}
