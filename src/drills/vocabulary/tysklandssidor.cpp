#include "drills/vocabulary/tysklandssidor.h"

#include "frame/pictures.h"
#include "frame/scale.h"
#include "frame/vrsku1.h"
#include "platform/MessageBox.h"
#include "platform/ProgramPath.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

QString kartBildNamn(int skarmBredd)
{
    if (skarmBredd < 800)
        return QStringLiteral("VRSKLAN2.BMP");
    if (skarmBredd < 1024)
        return QStringLiteral("VRSKLAND.BMP");
    return QStringLiteral("VRSKLAN3.BMP");
}

QStringList kartFakta()
{
    return {QStringLiteral("Nationaldag 3 oktober (Tag der Deutschen Einheit, återföreningen 1990)."),
            QStringLiteral("Förbundsdagen sammanträdde första gången 7 september 1949."),
            QStringLiteral("Befolkning: Cirka 83 miljoner. Språk: Tyska."),
            QStringLiteral("Area: 357 000 km². Har gränser till 9 länder.")};
}

QStringList flaggHistoria()
{
    return {QStringLiteral("Tyskland består av ett antal \"länder\", som alla har egna"),
            QStringLiteral("flaggor och vapen, ofta mycket gamla. 1848 blev den nuvarande"),
            QStringLiteral("flaggan Tyska Förbundets flagga. Mellan 1933 och 1945 användes"),
            QStringLiteral("hakkorsflaggan. 1949 blev förbundsflaggan på nytt Tysklands flagga.")};
}

QStringList NationalHymn()
{
    // The whole third verse, eight lines, as it is sung today, with the
    // repeat marks of its last two lines.
    return {QString(),
            QString(),
            QString(),
            QString(),
            QStringLiteral("Einigkeit und Recht und Freiheit"),
            QStringLiteral("für das deutsche Vaterland!"),
            QStringLiteral("Danach lasst uns alle streben"),
            QStringLiteral("brüderlich mit Herz und Hand!"),
            QStringLiteral("Einigkeit und Recht und Freiheit"),
            QStringLiteral("sind des Glückes Unterpfand;"),
            QStringLiteral("/: Blüh im Glanze dieses Glückes,"),
            QStringLiteral("blühe, deutsches Vaterland! :/")};
}

QPixmap laddaSidbild(const QString &namn)
{
    const QString relativ = QStringLiteral("\\BILD\\") + namn;
    QPixmap bild;
    if (!hittaBildFil(relativ).isEmpty())
        bild = laddaBild(relativ);
    if (bild.isNull()) {
        // The path looked in last; an empty root is no root.
        const QString rot = CDPath.trimmed().isEmpty() ? PCPath : CDPath;
        MessageBox::showMessage(QStringLiteral("Filen ") + ProgramPath::normalise(rot + relativ)
                                + QStringLiteral(" finns inte eller är felaktig"));
    }
    return bild;
}

QFrame *avbrytPanel(QWidget *sida, QPushButton **knapp)
{
    QFrame *panel = upphojdPanel(sida, QStringLiteral("AvbrytPanel1"), QColor(0, 0, 255));
    auto *b = new QPushButton(QStringLiteral("&Avbryt"), panel);
    b->setObjectName(QStringLiteral("Button1"));
    b->setAutoDefault(false);
    b->setFont(arial(23, true));
    const QSize s = b->sizeHint() + QSize(40, 10);
    b->setGeometry(8, 8, s.width(), s.height());
    panel->resize(s.width() + 16, s.height() + 16);
    *knapp = b;
    return panel;
}

void sidStart(QDialog *sida, const QString &namn, const QColor &bakgrund)
{
    sida->setObjectName(namn);
    sida->setWindowTitle(QStringLiteral("Varmiko"));
    sida->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    fyllFarg(sida, bakgrund);
    sida->setFont(arial(18));
}

QLabel *sidRubrik(QWidget *sida, const QString &text)
{
    auto *l = new QLabel(text, sida);
    l->setObjectName(QStringLiteral("Label1"));
    l->setFont(arial(47, true));
    textfarg(l, QColor(0, 0, 255));
    l->adjustSize();
    return l;
}

QSize sidanOverSkarmen(QDialog *sida)
{
    const QSize skarm = skarmStorlek();
    sida->resize(skarm);
    sida->setWindowState(Qt::WindowMaximized);
    return skarm;
}
