// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "kvelmor.h"

#include "accessible.h"
#include "application.h"
#include "assets.h"
#include "fixed_text_box.h"
#include "handlers.h"
#include "list_box_widget.h"
#include "qt_face.h"
#include "result_box.h"
#include "screen_placement.h"
#include "step.h"
#include "texts.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

namespace {

void showItems(QListWidget& widget, const ListBox& box) {
    const QString description = qtText(spokenItems(box));
    if (widget.accessibleDescription() != description)
        widget.setAccessibleDescription(description);
    bool same = widget.count() == box.ListCount();
    for (int row = 0; same && row < widget.count(); ++row)
        same = widget.item(row)->text() == qtText(box.items()[row]);
    if (!same) {
        widget.clear();
        for (const std::string& text : box.items()) {
            auto* item = new QListWidgetItem(qtText(text), &widget);
            item->setData(Qt::AccessibleTextRole, qtText(spokenEntry(text)));
        }
    }
    if (box.ListIndex() >= 0) {
        widget.setCurrentRow(box.ListIndex());
    } else {
        // No current item either: Qt would otherwise keep one on a
        // neighbour of a removed item and treat its selection as no change.
        widget.setCurrentIndex(QModelIndex());
        widget.clearSelection();
    }
    widget.setVisible(box.Visible());
    widget.setEnabled(box.Enabled());
}

} // namespace

Kvelmor::Kvelmor(QWidget* parent) : QWidget(parent) {
    installAccessibleInterfaces();
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(qtText(windowCaption));
    setAccessibleName(qtText(spokenProse(windowCaption).text));
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

    Form_Load(state_);
    mirror();

    centreOnScreen(*this);
}

template <typename Widget> Widget* Kvelmor::place(Widget* widget, const Control& control) {
    widget->setObjectName(qtText(control.name));
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
    QGroupBox* frame = nullptr;
    for (const Control& control : controls()) {
        const int index = arrayIndex(control);
        QWidget* container = control.container.empty() ? static_cast<QWidget*>(this) : frame;
        const QString caption = qtText(control.caption);
        switch (control.kind) {
        case ControlKind::caption: {
            auto* label = place(new QLabel(caption, container), control);
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            label->setWordWrap(true);
            // Read for the ear: the title's dash is no word to say.
            const SpokenText spoken = spokenProse(control.caption);
            if (spoken.text != control.caption)
                label->setAccessibleName(qtText(spoken.text));
            captions_[index] = label;
            break;
        }
        case ControlKind::list:
            lists_[index] = place(new ListBoxWidget(container), control);
            break;
        case ControlKind::frame:
            frame = place(new QGroupBox(caption, container), control);
            break;
        case ControlKind::modeButton:
            modes_[index] = place(new QRadioButton(caption, container), control);
            break;
        case ControlKind::picture: {
            auto* picture = place(new QLabel(container), control);
            picture->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
            picture->setAlignment(Qt::AlignCenter);
            picture->setPixmap(balancePhoto(devicePixelRatioF()));
            break;
        }
        case ControlKind::button:
            buttons_[index] = place(new QPushButton(caption, container), control);
            buttons_[index]->installEventFilter(this);
            break;
        case ControlKind::resultBox:
            result_ = place(new ResultBox(container), control);
            result_->setAlignment(Qt::AlignCenter);
            result_->setReadOnly(true);
            break;
        case ControlKind::textBox: {
            // Placed before it gets its text, so the text is laid out once only.
            auto* text = place(new FixedTextBox(container), control);
            text->setPlainText(shownText(qtText(control.text)));
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
}

void Kvelmor::orderFocus() {
    QWidget* previous = nullptr;
    for (const auto& [tabIndex, widget] : focusOrder_) {
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
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
    if (outcome.failure) {
        reportFailure(qtText(*outcome.failure));
        return;
    }
    mirror();
    if (outcome.ran) {
        announcer_.say(qtText(outcome.announcement));
        emit handlerRan();
    }
}

void Kvelmor::mirror() {
    mirroring_ = true;
    for (std::int16_t i = 0; i < FormState::listCount; ++i)
        showItems(*lists_[i], state_.List1(i));
    for (std::int16_t i = 0; i < FormState::captionCount; ++i)
        captions_[i]->setVisible(state_.Label1(i).Visible);
    const bool anySelected = state_.Option1(0).Value || state_.Option1(1).Value;
    for (std::int16_t i = 0; i < FormState::modeButtonCount; ++i) {
        const ModeButton& mode = state_.Option1(i);
        modes_[i]->setEnabled(mode.Enabled);
        // An exclusive radio button cannot be unchecked while it is exclusive.
        modes_[i]->setAutoExclusive(anySelected);
        modes_[i]->setChecked(mode.Value);
        modes_[i]->setAutoExclusive(true);
    }
    const QString result = qtText(state_.Text2(0).Text);
    if (result_->text() != result)
        result_->setText(result);
    mirroring_ = false;
}

void Kvelmor::reportFailure(const QString& message) {
    // Like the classic run-time: report, then end the program.
    failed_ = true;
    QMessageBox::critical(this, qtText(failureTitle), message);
    QCoreApplication::exit(1);
}
