#include "drills/vocabulary/THymn.h"

#include "drills/vocabulary/tysklandssidor.h"
#include "frame/scale.h"
#include "frame/sound.h"
#include "frame/vrsku1.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace {

// Where KompLabel1 stands before the page lays itself out; the verse is
// placed from here.
constexpr int KompLabel1Topp = 100;

} // namespace

THymn::THymn(QWidget *parent)
    : QDialog(parent)
{
    sidStart(this, QStringLiteral("Hymn"), Qt::white);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Label1 = sidRubrik(this, QStringLiteral("Tysklands nationalsång"));
    Label1->move(0, 8);

    const QString texter[] = {QStringLiteral("DAS LIED DER DEUTSCHEN"),
                              QStringLiteral("Musik: en melodi från 1797"),
                              QStringLiteral("Text: en dikt från 1841"),
                              QStringLiteral("Från 1922 officiell nationalsång. Sedan 1952 sjungs endast"),
                              QStringLiteral("den tredje strofen. Den första strofen förknippas för"),
                              QStringLiteral("mycket med nazismen.")};
    const char *namn[] = {"KompLabel1", "KompLabel2", "KompLabel3", "Komplabel4", "KompLabel5", "KompLabel6"};
    for (int i = 0; i < 6; ++i) {
        KompLabel[i] = new QLabel(texter[i], this);
        KompLabel[i]->setObjectName(QLatin1String(namn[i]));
        KompLabel[i]->setFont(arial(18, true));
        textfarg(KompLabel[i], Qt::black);
        KompLabel[i]->adjustSize();
    }
    KompLabel[0]->move(0, KompLabel1Topp);

    Label2 = new QLabel(QStringLiteral("Einigkeit"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label4 = new QLabel(this);
    Label4->setObjectName(QStringLiteral("Label4"));
    TestLabel = new QLabel(this);
    TestLabel->setObjectName(QStringLiteral("TestLabel"));
    TestLabel->setFont(arial(23, true));
    TestLabel->hide();

    AvbrytPanel1 = avbrytPanel(this, &Button1);
    SpelaPanel1 = new QFrame(this);
    SpelaPanel1->setObjectName(QStringLiteral("SpelaPanel1"));
    SpelaPanel1->setFrameShape(QFrame::Panel);
    SpelaPanel1->setFrameShadow(QFrame::Raised);
    SpelaPanel1->setAutoFillBackground(true);
    SpelaPanel1->setPalette(AvbrytPanel1->palette());
    SpelaPanel1->resize(AvbrytPanel1->size());
    Button2 = new QPushButton(QStringLiteral("&Spela upp"), SpelaPanel1);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button3 = new QPushButton(QStringLiteral("A&vbryt Uppspelning"), SpelaPanel1);
    Button3->setObjectName(QStringLiteral("Button3"));
    // The play and stop buttons lie in the same place, in a panel like the
    // close button's, widened as far as the longer caption needs.
    int bredd = Button1->width();
    for (QPushButton *b : {Button2, Button3}) {
        b->setAutoDefault(false);
        b->setFont(arial(18, true));
        bredd = qMax(bredd, b->sizeHint().width() + 40);
    }
    SpelaPanel1->resize(bredd + 2 * Button1->x(), SpelaPanel1->height());
    for (QPushButton *b : {Button2, Button3}) {
        b->setGeometry(Button1->x(), Button1->y(), bredd, Button1->height());
        passaTexten(b);
    }

    connect(Button1, &QPushButton::clicked, this, &THymn::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &THymn::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &THymn::Button3Click);

    FormCreate();
}

void THymn::FormCreate()
{
    const QSize skarm = sidanOverSkarmen(this);
    const int W = skarm.width();
    const int H = skarm.height();

    m_HymnTopp = KompLabel[0]->y() + 2 * KompLabel[0]->height();
    QFont steg = Label2->font();
    steg.setPointSize(W < 700 ? 14 : 18);
    Label2->setFont(steg);
    Label2->adjustSize();
    m_HymnRadsteg = (Label2->height() * 7) / 6;
    m_HymnSpelas = 0;

    Image1->setGeometry(0, 0, W, H);
    Image1->lower();
    Label2->hide();
    Label3->hide();
    Label4->hide();
    Label1->move((W - Label1->width()) / 2, Label1->y());

    AvbrytPanel1->move(AvbrytPanel1->x(), H - (AvbrytPanel1->height() * 8) / 7);
    SpelaPanel1->move((W - 2 * AvbrytPanel1->width()) / 3, AvbrytPanel1->y());
    AvbrytPanel1->move(((W - 2 * AvbrytPanel1->width()) * 2) / 3 + SpelaPanel1->width(), AvbrytPanel1->y());

    KompLabel[0]->move(Label1->x(), Label1->y() + (Label1->height() * 6) / 5);
    for (int i = 1; i < 6; ++i)
        KompLabel[i]->move(KompLabel[0]->x(), KompLabel[i - 1]->y() + (KompLabel[0]->height() * 6) / 5);

    Button2->show();
    Button3->hide();
    Button2->setEnabled(LjudInst == 1 || LjudInst == 3);

    // The melody lies in LJUD itself.
    LjudFilPrefix.clear();
    NationalHymn();
    SkrivHymnen();
    Button1->setFocus();
}

void THymn::NationalHymn()
{
    m_HymnRader = ::NationalHymn();
}

QPoint THymn::radPlats(int k) const
{
    return QPoint(m_HymnX, m_HymnTopp + (k - 1) * m_HymnRadsteg);
}

void THymn::SkrivHymnen()
{
    const QFontMetrics mat(TestLabel->font());
    int bredast = 0;
    for (const QString &rad : std::as_const(m_HymnRader))
        bredast = qMax(bredast, mat.horizontalAdvance(rad));
    m_HymnX = (Image1->width() - bredast) / 2;

    QPixmap duk(Image1->size());
    duk.fill(Qt::white);
    QPainter p(&duk);
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(14);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0, 0, 128));
    const QFontMetrics fm(f);
    for (int k = 1; k <= m_HymnRader.size(); ++k) {
        const QPoint at = radPlats(k);
        p.drawText(QRect(at, QSize(Image1->width() - at.x(), fm.height())), Qt::AlignLeft | Qt::AlignTop,
                   m_HymnRader[k - 1]);
    }
    p.end();
    Image1->setPixmap(duk);
}

void THymn::Button2Click()
{
    m_HymnSpelas = 1;
    SpelaUppWavLjud(QStringLiteral("VRSKLAND.WAV"));
    Button2->hide();
    Button3->show();
    Button1->setFocus();
}

void THymn::Button3Click()
{
    if (m_HymnSpelas == 1)
        stoppaLjud();
    Button3->hide();
    Button2->show();
}

void THymn::Button1Click()
{
    reject();
}

void THymn::reject()
{
    // Escape, "&Avbryt" and closing from outside all end here.
    if (m_HymnSpelas == 1)
        stoppaLjud();
    QDialog::reject();
}

void THymn_Visa()
{
    THymn Hymn(QApplication::activeWindow());
    Hymn.exec();
}
