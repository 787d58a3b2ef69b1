#include "kvelmor.h"
#include "look.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    applyLook(app);
    Kvelmor window;
    window.show();
    return app.exec();
}
