#include "look.h"

#include <QApplication>
#include <QStyleFactory>

void applyLook(QApplication& app) {
    // Fusion turns a button's colour into a gradient; the Windows style
    // fills the face with the palette colour itself.
    app.setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    app.setFont(windowFont());
}

QFont windowFont() {
    QFont font(QStringLiteral("Times New Roman"), 12);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::Serif);
    return font;
}
