// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "help_dialog.h"

#include "application.h"
#include "qt_face.h"
#include "view.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// Room above and below each row's lines.
constexpr int rowPadding = 3;

} // namespace

HelpDialog::HelpDialog(QWidget* window) : QDialog(window), rows_(new HelpRows(this)) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(qtText(face().helpTitle));
    setFont(windowFont());
    // Read whole as the help opens, after the list's name; the arrows then
    // read one row at a time.
    QStringList sentences;
    for (const HelpRow& row : face().help)
        sentences << qtText(row.spoken);
    rows_->setAccessibleDescription(sentences.join(u' '));
    rows_->setWordWrap(true);
    rows_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rows_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* close = new QDialogButtonBox(this);
    close->addButton(qtText(face().helpClose), QDialogButtonBox::RejectRole);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rows_);
    layout->addWidget(close);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // As wide as the window, each row as tall as its wrapped lines, and the
    // list as tall as all of them, so that every row shows whole.
    const int width =
        window->width() - layout->contentsMargins().left() - layout->contentsMargins().right();
    const int textWidth = width - 2 * rows_->frameWidth() - 2 * rowPadding;
    // The rows' text is drawn within the style's margin on either side, so
    // it is wrapped to that width.
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, rows_) + 1;
    const QFontMetrics metrics(font());
    int height = 2 * rows_->frameWidth();
    for (const HelpRow& row : face().help) {
        auto* item = new QListWidgetItem(qtText(row.line()), rows_);
        item->setData(Qt::AccessibleTextRole, qtText(row.spoken));
        const QRect lines = metrics.boundingRect(QRect(0, 0, textWidth - 2 * margin, 0),
                                                 Qt::TextWordWrap, item->text());
        item->setSizeHint(QSize(textWidth, lines.height() + 2 * rowPadding));
        height += item->sizeHint().height();
    }
    rows_->setFixedSize(width, height);
    rows_->setFocus();
}
