// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spoken.h"

#include <QStringList>

#include <algorithm>

namespace {

// "2", "2 и 5", "2, 5 и 7": a list as one says it aloud.
QString spokenList(const std::vector<std::string>& items) {
    QStringList said;
    for (const std::string& text : items)
        said << spokenEntry(QString::fromStdString(text));
    if (said.size() < 2)
        return said.join(QString());
    const QString last = said.takeLast();
    return said.join(QStringLiteral(", ")) + QStringLiteral(" и ") + last;
}

// The weights the pans hold are those that can still be placed.
QString placeable(const FormState& state) {
    const ListBox& pan = state.List1(control::leftPan);
    switch (pan.ListCount()) {
    case 0:
        return state.List1(control::availableList).Visible()
                   ? QStringLiteral(
                         "Няма тежести за поставяне. Изберете три тежести от списъка Налични.")
                   : QStringLiteral("Няма тежести за поставяне.");
    case 1:
        return QStringLiteral("Можете да поставите тежестта %1.").arg(spokenList(pan.items()));
    default:
        return QStringLiteral("Можете да поставите тежестите %1.").arg(spokenList(pan.items()));
    }
}

// The one weight that is in the list now and was not before.
QString added(const ListBox& before, const ListBox& after) {
    for (const std::string& text : after.items())
        if (std::find(before.items().begin(), before.items().end(), text) == before.items().end())
            return QString::fromStdString(text);
    return {};
}

QString placing(const FormState& before, const FormState& after) {
    const ListBox& placed = after.List1(control::placedList);
    if (placed.ListCount() > before.List1(control::placedList).ListCount()) {
        // A weight from the right pan is recorded with a minus sign.
        const QString entry = QString::fromStdString(placed.items().back());
        return entry.startsWith(u'-')
                   ? QStringLiteral("Тежестта %1 е в дясното блюдо.").arg(entry.mid(1))
                   : QStringLiteral("Тежестта %1 е в лявото блюдо.").arg(entry);
    }
    const QString chosen =
        added(before.List1(control::selectedList), after.List1(control::selectedList));
    if (chosen.isEmpty())
        return {};
    QString sentence = QStringLiteral("Избрахте %1.").arg(chosen);
    if (!before.Option1(control::measuring).Enabled && after.Option1(control::measuring).Enabled)
        sentence += QStringLiteral(" Избрани са %1. Вече можете да изберете режим Измерва.")
                        .arg(spokenList(after.List1(control::selectedList).items()));
    return sentence;
}

} // namespace

QString spokenEntry(const QString& entry) {
    return entry.startsWith(u'-') ? QStringLiteral("минус ") + entry.mid(1) : entry;
}

QString spokenItems(const ListBox& box) {
    return box.ListCount() == 0 ? QStringLiteral("празен") : spokenList(box.items());
}

SpokenExpression spokenExpression(const QString& shown) {
    // Sign by sign, so that each spoken word knows the sign it reads: a minus
    // before a digit is the number's own sign, "минус" and then the number.
    SpokenExpression spoken;
    for (int i = 0; i < shown.size(); ++i) {
        const QChar sign = shown[i];
        const bool beforeDigit = i + 1 < shown.size() && shown[i + 1].isDigit();
        QString word;
        if (sign == u'-')
            word = beforeDigit ? QStringLiteral("минус ") : QStringLiteral("минус");
        else if (sign == u'+')
            word = QStringLiteral("плюс");
        else if (sign == u'=')
            word = QStringLiteral("равно на");
        else
            word = sign;
        spoken.text += word;
        spoken.shownOffset.insert(spoken.shownOffset.end(), word.size(), i);
    }
    return spoken;
}

QString announcementFor(const FormState& before, const FormState& after, const UserAction& action) {
    using Kind = UserAction::Kind;
    switch (action.kind) {
    case Kind::selectRow:
        return placing(before, after);
    case Kind::pressButton:
        if (action.index == control::calculate && before.Text2(0) != after.Text2(0)) {
            const QString result =
                spokenExpression(QString::fromStdString(after.Text2(0).Text)).text;
            return after.List1(control::placedList).ListCount() == 0
                       ? QStringLiteral("Няма поставени тежести. Резултатът е %1.").arg(result)
                       : QStringLiteral("Резултатът е %1.").arg(result);
        }
        if (action.index == control::clear && before != after)
            return QStringLiteral("Везната е изчистена. ") + placeable(after);
        return {};
    case Kind::selectMode:
        if (before == after)
            return {};
        if (action.index == control::choosing)
            return QStringLiteral("Режим Избира. Изберете три тежести от списъка Налични.");
        return QStringLiteral("Режим Измерва. ") + placeable(after);
    }
    return {};
}
