// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "result_box.h"

#include "spoken.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QFontMetrics>

#include <algorithm>

namespace {

// The result box as assistive technology sees it: its text is the shown
// expression in words, one attribute run long (Qt's own interface gives
// every character a run of its own that ends where it starts, and Orca then
// drops the last character). Offsets are those of the words; each maps to
// the sign or digit it reads, for the caret, the selection and the place on
// screen.
class ResultAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit ResultAccessible(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text which) const override {
        return which == QAccessible::Value ? spoken().text : QAccessibleWidget::text(which);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }

    void selection(int, int* start, int* end) const override {
        *start = spokenOffset(box()->selectionStart());
        *end = spokenOffset(box()->selectionEnd());
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override {
        const int from = shownOffset(start);
        box()->setSelection(from, shownOffset(end) - from);
    }
    void removeSelection(int) override { box()->deselect(); }
    void setSelection(int, int start, int end) override { addSelection(start, end); }
    int cursorPosition() const override { return spokenOffset(box()->cursorPosition()); }
    void setCursorPosition(int position) override {
        box()->setCursorPosition(shownOffset(position));
    }
    QString text(int start, int end) const override {
        return spoken().text.mid(start, end - start);
    }
    // Moving by character over the shown signs, a reader hears each sign's
    // words whole: "минус" for the "-" under the caret.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                         int* end) const override {
        const SpokenExpression words = spoken();
        const auto size = static_cast<int>(words.shownOffset.size());
        if (boundary != QAccessible::CharBoundary || offset < 0 || offset >= size)
            return QAccessibleTextInterface::textAtOffset(offset, boundary, start, end);
        const int sign = words.shownOffset[offset];
        *start = offset;
        while (*start > 0 && words.shownOffset[*start - 1] == sign)
            --*start;
        *end = offset;
        while (*end < size && words.shownOffset[*end] == sign)
            ++*end;
        return words.text.mid(*start, *end - *start);
    }
    int characterCount() const override { return static_cast<int>(spoken().text.size()); }
    QRect characterRect(int offset) const override {
        // The shown text is centred in the box and never scrolls.
        const QFontMetrics metrics(box()->font());
        const QString text = box()->text();
        const int shown = shownOffset(offset);
        const int left = (box()->width() - metrics.horizontalAdvance(text)) / 2 +
                         metrics.horizontalAdvance(text.left(shown));
        const QRect character(left, (box()->height() - metrics.height()) / 2,
                              metrics.horizontalAdvance(text.mid(shown, 1)), metrics.height());
        return character.translated(box()->mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint& point) const override {
        return spokenOffset(box()->cursorPositionAt(box()->mapFromGlobal(point)));
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

  private:
    QLineEdit* box() const { return static_cast<QLineEdit*>(widget()); }
    SpokenExpression spoken() const { return spokenExpression(box()->text()); }
    // The shown character that a spoken one reads; the end maps to the end.
    int shownOffset(int spokenOffset) const {
        const SpokenExpression words = spoken();
        if (spokenOffset < 0 || spokenOffset >= static_cast<int>(words.shownOffset.size()))
            return static_cast<int>(box()->text().size());
        return words.shownOffset[spokenOffset];
    }
    // The first spoken character that reads a shown one at or after it.
    int spokenOffset(int shownOffset) const {
        const std::vector<int> offsets = spoken().shownOffset;
        return static_cast<int>(std::lower_bound(offsets.begin(), offsets.end(), shownOffset) -
                                offsets.begin());
    }
};

QAccessibleInterface* resultAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(ResultBox::staticMetaObject.className()))
        return new ResultAccessible(static_cast<QLineEdit*>(object));
    return nullptr;
}

} // namespace

ResultBox::ResultBox(QWidget* parent) : QLineEdit(parent) {
    QAccessible::installFactory(resultAccessible);
}

void ResultBox::focusInEvent(QFocusEvent* event) {
    const bool tabbed =
        event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (!tabbed || !QAccessible::isActive())
        return QLineEdit::focusInEvent(event);
    // On Tab a line edit selects its text, and Orca 43 stumbles over that:
    // with an empty box the selection's caret event comes before the focus,
    // which Orca then drops; with text it reads the box twice. Coming in for
    // another reason the box selects nothing, and Orca reads it once. The
    // text shown stays as it is; only its highlight is left out, and only
    // while a screen reader listens.
    QFocusEvent other(QEvent::FocusIn, Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&other);
}
