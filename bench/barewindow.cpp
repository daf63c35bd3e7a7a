// A window with one button and nothing else: the floor under the program's
// own start-up and end on this machine. Esc closes it, as it closes the
// program's main window. With --full-screen the button stands on a blue
// window shown full screen, as the main window is shown: the floor of a
// window that size.

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

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
    if (app.arguments().contains(QStringLiteral("--full-screen"))) {
        QWidget fonster;
        fonster.setWindowFlags(fonster.windowFlags() | Qt::FramelessWindowHint);
        QPalette p = fonster.palette();
        p.setColor(QPalette::Window, Qt::blue);
        fonster.setPalette(p);
        fonster.setAutoFillBackground(true);
        Knapp knapp(QStringLiteral("Varmiko"), &fonster);
        knapp.move(20, 20);
        knapp.setFocus();
        if (const QScreen *skarm = QGuiApplication::primaryScreen())
            fonster.resize(skarm->geometry().size());
        fonster.showFullScreen();
        return app.exec();
    }
    Knapp knapp(QStringLiteral("Varmiko"));
    knapp.show();
    return app.exec();
}
