// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "speech.h"

#include <QAccessibleWidget>

#include <utility>

class FixedTextBox;
class ResultBox;

// A read-only text as assistive technology sees it: the shown text in words,
// one attribute run long (Qt's own interface gives every character a run of
// its own that ends where it starts, and Orca then drops the last
// character). Offsets are those of the words; each maps to the shown
// character it reads, for the caret, the selection and the place on screen.
class SpokenTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit SpokenTextAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text which) const override;
    QAccessible::State state() const override;

    void selection(int selectionIndex, int* start, int* end) const override;
    int selectionCount() const override;
    void addSelection(int start, int end) override;
    void removeSelection(int) override { setShownSelection(shownCursor(), shownCursor()); }
    void setSelection(int, int start, int end) override { addSelection(start, end); }
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int start, int end) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                         int* end) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int start, int) override { setShownCursor(shownOffset(start)); }
    QString attributes(int, int* start, int* end) const override;

  protected:
    virtual SpokenText spoken() const = 0;
    virtual QString shownText() const = 0;
    virtual int shownCursor() const = 0;
    virtual void setShownCursor(int offset) = 0;
    // The shown selection, start and end; empty when none.
    virtual std::pair<int, int> shownSelection() const = 0;
    virtual void setShownSelection(int start, int end) = 0;
    // A shown character's rectangle in the widget, and the character at a
    // point of it.
    virtual QRect shownCharacterRect(int offset) const = 0;
    virtual int shownOffsetAt(const QPoint& point) const = 0;
    // The shown line around a shown character, start and end.
    virtual std::pair<int, int> shownLine(int offset) const = 0;

    // The shown character that a spoken one reads; the end maps to the end.
    int shownOffset(int spokenOffset) const;
    // The first spoken character that reads a shown one at or after it.
    int spokenOffset(int shownOffset) const;
};

// The result box: the expression in words, "9 минус 6 плюс 1 равно на 4".
class ExpressionAccessible : public SpokenTextAccessible {
  public:
    explicit ExpressionAccessible(ResultBox* box);

  protected:
    SpokenText spoken() const override;
    QString shownText() const override;
    int shownCursor() const override;
    void setShownCursor(int offset) override;
    std::pair<int, int> shownSelection() const override;
    void setShownSelection(int start, int end) override;
    QRect shownCharacterRect(int offset) const override;
    int shownOffsetAt(const QPoint& point) const override;
    std::pair<int, int> shownLine(int) const override;

  private:
    ResultBox* box() const;
};

// A fixed text, its signs in words: "a1 плюс a2", "от 1 до 10". Its lines
// are the lines shown, as a screen reader reads them one by one.
class ProseAccessible : public SpokenTextAccessible {
  public:
    explicit ProseAccessible(FixedTextBox* box);

  protected:
    SpokenText spoken() const override;
    QString shownText() const override;
    int shownCursor() const override;
    void setShownCursor(int offset) override;
    std::pair<int, int> shownSelection() const override;
    void setShownSelection(int start, int end) override;
    QRect shownCharacterRect(int offset) const override;
    int shownOffsetAt(const QPoint& point) const override;
    std::pair<int, int> shownLine(int offset) const override;

  private:
    FixedTextBox* box() const;
};
