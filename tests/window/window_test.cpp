// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"
#include "help_dialog.h"
#include "qt_face.h"
#include "view.h"
#include "window_driver.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <memory>

using Items = QStringList;

class WindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { prepareApplication(*qApp); }
    void init() {
        window_ = std::make_unique<Kvelmor>();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        drive_ = std::make_unique<WindowDriver>(*window_);
        handlers_ = std::make_unique<QSignalSpy>(window_.get(), &Kvelmor::handlerRan);
    }
    void cleanup() {
        handlers_.reset();
        drive_.reset();
        window_.reset();
    }

    void startState();
    void startFocusIsOnTheInstructions();
    void typicalMeasurementByMouse();
    void theWeightThatMovedUpIsPlacedByTheNextClick();
    void arrowKeysPlaceWeights();
    void tabbingIntoAPanPlacesNothing();
    void clicksThatChangeNothing();
    void choosingByClicksThenMeasuring();
    void modeButtonRaisesItsClickOnce();
    void enterPressesAFocusedButton();
    void wholeMeasurementByKeyboard();
    void geometry_data();
    void geometry();
    void colours_data();
    void colours();
    void windowIsFixedWithItsCaptionAndFont();
    void textsAreShownWholeAndReadOnly();
    void screenReaderReadsListsAndResultInWords();
    void wholeStateAndHelpOnAKey();

  private:
    QWidget* control(const QString& name) const { return drive_->control(name); }

    std::unique_ptr<Kvelmor> window_;
    std::unique_ptr<WindowDriver> drive_;
    std::unique_ptr<QSignalSpy> handlers_;
};

void WindowTest::startState() {
    const QStringList hidden{"List1(3)", "List1(4)", "Label1(4)", "Label1(5)", "Text1(1)"};
    for (const ControlFace& designed : face().controls) {
        QWidget* widget = control(qtText(designed.name));
        QCOMPARE(widget->isVisibleTo(window_.get()), !hidden.contains(qtText(designed.name)));
    }
    QCOMPARE(drive_->items(0), (Items{"1", "6", "9"}));
    QCOMPARE(drive_->items(1), (Items{"1", "6", "9"}));
    QVERIFY(drive_->items(2).isEmpty());
    QCOMPARE(drive_->items(4), (Items{"1", "6", "9"}));
    QVERIFY(!drive_->list(4)->isEnabled());
    QCOMPARE(drive_->result(), QString());
    for (int i = 0; i < 2; ++i) {
        QVERIFY(drive_->mode(i)->isEnabled());
        QVERIFY(!drive_->mode(i)->isChecked());
    }
    for (int i = 0; i < 5; ++i)
        QCOMPARE(drive_->shownSelection(i), -1);
}

void WindowTest::startFocusIsOnTheInstructions() {
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QCOMPARE(QApplication::focusWidget(), control("Text1(0)"));
    // The focus order follows the tab indices over the controls that take it;
    // of the two mode buttons, Tab stops on one only, as in any radio group.
    const QStringList order{"List1(0)", "Text2(0)",    "List1(1)",   "Command1(1)",
                            "List1(2)", "Command1(0)", "Option1(0)", "Text1(0)"};
    for (const QString& next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), next);
    }
    QCOMPARE(handlers_->count(), 0);
}

void WindowTest::typicalMeasurementByMouse() {
    drive_->clickItem(0, "9");
    QCOMPARE(handlers_->count(), 1);
    drive_->clickItem(1, "6");
    QCOMPARE(handlers_->count(), 2);
    drive_->clickItem(0, "1");
    QCOMPARE(handlers_->count(), 3);
    QCOMPARE(drive_->items(2), (Items{"9", "-6", "1"}));
    QVERIFY(drive_->items(0).isEmpty());
    QVERIFY(drive_->items(1).isEmpty());
    drive_->press(0);
    QCOMPARE(drive_->result(), QStringLiteral("9 - 6 + 1 = 4"));
    drive_->press(1);
    QCOMPARE(handlers_->count(), 5);
    QCOMPARE(drive_->items(0), (Items{"1", "6", "9"}));
    QCOMPARE(drive_->items(1), (Items{"1", "6", "9"}));
    QVERIFY(drive_->items(2).isEmpty());
    QCOMPARE(drive_->result(), QString());
}

void WindowTest::theWeightThatMovedUpIsPlacedByTheNextClick() {
    drive_->clickRow(1, 0);
    QCOMPARE(drive_->shownSelection(1), -1);
    drive_->clickRow(1, 0);
    QCOMPARE(handlers_->count(), 2);
    QCOMPARE(drive_->items(2), (Items{"-1", "-6"}));
    QCOMPARE(drive_->items(0), Items{"9"});
}

void WindowTest::arrowKeysPlaceWeights() {
    QListWidget* left = drive_->list(0);
    left->setFocus();
    QTest::keyClick(left, Qt::Key_Down);
    QCOMPARE(drive_->items(2), Items{"1"});
    QTest::keyClick(left, Qt::Key_End);
    QCOMPARE(drive_->items(2), (Items{"1", "9"}));
    QCOMPARE(drive_->items(0), Items{"6"});
    QCOMPARE(handlers_->count(), 2);
    // Moving within the placed list only selects.
    drive_->list(2)->setFocus();
    QTest::keyClick(drive_->list(2), Qt::Key_Down);
    QTest::keyClick(drive_->list(2), Qt::Key_Down);
    QCOMPARE(drive_->shownSelection(2), 1);
    QTest::keyClick(drive_->list(2), Qt::Key_Down);
    QCOMPARE(handlers_->count(), 4);
    QCOMPARE(drive_->items(2), (Items{"1", "9"}));
}

void WindowTest::tabbingIntoAPanPlacesNothing() {
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), drive_->list(0));
    QCOMPARE(drive_->shownSelection(0), -1);
    QCOMPARE(handlers_->count(), 0);
    QCOMPARE(drive_->items(0), (Items{"1", "6", "9"}));
    // With nothing selected the focus is still shown, on the first item.
    QListWidget* left = drive_->list(0);
    const QRect first = left->visualItemRect(left->item(0));
    const QImage shot = left->viewport()->grab().toImage();
    int dots = 0;
    for (int x = first.left(); x <= first.right(); ++x)
        dots += QColor(shot.pixel(x, first.top())) == QColor(Qt::black);
    QVERIFY2(dots > first.width() / 4, qPrintable(QString::number(dots)));
}

void WindowTest::clicksThatChangeNothing() {
    drive_->clickBelowItems(2);
    drive_->clickItem(0, "6");
    QCOMPARE(handlers_->count(), 1);
    // Space below the items, and a typed text that no item begins with.
    drive_->clickBelowItems(0);
    QTest::keyClick(drive_->list(0), Qt::Key_5);
    QCOMPARE(handlers_->count(), 1);
    QCOMPARE(drive_->shownSelection(0), -1);
    QCOMPARE(drive_->items(0), (Items{"1", "9"}));

    // The placed list only takes a selection, and keeps it against a click
    // below its items.
    drive_->clickRow(2, 0);
    QCOMPARE(drive_->shownSelection(2), 0);
    drive_->clickBelowItems(2);
    QCOMPARE(drive_->shownSelection(2), 0);
    drive_->clickRow(2, 0);
    QCOMPARE(handlers_->count(), 2);
    QCOMPARE(drive_->items(2), Items{"6"});

    // The selected list is disabled while shown.
    drive_->selectMode(1);
    drive_->clickItem(3, "4");
    const Items selected = drive_->items(4);
    const int before = handlers_->count();
    drive_->clickRow(4, 0);
    QCOMPARE(handlers_->count(), before);
    QCOMPARE(drive_->items(4), selected);
    QCOMPARE(drive_->shownSelection(4), -1);
}

void WindowTest::choosingByClicksThenMeasuring() {
    drive_->selectMode(1);
    QCOMPARE(drive_->items(3), (Items{"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    QVERIFY(drive_->list(3)->isVisible());
    QVERIFY(drive_->list(4)->isVisible());
    QVERIFY(control("Label1(4)")->isVisible());
    QVERIFY(!drive_->mode(0)->isEnabled());
    for (const char* value : {"3", "9", "5"})
        drive_->clickItem(3, QString::fromLatin1(value));
    QCOMPARE(drive_->items(4), (Items{"3", "5", "9"}));
    QCOMPARE(drive_->items(3), (Items{"1", "2", "4", "6", "7", "8"}));
    QVERIFY(drive_->mode(0)->isEnabled());
    drive_->selectMode(0);
    QVERIFY(drive_->mode(0)->isChecked());
    QVERIFY(!drive_->mode(1)->isChecked());
    QVERIFY(!drive_->list(3)->isVisible());
    QCOMPARE(drive_->items(0), (Items{"3", "5", "9"}));
    QCOMPARE(drive_->items(1), (Items{"3", "5", "9"}));
    drive_->clickItem(0, "9");
    drive_->clickItem(1, "5");
    drive_->press(0);
    QCOMPARE(drive_->result(), QStringLiteral("9 - 5 = 4"));
}

void WindowTest::modeButtonRaisesItsClickOnce() {
    drive_->selectMode(1);
    QCOMPARE(handlers_->count(), 1);
    for (const char* value : {"1", "2", "3"})
        drive_->clickItem(3, QString::fromLatin1(value));
    QCOMPARE(handlers_->count(), 4);
    drive_->selectMode(1);
    QCOMPARE(handlers_->count(), 4);
    QVERIFY(drive_->mode(1)->isChecked());
    QTest::keyClick(drive_->mode(1), Qt::Key_Up);
    QCOMPARE(handlers_->count(), 5);
    QVERIFY(drive_->mode(0)->isChecked());
    QCOMPARE(drive_->items(0), (Items{"1", "2", "3"}));
}

void WindowTest::enterPressesAFocusedButton() {
    drive_->clickItem(0, "6");
    drive_->button(0)->setFocus();
    QTest::keyClick(drive_->button(0), Qt::Key_Return);
    QCOMPARE(drive_->result(), QStringLiteral("6"));
    QTest::keyClick(drive_->button(1), Qt::Key_Space);
    QCOMPARE(drive_->items(0), (Items{"1", "6", "9"}));
}

void WindowTest::wholeMeasurementByKeyboard() {
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    const auto key = [](Qt::Key pressed, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), pressed, modifiers);
    };
    // Choose 2, 5, 7 as the weights, then measure 7 - 2 + 5 on them.
    for (int i = 0; i < 7; ++i)
        key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), drive_->mode(0));
    key(Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), drive_->mode(1));
    key(Qt::Key_Space);
    QVERIFY(drive_->mode(1)->isChecked());
    // The mode buttons are now disabled; the focus moves on to the values.
    QCOMPARE(QApplication::focusWidget(), drive_->list(3));
    for (Qt::Key digit : {Qt::Key_2, Qt::Key_5, Qt::Key_7})
        key(digit);
    QCOMPARE(drive_->items(4), (Items{"2", "5", "7"}));
    key(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), drive_->mode(1));
    key(Qt::Key_Up);
    QVERIFY(drive_->mode(0)->isChecked());
    QCOMPARE(drive_->items(0), (Items{"2", "5", "7"}));

    key(Qt::Key_Tab); // the instructions
    key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), drive_->list(0));
    key(Qt::Key_End);
    key(Qt::Key_Tab); // the result
    key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), drive_->list(1));
    key(Qt::Key_Down);
    key(Qt::Key_Tab, Qt::ShiftModifier);
    key(Qt::Key_Tab, Qt::ShiftModifier);
    key(Qt::Key_Home);
    QCOMPARE(drive_->items(2), (Items{"7", "-2", "5"}));
    for (int i = 0; i < 5; ++i)
        key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), drive_->button(0));
    key(Qt::Key_Space);
    QCOMPARE(drive_->result(), QStringLiteral("7 - 2 + 5 = 10"));
}

void WindowTest::geometry_data() {
    QTest::addColumn<QRect>("expected");
    for (const ControlFace& designed : face().controls)
        QTest::newRow(designed.name.c_str()) << qtRect(pixels(designed.control.twips));
}

// Each widget where the presentation places its control, in logical pixels.
void WindowTest::geometry() {
    QFETCH(QRect, expected);
    QCOMPARE(control(QString::fromLatin1(QTest::currentDataTag()))->geometry(), expected);
}

void WindowTest::colours_data() {
    // Points in window coordinates clear of any text or border.
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");
    const QColor caption(255, 192, 128);
    QTest::newRow("window") << QPoint(5, 5) << QColor(192, 192, 255);
    QTest::newRow("Label1(0)") << QPoint(66, 22) << caption;
    QTest::newRow("Label1(1)") << QPoint(17, 54) << caption;
    QTest::newRow("Label1(2)") << QPoint(360, 54) << caption;
    QTest::newRow("Label1(3)") << QPoint(114, 206) << caption;
    QTest::newRow("Frame1") << QPoint(380, 93) << QColor(192, 192, 255);
    QTest::newRow("Option1(0)") << QPoint(376 + 8 + 86, 56 + 16 + 10) << QColor(255, 192, 255);
    QTest::newRow("Option1(1)") << QPoint(376 + 8 + 86, 56 + 40 + 10) << QColor(255, 192, 255);
    QTest::newRow("Command1(0)") << QPoint(8 + 4, 184 + 12) << QColor(128, 255, 128);
    QTest::newRow("Command1(1)") << QPoint(8 + 4, 216 + 12) << QColor(255, 128, 128);
}

void WindowTest::colours() {
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    const QImage shot = window_->grab().toImage();
    QCOMPARE(QColor(shot.pixel(at)), colour);
}

void WindowTest::windowIsFixedWithItsCaptionAndFont() {
    QCOMPARE(window_->size(), QSize(494, 345));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    const Qt::WindowFlags flags = window_->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QCOMPARE(window_->windowTitle(), QStringLiteral("Философия - Логика, везна и тежести"));
    QVERIFY(!window_->windowIcon().isNull());
    for (const char* name : {"Label1(0)", "List1(0)", "Text1(0)", "Command1(0)", "Option1(0)"}) {
        const QFont font = control(QString::fromLatin1(name))->font();
        QCOMPARE(font.family(), QStringLiteral("Times New Roman"));
        QCOMPARE(font.pointSize(), 12);
        QCOMPARE(font.weight(), QFont::Normal);
        QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
    }
    // The serif face that stands in for it must have the Cyrillic letters.
    const QFontInfo shown(control("Label1(0)")->font());
    QVERIFY2(QFontMetrics(control("Label1(0)")->font()).inFont(QChar(0x0436)),
             qPrintable(shown.family()));
    QCOMPARE(shown.pixelSize(), 16);
    const auto* picture = drive_->control<QLabel>(QStringLiteral("Picture1"));
    QCOMPARE(picture->pixmap().deviceIndependentSize(), QSizeF(195, 133));
    QCOMPARE(picture->contentsRect().size(), QSize(195, 133));
}

void WindowTest::textsAreShownWholeAndReadOnly() {
    auto* shown = drive_->control<QPlainTextEdit>(QStringLiteral("Text1(0)"));
    const QString instructions = qtText(face()[{ControlArray::Text1, 0}].text.shown);
    QCOMPARE(shown->toPlainText(), instructions);
    QCOMPARE(instructions.size(), 2057 - 30);
    QVERIFY(shown->isReadOnly());
    QCOMPARE(shown->verticalScrollBar()->value(), 0);
    QVERIFY(shown->verticalScrollBar()->maximum() > 0);
    QCOMPARE(shown->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(shown->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    shown->setFocus();
    QTest::keyClicks(shown, QStringLiteral("x"));
    QCOMPARE(shown->toPlainText(), instructions);
    QCOMPARE(drive_->control<QPlainTextEdit>(QStringLiteral("Text1(1)"))->toPlainText(),
             QStringLiteral("Неприятното в това да си първият, направил нещо по \n"
                            "правилния начин, е, че никой не оценява колко трудно е \nбило. \n"));
    auto* result = drive_->control<QLineEdit>(QStringLiteral("Text2(0)"));
    QVERIFY(result->isReadOnly());
    QCOMPARE(result->alignment(), Qt::AlignCenter);
}

// A screen reader reads a list's items after its name as it takes focus, and
// the result box in words; the screen shows the signs as they are.
void WindowTest::screenReaderReadsListsAndResultInWords() {
    // Its name once: Orca 48 reads the help text too, which Qt makes the name.
    QAccessibleInterface* pan = QAccessible::queryAccessibleInterface(drive_->list(0));
    QCOMPARE(pan->text(QAccessible::Name), QStringLiteral("Ляво"));
    QCOMPARE(pan->text(QAccessible::Help), QString());
    QCOMPARE(pan->childCount(), 3);
    QCOMPARE(pan->child(2)->text(QAccessible::Name), QStringLiteral("9"));
    QCOMPARE(pan->child(2)->parent(), pan);
    QCOMPARE(drive_->list(0)->accessibleDescription(), QStringLiteral("1, 6 и 9"));
    QCOMPARE(drive_->list(2)->accessibleDescription(), QStringLiteral("празен"));
    drive_->clickItem(1, "6");
    drive_->clickItem(0, "9");
    QCOMPARE(drive_->list(0)->accessibleDescription(), QStringLiteral("1"));
    QCOMPARE(drive_->list(2)->accessibleDescription(), QStringLiteral("минус 6 и 9"));
    QCOMPARE(
        QAccessible::queryAccessibleInterface(drive_->list(2))->child(0)->text(QAccessible::Name),
        QStringLiteral("минус 6"));
    drive_->press(0);
    QCOMPARE(drive_->result(), QStringLiteral("-6 + 9 = 3"));

    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(control("Text2(0)"));
    const QString words = QStringLiteral("минус 6 плюс 9 равно на 3");
    QCOMPARE(box->text(QAccessible::Value), words);
    QAccessibleTextInterface* text = box->textInterface();
    QCOMPARE(text->text(0, text->characterCount()), words);
    // The words stand where their signs are shown: "плюс" over the "+".
    const auto plusAt = static_cast<int>(words.indexOf(QStringLiteral("плюс")));
    const QRect plus = text->characterRect(plusAt);
    const QRect nine = text->characterRect(static_cast<int>(words.indexOf(u'9')));
    QVERIFY2(plus.right() < nine.left(),
             qPrintable(QStringLiteral("%1 %2").arg(plus.x()).arg(nine.x())));
    // By character, the caret on a sign or a digit reads it whole.
    int start = 0, end = 0;
    QCOMPARE(text->textAtOffset(plusAt + 2, QAccessible::CharBoundary, &start, &end),
             QStringLiteral("плюс"));
    drive_->control<QLineEdit>("Text2(0)")->setCursorPosition(1);
    QCOMPARE(text->textAtOffset(text->cursorPosition(), QAccessible::CharBoundary, &start, &end),
             QStringLiteral("6"));

    // The title and the instructions are read for the ear too; the screen
    // shows them as they are.
    QCOMPARE(QAccessible::queryAccessibleInterface(control("Label1(0)"))->text(QAccessible::Name),
             QStringLiteral("Логика, везна и комбинации от тежести "));
    QAccessibleInterface* instructions = QAccessible::queryAccessibleInterface(control("Text1(0)"));
    QCOMPARE(instructions->text(QAccessible::Name), QStringLiteral("Условие на задачата"));
    QAccessibleTextInterface* prose = instructions->textInterface();
    const QString read = prose->text(0, prose->characterCount());
    for (const char* mark : {"[1..10]", "a1+a2", "a1,a2", "- условно"})
        QVERIFY2(!read.contains(QLatin1String(mark)), mark);
    QVERIFY(read.contains(QStringLiteral("от интервала от 1 до 10.")));
    QVERIFY(read.contains(QStringLiteral("14.  Предмет с тегло,  a1 плюс a2 минус a3,")));
    // On focus a reader reads the first line as the screen shows it, and
    // finds each word where its sign is.
    QCOMPARE(prose->cursorPosition(), 0);
    const QString firstLine =
        prose->textAtOffset(0, QAccessible::LineBoundary, &start, &end).trimmed();
    QVERIFY2(firstLine.startsWith(QStringLiteral("Имате везна с 2 блюда")) && firstLine.size() < 80,
             qPrintable(firstLine));
    const auto range = static_cast<int>(read.indexOf(QStringLiteral("от 1 до 10")));
    const QRect from = prose->characterRect(range);
    QVERIFY(!from.isEmpty());
    QCOMPARE(prose->offsetAtPoint(from.center()), range);
}

// F2 says the whole state without moving the focus, again on every press;
// F1 opens the help over the window, and Escape closes it, giving the focus
// back to the control it came from. Neither changes the exercise.
void WindowTest::wholeStateAndHelpOnAKey() {
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QSignalSpy said(window_.get(), &Kvelmor::announced);
    drive_->clickItem(0, "9");
    drive_->clickItem(1, "6");
    drive_->clickItem(0, "1");
    drive_->press(0);
    QListWidget* placed = drive_->list(2);
    placed->setFocus();
    const FormState before = window_->state();
    const QString whole = QStringLiteral("В лявото блюдо са 9 и 1, в дясното е 6. Няма тежести за "
                                         "поставяне. 9 минус 6 плюс 1 е равно на 4.");
    for (int press = 1; press <= 2; ++press) {
        said.clear();
        QTest::keyClick(placed, Qt::Key_F2);
        QCOMPARE(said.count(), 1);
        QCOMPARE(said.front().front().toString(), whole);
    }
    QCOMPARE(QApplication::focusWidget(), placed);

    QPointer<HelpDialog> help;
    bool checked = false;
    QTimer::singleShot(0, this, [&] {
        help = qobject_cast<HelpDialog*>(QApplication::activeModalWidget());
        QVERIFY(help);
        // Closed whatever fails here, so that the test goes on.
        const auto close = qScopeGuard([&] {
            if (help)
                help->reject();
        });
        QCOMPARE(help->windowTitle(), QStringLiteral("Помощ"));
        QCOMPARE(help->rows()->count(), static_cast<int>(face().help.size()));
        QCOMPARE(help->rows()->item(6)->text(),
                 QStringLiteral("F2 — казва цялото състояние на упражнението"));
        // Read whole as it opens, after its name: its rows' sentences, in order.
        QAccessibleInterface* rows = QAccessible::queryAccessibleInterface(help->rows());
        QCOMPARE(rows->text(QAccessible::Name), QStringLiteral("Помощ"));
        // Nothing that says the name once more after the rows.
        QCOMPARE(rows->text(QAccessible::Help), QString());
        QCOMPARE(rows->child(0)->text(QAccessible::Name),
                 QStringLiteral(
                     "Tab и Shift Tab преминават към следващата или към предишната контрола."));
        QStringList sentences;
        for (int row = 0; row < rows->childCount(); ++row)
            sentences << rows->child(row)->text(QAccessible::Name);
        QCOMPARE(rows->text(QAccessible::Description), sentences.join(u' '));
        // Every row shows whole, with nothing to scroll, and the help on the screen.
        for (int row = 0; row < help->rows()->count(); ++row) {
            const QRect place = help->rows()->visualItemRect(help->rows()->item(row));
            QVERIFY2(help->rows()->viewport()->rect().contains(place),
                     qPrintable(QString::number(row)));
        }
        QVERIFY(help->screen()->availableGeometry().contains(help->frameGeometry()));
        const QRect shown = help->frameGeometry();
        const QPoint off = shown.center() - window_->frameGeometry().center();
        QVERIFY2(off.manhattanLength() <= 2,
                 qPrintable(QStringLiteral("%1,%2").arg(off.x()).arg(off.y())));
        QCOMPARE(help->focusWidget(), help->rows());
        QTest::keyClick(help->rows(), Qt::Key_Down);
        QTest::keyClick(help->rows(), Qt::Key_Escape);
        checked = true;
    });
    QTest::keyClick(placed, Qt::Key_F1);
    QVERIFY(checked);
    QVERIFY(!help);
    QTRY_COMPARE(QApplication::focusWidget(), placed);
    QCOMPARE(window_->state(), before);
    QCOMPARE(handlers_->count(), 4);
}

QTEST_MAIN(WindowTest)
#include "window_test.moc"
