// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessible.h"

#include "fixed_text_box.h"
#include "help_dialog.h"
#include "kvelmor.h"
#include "list_accessible.h"
#include "list_box_widget.h"
#include "result_box.h"
#include "spoken_text_accessible.h"

#include <QAccessibleWidget>

namespace {

bool is(const QString& className, const QMetaObject& meta) {
    return className == QLatin1String(meta.className());
}

QAccessibleInterface* kvelmorAccessible(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    // Screen readers announce the program's one window as a window; Qt
    // would present a plain widget as a filler.
    if (is(className, Kvelmor::staticMetaObject))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (is(className, HelpRows::staticMetaObject))
        return new HelpRowsAccessible(static_cast<HelpRows*>(widget));
    if (is(className, ListBoxWidget::staticMetaObject))
        return new ListAccessible(static_cast<QListWidget*>(widget));
    if (is(className, ResultBox::staticMetaObject))
        return new ExpressionAccessible(static_cast<ResultBox*>(widget));
    if (is(className, FixedTextBox::staticMetaObject))
        return new ProseAccessible(static_cast<FixedTextBox*>(widget));
    return nullptr;
}

} // namespace

void installAccessibleInterfaces() {
    QAccessible::installFactory(kvelmorAccessible);
}
