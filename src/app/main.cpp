#include "app/programentry.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    avslutaProcessen(varmikoMain(app));
}
