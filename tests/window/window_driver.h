// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "kvelmor.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTest>

// Finds the window's controls by name and drives them with real input.
class WindowDriver {
  public:
    explicit WindowDriver(Kvelmor& window) : window_(window) {}

    template <typename Widget = QWidget> Widget* control(const QString& name) const {
        auto* widget = window_.findChild<Widget*>(name);
        if (!widget)
            qFatal("no control named %s", qPrintable(name));
        return widget;
    }
    QListWidget* list(int index) const {
        return control<QListWidget>(QStringLiteral("List1(%1)").arg(index));
    }
    QPushButton* button(int index) const {
        return control<QPushButton>(QStringLiteral("Command1(%1)").arg(index));
    }
    QRadioButton* mode(int index) const {
        return control<QRadioButton>(QStringLiteral("Option1(%1)").arg(index));
    }
    QString result() const { return control<QLineEdit>(QStringLiteral("Text2(0)"))->text(); }

    QStringList items(int index) const {
        QStringList texts;
        for (int row = 0; row < list(index)->count(); ++row)
            texts << list(index)->item(row)->text();
        return texts;
    }
    // The row the widget shows selected, -1 for none.
    int shownSelection(int index) const {
        const QList<QListWidgetItem*> selected = list(index)->selectedItems();
        return selected.isEmpty() ? -1 : list(index)->row(selected.front());
    }

    void clickRow(int index, int row) const {
        QListWidget* box = list(index);
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {},
                          box->visualItemRect(box->item(row)).center());
    }
    // Clicks the item with this text, which must be shown.
    void clickItem(int index, const QString& text) const {
        const QList<QListWidgetItem*> found = list(index)->findItems(text, Qt::MatchExactly);
        if (found.isEmpty())
            qFatal("no item %s in List1(%d)", qPrintable(text), index);
        clickRow(index, list(index)->row(found.front()));
    }
    void clickBelowItems(int index) const {
        QWidget* viewport = list(index)->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {},
                          QPoint(viewport->width() / 2, viewport->height() - 2));
    }
    void press(int index) const { QTest::mouseClick(button(index), Qt::LeftButton); }
    void selectMode(int index) const { QTest::mouseClick(mode(index), Qt::LeftButton); }

    // The first way in which the widgets do not show the model; "" if none.
    QString differenceFromModel() const {
        const FormState& state = window_.state();
        for (std::int16_t i = 0; i < FormState::listCount; ++i) {
            const ListBox& box = state.List1(i);
            QStringList expected;
            for (const std::string& text : box.items())
                expected << QString::fromStdString(text);
            if (items(i) != expected)
                return QStringLiteral("items of List1(%1)").arg(i);
            if (shownSelection(i) != box.ListIndex())
                return QStringLiteral("selection of List1(%1)").arg(i);
            if (list(i)->isVisibleTo(&window_) != box.Visible() ||
                list(i)->isEnabled() != box.Enabled())
                return QStringLiteral("visible or enabled List1(%1)").arg(i);
        }
        for (std::int16_t i = 0; i < FormState::captionCount; ++i)
            if (control(QStringLiteral("Label1(%1)").arg(i))->isVisibleTo(&window_) !=
                state.Label1(i).Visible)
                return QStringLiteral("Label1(%1)").arg(i);
        for (std::int16_t i = 0; i < FormState::modeButtonCount; ++i)
            if (mode(i)->isEnabled() != state.Option1(i).Enabled ||
                mode(i)->isChecked() != state.Option1(i).Value)
                return QStringLiteral("Option1(%1)").arg(i);
        if (result() != QString::fromStdString(state.Text2(0).Text))
            return QStringLiteral("Text2(0)");
        return {};
    }

  private:
    Kvelmor& window_;
};
