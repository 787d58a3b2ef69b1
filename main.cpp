#include "application.h"
#include "kvelmor.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    prepareApplication(app);
    Kvelmor window;
    window.show();
    return app.exec();
}
