// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "kvelmor.h"

#include "application.h"
#include "assets.h"
#include "control_table.h"
#include "handlers.h"
#include "list_box_widget.h"
#include "result_box.h"
#include "screen_placement.h"
#include "spoken.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const char* const captionTexts[] = {"Логика - везна и комбинации от тежести ",
                                    "Ляво",
                                    "Дясно",
                                    "Измервана маса",
                                    "Налични",
                                    "Избрани"};

QString arrayName(const char* array, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

void showItems(QListWidget& widget, const ListBox& box) {
    const QString description = spokenItems(box);
    if (widget.accessibleDescription() != description)
        widget.setAccessibleDescription(description);
    bool same = widget.count() == box.ListCount();
    for (int row = 0; same && row < widget.count(); ++row)
        same = widget.item(row)->text() == QString::fromStdString(box.items()[row]);
    if (!same) {
        widget.clear();
        for (const std::string& text : box.items()) {
            auto* item = new QListWidgetItem(QString::fromStdString(text), &widget);
            item->setData(Qt::AccessibleTextRole, spokenEntry(item->text()));
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
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral("Философия - Логика, везна и тежести"));
    // Said without the dash, which a synthesizer would read as one.
    setAccessibleName(QStringLiteral("Философия, Логика, везна и тежести"));
    setWindowIcon(hamburgerIcon(devicePixelRatioF()));
    setFont(windowFont());
    setFixedSize(pixels(clientTwips.width()), pixels(clientTwips.height()));
    QPalette background = palette();
    background.setColor(QPalette::Window, windowBackground);
    setPalette(background);
    setAutoFillBackground(true);

    buildControls();
    connectInput();
    orderFocus();

    Form_Load(state_);
    mirror();

    centreOnScreen(*this);
}

template <typename Widget> Widget* Kvelmor::place(Widget* widget, std::string_view name) {
    const ControlPlacement& placement = placementOf(name);
    widget->setObjectName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    widget->setGeometry(pixels(placement.twips));
    if (placement.background) {
        QPalette colours = widget->palette();
        colours.setColor(QPalette::Window, *placement.background);
        colours.setColor(QPalette::Button, *placement.background);
        widget->setPalette(colours);
        widget->setAutoFillBackground(true);
    }
    if (*placement.accessibleName)
        widget->setAccessibleName(QString::fromUtf8(placement.accessibleName));
    if (widget->focusPolicy() != Qt::NoFocus)
        focusOrder_[placement.tabIndex] = widget;
    return widget;
}

void Kvelmor::buildControls() {
    for (int i = 0; i < FormState::captionCount; ++i) {
        auto* caption = new QLabel(QString::fromUtf8(captionTexts[i]), this);
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        caption->setWordWrap(true);
        captions_[i] = place(caption, arrayName("Label1", i).toStdString());
    }
    for (int i = 0; i < FormState::listCount; ++i)
        lists_[i] = place(new ListBoxWidget(this), arrayName("List1", i).toStdString());

    auto* frame = place(new QGroupBox(QStringLiteral("Режим"), this), "Frame1");
    const char* const modeTexts[] = {"Измерва", "Избира"};
    for (int i = 0; i < FormState::modeButtonCount; ++i)
        modes_[i] = place(new QRadioButton(QString::fromUtf8(modeTexts[i]), frame),
                          arrayName("Option1", i).toStdString());

    auto* picture = place(new QLabel(this), "Picture1");
    picture->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    picture->setAlignment(Qt::AlignCenter);
    picture->setPixmap(balancePhoto(devicePixelRatioF()));

    const char* const buttonTexts[] = {"Изчисли", "Изчисти"};
    for (int i = 0; i < FormState::buttonCount; ++i) {
        buttons_[i] = place(new QPushButton(QString::fromUtf8(buttonTexts[i]), this),
                            arrayName("Command1", i).toStdString());
        buttons_[i]->installEventFilter(this);
    }

    result_ = place(new ResultBox(this), "Text2(0)");
    result_->setAlignment(Qt::AlignCenter);
    result_->setReadOnly(true);

    const QString textNames[] = {QStringLiteral("instructions.txt"), QStringLiteral("saying.txt")};
    for (int i = 0; i < 2; ++i) {
        // Placed before it gets its text, so the text is laid out once only.
        auto* text = place(new QPlainTextEdit(this), arrayName("Text1", i).toStdString());
        text->setReadOnly(true);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        text->setPlainText(shownText(textNames[i]));
        texts_[i] = text;
    }
    // The saying lies over the instructions and stays hidden.
    texts_[1]->hide();
    texts_[0]->setFocus(Qt::OtherFocusReason);
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
    bool ran = false;
    const FormState before = state_;
    try {
        ran = ::perform(state_, action);
    } catch (const std::exception& error) {
        reportFailure(QString::fromUtf8(error.what()));
        return;
    }
    mirror();
    if (ran) {
        announcer_.say(announcementFor(before, state_, action));
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
    const QString result = QString::fromStdString(state_.Text2(0).Text);
    if (result_->text() != result)
        result_->setText(result);
    mirroring_ = false;
}

void Kvelmor::reportFailure(const QString& message) {
    // Like the classic run-time: report, then end the program.
    failed_ = true;
    QMessageBox::critical(
        this, QStringLiteral("Грешка при изпълнение"),
        QStringLiteral("Възникна грешка и програмата ще бъде затворена.\n\n%1").arg(message));
    QCoreApplication::exit(1);
}
