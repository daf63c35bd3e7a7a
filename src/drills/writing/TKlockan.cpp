#include "drills/writing/TKlockan.h"

#include "drills/writing/Urtavla.h"
#include "frame/TAster.h"
#include "frame/answercheck.h"
#include "frame/fields.h"
#include "frame/vrsku1.h"
#include "platform/ShapeWidget.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

TKlockan::TKlockan(QWidget *parent)
    : TSKRIV(parent)
{
    setObjectName(QStringLiteral("Klockan"));
    PaintBox1 = new Urtavla(this);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    Button4 = BitBtn1;
    Button4->setObjectName(QStringLiteral("Button4"));
    Button1->setText(QStringLiteral("Fehler &berichtigen"));
    lampknapp->setToolTip(QStringLiteral("Fehleranzeige."));
    // The right answer shows in the label this window calls Label4; the
    // template's own Label4 has no part here.
    Label4->setObjectName(QString());
    Label5->setObjectName(QStringLiteral("Label4"));
}

void TKlockan::LampknappClick()
{
    TSKRIV::LampknappClick();
    // The lamp takes its colour as soon as it is switched on.
    Edit1Change();
}

QString TKlockan::svarFalt() const
{
    return postFalt(1);
}

quint16 TKlockan::kontrollera(const QString &svar) const
{
    return svarstest(rattSvar(), svar, 1);
}

void TKlockan::raknaLedtradar()
{
    AntalLedtradar = 0;
}

void TKlockan::visaFragan()
{
    // From the error queue KlockPost is already the queued item's.
    if (FelRunda == 0)
        KlockPost = SlumpPost;
    FrageLabel1->hide();
    FrageLabel2->hide();
    sattText(Label5, svarFalt());
    PaintBox1->setPost(KlockPost);
}

void TKlockan::efterSkapandet()
{
    const int M = Marginal;
    InstruktionsLabel->hide();

    // The fixed title box: three yellow lines on navy.
    QFont f = Overs1Label->font();
    f.setBold(true);
    f.setPixelSize(qMax(1, skala(32)));
    const QString rader[3] = {QStringLiteral("Wie viel"), QStringLiteral("Uhr ist es?"), QStringLiteral(" Es ist ...")};
    QLabel *etiketter[3] = {Overs1Label, Overs2Label, Overs3Label};
    int bredast = 0;
    for (int i = 0; i < 3; ++i) {
        etiketter[i]->setFont(f);
        sattText(etiketter[i], rader[i]);
        bredast = qMax(bredast, etiketter[i]->width());
    }
    const int rad = Overs1Label->height();
    const int inre = qMax(skala(288), bredast + 2 * M);
    OverskriftYtterShape->setGeometry(skala(26), skala(5), inre + skala(12), 3 * rad + M + skala(10));
    OverskriftInnerShape->setGeometry(skala(32), skala(10), inre, 3 * rad + M);
    for (int i = 0; i < 3; ++i) {
        etiketter[i]->setGeometry(OverskriftInnerShape->x() + M / 2, OverskriftInnerShape->y() + M / 2 + i * rad,
                                  inre - M, rad);
        etiketter[i]->show();
        etiketter[i]->raise();
    }

    // The clock right of the title box, as high as fits above the answer.
    const QScreen *s = QGuiApplication::primaryScreen();
    const QSize skarm = s ? s->geometry().size() : size();
    const int vanster = OverskriftYtterShape->x() + OverskriftYtterShape->width() + 2 * M;
    const int plats = skarm.width() - vanster - Aster1->width() - M - 8;
    const int hojd = qMax(40, qMin((skarm.height() / 48) * 28, plats));
    PaintBox1->setGeometry(vanster, OverskriftYtterShape->y(), hojd + 8, hojd);

    const int under = qMax(OverskriftYtterShape->y() + OverskriftYtterShape->height(),
                           PaintBox1->y() + PaintBox1->height());
    const int x = skala(33);
    // The answer box reaches to the clock's right edge, the lamp included.
    const int hoger = PaintBox1->x() + PaintBox1->width();
    Edit1->setGeometry(x, under + M, qMax(skala(200), hoger - x - lampknapp->width() - M), Edit1->height());
    sattText(Label5, Label5->text());
    Label5->move(x, Edit1->y() + Edit1->height() + Label5->height() / 3);
    lampknapp->move(Edit1->x() + Edit1->width() + M, Edit1->y() + (Edit1->height() - lampknapp->height()) / 2);
    LampShape->setGeometry(lampknapp->geometry());
    LampShape->hide();

    Panel1->resize((skarm.width() / 64) * 63, Panel1->height());
}

void TKlockan::Avslutning()
{
    Edit1->hide();
    Label5->hide();
    TSKRIV::Avslutning();
    // Without a praise text the praise box stays away.
    if (LovordLabel1->text().isEmpty())
        LovordPanel->hide();
}

bool TKlockan::eventFilter(QObject *o, QEvent *e)
{
    // No Alt+S or Ctrl+S for "ß" here; the paste menu offers it.
    if (o == Edit1 && e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->key() == Qt::Key_S && (k->modifiers() & (Qt::AltModifier | Qt::ControlModifier)))
            return true;
    }
    return TSKRIV::eventFilter(o, e);
}

void TKlockan_Visa()
{
    TKlockan w;
    w.FormCreate();
    w.exec();
}
