#include "look.h"

#include <QApplication>
#include <QStyleFactory>

void applyLook(QApplication& app) {
    // Fusion turns a button's colour into a gradient; the Windows style
    // fills the face with the palette colour itself.
    app.setStyle(QStyleFactory::create(QStringLiteral("Windows")));
}
