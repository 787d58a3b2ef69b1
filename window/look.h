#pragma once

#include <QFont>

class QApplication;

// The classic flat look the window is drawn in: controls paint the exact
// colours they are given, with a 3D border and a dotted focus rectangle.
void applyLook(QApplication& app);

// Times New Roman, 12 points, regular: the font of the window and of every
// control. Where it is missing, fontconfig gives a metric-compatible serif.
QFont windowFont();
