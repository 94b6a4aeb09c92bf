#include <QApplication>

#include "ui/MarovixApplication.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return marovix::runMarovix(marovix::programOptions(argc, argv));
}
