// A window with one button and nothing else: the floor under the program's
// own start-up and end on this machine. Esc closes it, as it closes the
// program's main window.

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace {

class Knapp : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Escape)
            close();
        else
            QPushButton::keyPressEvent(event);
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Knapp knapp(QStringLiteral("Varmiko"));
    knapp.show();
    return app.exec();
}
