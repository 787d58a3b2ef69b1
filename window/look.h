#pragma once

class QApplication;

// The classic flat look the window is drawn in: controls paint the exact
// colours they are given, with a 3D border and a dotted focus rectangle.
void applyLook(QApplication& app);
