#include "frame/TRegelform.h"

#include "frame/regelsidor.h"
#include "frame/scale.h"
#include "frame/vrsku1.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>

QString RegelformSida;

TRegelform::TRegelform(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Regelform"));
    setWindowTitle(QStringLiteral("Varmiko"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    const QSize skarm = skarmStorlek();
    resize(skarm);
    setWindowState(Qt::WindowMaximized);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    fyllFarg(Panel1, Qt::yellow);

    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    WebBrowser1 = new QTextBrowser(Panel1);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->hide();

    Button1 = tillbakaKnapp(Panel1, this);

    skalaFonster(this);
    // The panel and the button are placed from the screen after scaling.
    // From 100 pixels in to the screen's right edge.
    Panel1->setGeometry(100, 0, skarm.width() - 100, skarm.height());
    Button1->move(30, Button1->y());
    // Loaded once: showing the window does not load the page a second time.
    Webregel();
}

void TRegelform::Webregel()
{
    RegelformSida = laddaRegelSida(WebBrowser1, Programtal);

    WebBrowser1->show();
    WebBrowser1->setGeometry(10, 10, Panel1->width() * 4 / 5, Panel1->height() * 4 / 5);
    Image1->raise();
    WebBrowser1->raise();
    Button1->raise();
    Button1->move(0, WebBrowser1->y() + WebBrowser1->height() + 10);
}

void TRegelform::keyPressEvent(QKeyEvent *e)
{
    // Every key that reaches the window is dropped; Esc closes it.
    if (e->key() == Qt::Key_Escape)
        reject();
    e->accept();
}

void TRegelform_Visa(quint16 programtal)
{
    Programtal = programtal;
    TRegelform Regelform(QApplication::activeWindow());
    Regelform.exec();
}
