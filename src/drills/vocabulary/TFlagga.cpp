#include "drills/vocabulary/TFlagga.h"

#include "drills/vocabulary/tysklandssidor.h"
#include "frame/scale.h"
#include "frame/vrsku1.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

TFlagga::TFlagga(QWidget *parent)
    : QDialog(parent)
{
    sidStart(this, QStringLiteral("Flagga"), Qt::white);
    Label1 = sidRubrik(this, QStringLiteral("Tysklands flagga"));
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    const QStringList historia = flaggHistoria();
    const char *namn[] = {"FlagLabel1", "Flaglabel2", "Flaglabel3", "FlagLabel4"};
    QFont rad(QStringLiteral("Arial"));
    rad.setPixelSize(23);
    rad.setBold(true);
    for (int i = 0; i < 4; ++i) {
        FlagLabel[i] = new QLabel(historia[i], this);
        FlagLabel[i]->setObjectName(QLatin1String(namn[i]));
        FlagLabel[i]->setFont(rad);
        textfarg(FlagLabel[i], QColor(0, 0, 128));
    }
    AvbrytPanel1 = avbrytPanel(this, &Button1);
    connect(Button1, &QPushButton::clicked, this, &TFlagga::Button1Click);

    FormCreate();
}

void TFlagga::FormCreate()
{
    const QSize skarm = sidanOverSkarmen(this);
    const int W = skarm.width();
    const int H = skarm.height();

    Label1->move((W / 2 - Label1->width()) / 2 + W / 3, Marginal / 2);
    if (Skalning > 90 && Skalning < 110)
        for (QLabel *l : FlagLabel) {
            QFont f = l->font();
            f.setPointSize(12);
            l->setFont(f);
        }
    for (QLabel *l : FlagLabel)
        l->adjustSize();

    // The picture at its own size; on a screen too low for it, the lines
    // under it and the close button, it is drawn smaller.
    QPixmap flagga = laddaSidbild(QStringLiteral("VRSK_FL.BMP"));
    const int bildTopp = Label1->y() + Label1->height() / 2;
    const int h = FlagLabel[0]->height();
    const int raderna = h / 3 + 3 * ((h * 3) / 2) + h;
    const int rum = H - (AvbrytPanel1->height() * 3) / 2 - Marginal / 2 - raderna - bildTopp;
    if (!flagga.isNull() && flagga.height() > rum && rum > 0)
        flagga = flagga.scaledToHeight(rum, Qt::SmoothTransformation);
    Image1->setPixmap(flagga);
    Image1->resize(flagga.size());
    Image1->move((W - Image1->width()) / 2, bildTopp);
    Label1->raise();
    int top = Image1->y() + Image1->height() + FlagLabel[0]->height() / 3;
    for (QLabel *l : FlagLabel) {
        l->move((W - l->width()) / 2, top);
        top += (FlagLabel[0]->height() * 3) / 2;
    }
    AvbrytPanel1->move((W - AvbrytPanel1->width()) / 2, H - (AvbrytPanel1->height() * 3) / 2);
    Button1->setFocus();
}

void TFlagga::Button1Click()
{
    reject();
}

void TFlagga_Visa()
{
    TFlagga Flagga(QApplication::activeWindow());
    Flagga.exec();
}
