// The program's start, as main does it, ending at the window's first paint.
#include "first_paint.h"
#include "kvelmor.h"
#include "application.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    prepareApplication(app);
    Kvelmor window;
    QuitOnFirstPaint quit;
    window.installEventFilter(&quit);
    window.show();
    return app.exec();
}
