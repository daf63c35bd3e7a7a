// A window with one button and nothing else: the floor under the program's
// own start-up on this machine.

#include <QApplication>
#include <QPushButton>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QPushButton knapp(QStringLiteral("Varmiko"));
    knapp.show();
    return app.exec();
}
