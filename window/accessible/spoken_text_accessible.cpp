// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spoken_text_accessible.h"

#include "fixed_text_box.h"
#include "qt_face.h"
#include "result_box.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>

void* SpokenTextAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                              : QAccessibleWidget::interface_cast(type);
}

QString SpokenTextAccessible::text(QAccessible::Text which) const {
    return which == QAccessible::Value ? qtText(spoken().text) : QAccessibleWidget::text(which);
}

QAccessible::State SpokenTextAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.selectableText = true;
    return state;
}

void SpokenTextAccessible::selection(int, int* start, int* end) const {
    const auto [from, to] = shownSelection();
    *start = spokenOffset(from);
    *end = spokenOffset(to);
}

int SpokenTextAccessible::selectionCount() const {
    const auto [from, to] = shownSelection();
    return from != to ? 1 : 0;
}

void SpokenTextAccessible::addSelection(int start, int end) {
    setShownSelection(shownOffset(start), shownOffset(end));
}

int SpokenTextAccessible::cursorPosition() const {
    return spokenOffset(shownCursor());
}

void SpokenTextAccessible::setCursorPosition(int position) {
    setShownCursor(shownOffset(position));
}

QString SpokenTextAccessible::text(int start, int end) const {
    return qtText(spoken().text).mid(start, end - start);
}

// Moving by character over the shown signs, a reader hears each sign's words
// whole: "минус" for the "-" under the caret. A line is a line as shown.
QString SpokenTextAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundary,
                                           int* start, int* end) const {
    const SpokenText words = spoken();
    const auto size = static_cast<int>(words.shownOffset.size());
    if (offset < 0 || offset >= size ||
        (boundary != QAccessible::CharBoundary && boundary != QAccessible::LineBoundary))
        return QAccessibleTextInterface::textAtOffset(offset, boundary, start, end);
    if (boundary == QAccessible::LineBoundary) {
        const auto [from, to] = shownLine(words.shownOffset[offset]);
        *start = spokenOffset(from);
        *end = spokenOffset(to);
    } else {
        const int sign = words.shownOffset[offset];
        *start = offset;
        while (*start > 0 && words.shownOffset[*start - 1] == sign)
            --*start;
        *end = offset;
        while (*end < size && words.shownOffset[*end] == sign)
            ++*end;
    }
    return qtText(words.text).mid(*start, *end - *start);
}

int SpokenTextAccessible::characterCount() const {
    return static_cast<int>(spoken().text.size());
}

QRect SpokenTextAccessible::characterRect(int offset) const {
    return shownCharacterRect(shownOffset(offset)).translated(widget()->mapToGlobal(QPoint(0, 0)));
}

int SpokenTextAccessible::offsetAtPoint(const QPoint& point) const {
    return spokenOffset(shownOffsetAt(widget()->mapFromGlobal(point)));
}

QString SpokenTextAccessible::attributes(int, int* start, int* end) const {
    *start = 0;
    *end = characterCount();
    return {};
}

int SpokenTextAccessible::shownOffset(int spokenOffset) const {
    const SpokenText words = spoken();
    if (spokenOffset < 0 || spokenOffset >= static_cast<int>(words.shownOffset.size()))
        return static_cast<int>(shownText().size());
    return words.shownOffset[spokenOffset];
}

int SpokenTextAccessible::spokenOffset(int shownOffset) const {
    const std::vector<int> offsets = spoken().shownOffset;
    return static_cast<int>(std::lower_bound(offsets.begin(), offsets.end(), shownOffset) -
                            offsets.begin());
}

ExpressionAccessible::ExpressionAccessible(ResultBox* box) : SpokenTextAccessible(box) {}

ResultBox* ExpressionAccessible::box() const {
    return static_cast<ResultBox*>(widget());
}

SpokenText ExpressionAccessible::spoken() const {
    return box()->spoken();
}

QString ExpressionAccessible::shownText() const {
    return box()->text();
}

int ExpressionAccessible::shownCursor() const {
    return box()->cursorPosition();
}

void ExpressionAccessible::setShownCursor(int offset) {
    box()->setCursorPosition(offset);
}

std::pair<int, int> ExpressionAccessible::shownSelection() const {
    return {box()->selectionStart(), box()->selectionEnd()};
}

void ExpressionAccessible::setShownSelection(int start, int end) {
    if (start == end)
        box()->deselect();
    else
        box()->setSelection(start, end - start);
}

QRect ExpressionAccessible::shownCharacterRect(int offset) const {
    // The shown text is centred in the box and never scrolls.
    const QFontMetrics metrics(box()->font());
    const QString text = box()->text();
    const int left = (box()->width() - metrics.horizontalAdvance(text)) / 2 +
                     metrics.horizontalAdvance(text.left(offset));
    return {left, (box()->height() - metrics.height()) / 2,
            metrics.horizontalAdvance(text.mid(offset, 1)), metrics.height()};
}

int ExpressionAccessible::shownOffsetAt(const QPoint& point) const {
    return box()->cursorPositionAt(point);
}

std::pair<int, int> ExpressionAccessible::shownLine(int) const {
    return {0, static_cast<int>(box()->text().size())};
}

ProseAccessible::ProseAccessible(FixedTextBox* box) : SpokenTextAccessible(box) {}

FixedTextBox* ProseAccessible::box() const {
    return static_cast<FixedTextBox*>(widget());
}

SpokenText ProseAccessible::spoken() const {
    return box()->spoken();
}

QString ProseAccessible::shownText() const {
    return box()->toPlainText();
}

int ProseAccessible::shownCursor() const {
    return box()->textCursor().position();
}

void ProseAccessible::setShownCursor(int offset) {
    QTextCursor cursor = box()->textCursor();
    cursor.setPosition(offset);
    box()->setTextCursor(cursor);
    box()->ensureCursorVisible();
}

std::pair<int, int> ProseAccessible::shownSelection() const {
    const QTextCursor cursor = box()->textCursor();
    return {cursor.selectionStart(), cursor.selectionEnd()};
}

void ProseAccessible::setShownSelection(int start, int end) {
    QTextCursor cursor = box()->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    box()->setTextCursor(cursor);
}

QRect ProseAccessible::shownCharacterRect(int offset) const {
    QTextCursor cursor(box()->document());
    cursor.setPosition(offset);
    const QRect caret = box()->cursorRect(cursor);
    const QString character = shownText().mid(offset, 1);
    const int width = character.isEmpty() || character == u'\n'
                          ? caret.width()
                          : QFontMetrics(box()->font()).horizontalAdvance(character);
    return QRect(caret.topLeft(), QSize(width, caret.height()))
        .translated(box()->viewport()->mapTo(box(), QPoint(0, 0)));
}

int ProseAccessible::shownOffsetAt(const QPoint& point) const {
    return box()->cursorForPosition(box()->viewport()->mapFrom(box(), point)).position();
}

std::pair<int, int> ProseAccessible::shownLine(int offset) const {
    const QTextBlock block = box()->document()->findBlock(offset);
    const QTextLayout* layout = block.layout();
    const QTextLine line =
        layout ? layout->lineForTextPosition(offset - block.position()) : QTextLine();
    if (!line.isValid())
        return {block.position(), block.position() + block.length() - 1};
    const int start = block.position() + line.textStart();
    return {start, start + line.textLength()};
}
