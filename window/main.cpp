// Kestrivo: opens the estimation window and runs until it is closed.
#include <QApplication>

#include "form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Form1 window;
    window.show();
    return QApplication::exec();
}
