#include "drills/vocabulary/TKarta.h"

#include "drills/vocabulary/tysklandssidor.h"
#include "frame/scale.h"
#include "frame/vrsku1.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

TKarta::TKarta(QWidget *parent)
    : QDialog(parent)
{
    sidStart(this, QStringLiteral("Karta"), palette().color(QPalette::Button));
    Label1 = sidRubrik(this, QStringLiteral("Tysklands karta"));
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    const QStringList fakta = kartFakta();
    for (int i = 0; i < 4; ++i) {
        KartLabel[i] = new QLabel(fakta[i], this);
        KartLabel[i]->setObjectName(QStringLiteral("KartLabel%1").arg(i + 1));
        KartLabel[i]->adjustSize();
    }
    AvbrytPanel1 = avbrytPanel(this, &Button1);
    connect(Button1, &QPushButton::clicked, this, &TKarta::Button1Click);

    FormCreate();
}

void TKarta::FormCreate()
{
    const QSize skarm = sidanOverSkarmen(this);
    const int W = skarm.width();
    const int H = skarm.height();

    Label1->move((W - Label1->width()) / 2, Marginal / 2);
    const QPixmap karta = laddaSidbild(kartBildNamn(W));
    Image1->setPixmap(karta);
    Image1->resize(karta.size());
    Image1->move((W - Image1->width()) / 2, Label1->y() + Label1->height());
    Label1->raise();

    int top = Image1->y() + Image1->height() + KartLabel[0]->height() / 3;
    for (QLabel *l : KartLabel) {
        l->move((W - l->width()) / 2, top);
        top += (KartLabel[0]->height() * 4) / 3;
    }
    AvbrytPanel1->move((W - AvbrytPanel1->width()) / 2, H - (AvbrytPanel1->height() * 8) / 7);
    Button1->setFocus();
}

void TKarta::Button1Click()
{
    reject();
}

void TKarta_Visa()
{
    TKarta Karta(QApplication::activeWindow());
    Karta.exec();
}
