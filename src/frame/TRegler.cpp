#include "frame/TRegler.h"
#include "frame/scale.h"

#include "frame/regelsidor.h"
#include "frame/vrsku1.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>

TRegler::TRegler(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Regler"));
    setWindowTitle(QStringLiteral("Regler"));
    const QSize skarm = skarmStorlek();
    resize(skarm);
    setWindowState(Qt::WindowMaximized);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    fyllFarg(Panel1, Qt::yellow);
    Panel1->setGeometry(0, 0, skarm.width(), skarm.height());

    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    WebBrowser1 = new QTextBrowser(Panel1);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));

    Button1 = tillbakaKnapp(Panel1, this);
    Button1->move(30, Button1->y());

    Webregel();
}

void TRegler::Webregel()
{
    // Looked up afresh for every opening: a number without a page must never
    // show the page of an earlier exercise.
    RegelSida = laddaRegelSida(WebBrowser1, Programtal);

    const QSize skarm = skarmStorlek();
    Panel1->setGeometry(5, 2, skarm.width() * 7 / 8, skarm.height() * 7 / 8);
    WebBrowser1->setGeometry(20, 20, Panel1->width() - 40, Panel1->height() - Button1->height() - 40);
    Button1->move(Button1->x(), Panel1->height() - Button1->height() - 10);
}

void TRegler_Visa()
{
    TRegler Regler(QApplication::activeWindow());
    Regler.exec();
}
