#include "drills/grammar/TPassAkt.h"

#include "drills/grammar/panelmus.h"
#include "drills/writing/ArbetsbladsLage.h"
#include "frame/Ovningsrunda.h"
#include "frame/TAster.h"
#include "frame/answercheck.h"
#include "frame/fields.h"
#include "frame/scale.h"
#include "frame/vrsku1.h"
#include "platform/ShapeWidget.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

using namespace Ovningsrunda;

namespace {

const QColor kPanelFarg = bgrFarg(0x00FF80);
const QColor kGul = bgrFarg(0x00FFFF);
const QColor kMaroon = bgrFarg(0x000080);
const QColor kBla = bgrFarg(0xFF0000);
const QColor kGron = bgrFarg(0x008000);

int radHojd(const QWidget *w)
{
    return w->fontMetrics().height();
}

int hogerKant(const QLabel *l)
{
    return l->x() + l->fontMetrics().horizontalAdvance(l->text());
}

} // namespace

TPassAkt::TPassAkt(QWidget *parent)
    : TSKRIV(parent)
{
    setObjectName(QStringLiteral("PassAkt"));
    Panel9 = Panel1;
    Panel9->setObjectName(QStringLiteral("Panel9"));
    // Nothing is typed here: no answer box and no lamp.
    Edit1->hide();
    Edit1->setEnabled(false);
    lampknapp->hide();
    LampShape->hide();
    sattText(InstruktionsLabel, QStringLiteral(" Mit der Maus wählen, bitte. "));

    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(Label4->font());
    textfarg(Label3, kBla);
    textfarg(Label4, kBla);
    textfarg(Label5, kGron);
    textfarg(Label6, kBla);

    byggAlternativ();
}

TPassAkt::~TPassAkt() = default;

void TPassAkt::byggAlternativ()
{
    Alternativrad = new QFrame(this);
    Alternativrad->setObjectName(QStringLiteral("Panel1"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(qMax(1, 16 * Skalning / 100));
    f.setBold(true);
    const int h = qMax(skala(25), QFontMetrics(f).height() + 4);
    for (int k = 1; k <= PassAktPaneler; ++k) {
        auto *p = new QLabel(Alternativrad);
        p->setObjectName(QStringLiteral("Panel%1").arg(k + 1));
        p->setFont(f);
        p->setAlignment(Qt::AlignCenter);
        p->setAutoFillBackground(true);
        p->setMouseTracking(true);
        p->resize(skala(40), h);
        p->installEventFilter(this);
        p->hide();
        AlternativPanel[k] = p;
    }
    Alternativrad->resize(skala(40), h);
    Alternativrad->hide();
    markera(0);
}

void TPassAkt::markera(int k)
{
    for (int i = 1; i <= PassAktPaneler; ++i) {
        QLabel *p = AlternativPanel[i];
        QPalette pal = p->palette();
        pal.setColor(QPalette::Window, i == k ? kGul : kPanelFarg);
        pal.setColor(QPalette::WindowText, kMaroon);
        p->setPalette(pal);
        p->setFrameStyle(QFrame::Panel | (i == k ? QFrame::Sunken : QFrame::Raised));
        p->setLineWidth(2);
    }
}

bool TPassAkt::HarMarkering(const QString &mening)
{
    return mening.contains(QLatin1Char('<'));
}

QString TPassAkt::fragaFalt() const
{
    return postFalt(1);
}

QString TPassAkt::svarFalt() const
{
    return postFalt(2);
}

quint16 TPassAkt::kontrollera(const QString &svar) const
{
    // The panel shows the answer cut to its length; that is what is clicked.
    return svarstest(passAktRattSvar(), svar, 1);
}

void TPassAkt::raknaLedtradar()
{
    AntalLedtradar = 0;
}

QString TPassAkt::regelknappText() const
{
    return QStringLiteral("&Regler");
}

void TPassAkt::efterSkapandet()
{
    UtskriftRubrik = ArbetsbladsLage::avsnittsRubrik();
    SvenskaKnappar = 1;
    Button1->setText(QStringLiteral("&Rätta felen"));
    Button2->setText(QStringLiteral("&Fortsätta"));
    Button3->setText(QStringLiteral("&Avbryt"));
    BitBtn1->setText(QStringLiteral("&Inställningar"));
    if (OvningsLage == Arbetsblad)
        Label4->setVisible(!Label4->text().isEmpty());
}

void TPassAkt::visaFragan()
{
    FrageLabel1->hide();
    FrageLabel2->hide();
    Label7->hide();
    Label3->clear();
    Label3->hide();

    const int vanster = OverskriftYtterShape->x();
    InstruktionsLabel->move(vanster, OverskriftYtterShape->y() + OverskriftYtterShape->height()
                                         + radHojd(InstruktionsLabel) / 2);
    Label3->move(vanster, Label3->y());

    const QString mening = postFalt(1);
    dela_mening(vanster, width() - Aster1->width() - 2 * Marginal, mening, 2, Label4->font());
    const QString rad1 = MeningsRader[1];
    const QString rad2 = MeningsRader[2];
    const int h = radHojd(Label4);
    const int topp1 = InstruktionsLabel->y() + 4 * radHojd(InstruktionsLabel);
    const int topp2 = topp1 + 3 * h / 2;
    int sistaTopp = rad2.isEmpty() ? topp1 : topp2;

    auto rad = [&](QLabel *l, const QString &text, int x, int y) {
        sattText(l, text);
        l->move(x, y);
        l->show();
    };
    if (HarMarkering(mening)) {
        const bool forstaRaden = HarMarkering(rad1) || rad2.isEmpty();
        const int toppMark = forstaRaden ? topp1 : topp2;
        LetaPrep(forstaRaden ? rad1 : rad2);
        rad(Label4, PrepDelar[1], vanster, toppMark);
        rad(Label5, PrepDelar[2], hogerKant(Label4), toppMark);
        rad(Label6, PrepDelar[3], hogerKant(Label5), toppMark);
        if (!rad2.isEmpty())
            rad(Label3, forstaRaden ? rad2 : rad1, vanster, forstaRaden ? topp2 : topp1);
    } else {
        Label5->hide();
        Label6->hide();
        if (rad2.isEmpty()) {
            rad(Label3, rad1, vanster, topp1);
        } else {
            rad(Label4, rad1, vanster, topp1);
            rad(Label3, rad2, vanster, topp2);
        }
    }

    // The options, sorted: the right answer's place depends on the alphabet.
    const QList<QString> alt = passAktAlternativ();
    AntalPassAktAlternativ = qint32(alt.size());
    for (int k = 1; k <= 8; ++k)
        PassAktAlternativ[k] = k <= alt.size() ? alt[k - 1] : QString();
    const QFontMetrics fm = AlternativPanel[1]->fontMetrics();
    QList<int> bredder;
    for (const QString &a : alt)
        bredder.append(fm.horizontalAdvance(a));
    const PassAktLayout l = passAktLayout(bredder, Marginal);
    for (int k = 1; k <= PassAktPaneler; ++k) {
        QLabel *p = AlternativPanel[k];
        if (k > AntalPassAktAlternativ) {
            PanelBredd[k] = 0;
            PanelVanster[k] = 0;
            p->hide();
            continue;
        }
        PanelBredd[k] = l.bredd[k - 1];
        PanelVanster[k] = l.vanster[k - 1];
        p->setText(PassAktAlternativ[k]);
        p->setGeometry(PanelVanster[k], 0, PanelBredd[k], p->height());
        p->show();
    }
    Alternativrad->setGeometry(vanster, sistaTopp + 3 * h / 2, l.radBredd, AlternativPanel[1]->height());
    markera(1);
    Alternativrad->show();
    Alternativrad->raise();

    efterCykeln();
    setFocus(); // keys reach the window: Space, Esc
}

void TPassAkt::efterCykeln()
{
    // Options take an answer only while an item is asked: never during the
    // correction, under the pause panel or after the round.
    Alternativrad->setEnabled(svarTas());
}

void TPassAkt::RaettTest(int panel, int knapp)
{
    const int k = panel - 1;
    if (k < 1 || k > AntalPassAktAlternativ || !svarTas())
        return;
    if (knapp == 1) {
        avbrytRundan();
        return;
    }
    setFocus();
    bedomSvaret(kontrollera(PassAktAlternativ[k]));
}

void TPassAkt::visaRattelse()
{
    // The right option stands out until the next item.
    const QString ratt = passAktRattSvar();
    int k = 0;
    for (int i = 1; i <= AntalPassAktAlternativ && k == 0; ++i)
        if (PassAktAlternativ[i] == ratt)
            k = i;
    markera(k);
}

void TPassAkt::PanelMouseMove(int panel)
{
    const int k = panel - 1;
    if (k < 1 || k > AntalPassAktAlternativ || !svarTas())
        return;
    markera(k);
}

void TPassAkt::Avslutning()
{
    TSKRIV::Avslutning();
    // the round is over: nothing to answer until the next one
    Alternativrad->hide();
}

void TPassAkt::arbetsbladStart()
{
    TSKRIV::arbetsbladStart();
    Aster1->hide();
    regelknapp->hide();
    const QRect g = SkrivutHelaPanelen->geometry();
    SkrivutHelaPanelen->setGeometry(10, g.y(), width() - 20, g.height());
}

QList<TUtskrift::Rad> TPassAkt::arbetsbladAvsnitt()
{
    ++UtskriftAvsnitt;
    UtskriftRubrik = ArbetsbladsLage::avsnittsRubrik();
    const QString rubrik = QString::number(UtskriftAvsnitt) + QStringLiteral(".  ") + UtskriftRubrik;
    QList<TUtskrift::Rad> rader{{TUtskrift::RadKlass::Rubrik, rubrik, rubrik}};
    if (!UtskriftInstruktion.isEmpty()) {
        const QString instruktion = QString(6, QLatin1Char(' ')) + UtskriftInstruktion;
        rader.append({TUtskrift::RadKlass::Fortsattning, instruktion, instruktion});
    }
    return rader;
}

QList<TUtskrift::Rad> TPassAkt::arbetsbladUppgift(const QString &prefix, bool)
{
    const QString falt2 = postFalt(2);
    dela_mening(20, 700, postFalt(1), 2);
    const QString forsta = prefix + MeningsRader[1];
    QList<TUtskrift::Rad> rader{{TUtskrift::RadKlass::Uppgift, forsta, forsta}};
    if (!MeningsRader[2].isEmpty()) {
        const QString andra = QString(7, QLatin1Char(' ')) + MeningsRader[2];
        rader.append({TUtskrift::RadKlass::Fortsattning, andra, andra});
    }
    rader.append({TUtskrift::RadKlass::Fortsattning, ArbetsbladsLage::skrivLinje(28),
                  QString(7, QLatin1Char(' ')) + TolkaForkortning(falt2, true)});
    return rader;
}

void TPassAkt::arbetsbladNastaPost()
{
    TSKRIV::arbetsbladNastaPost();
    Label4->setVisible(!Label4->text().isEmpty());
}

void TPassAkt::mousePressEvent(QMouseEvent *e)
{
    e->accept();
    if (e->button() == Qt::RightButton && OvningsLage != Arbetsblad)
        avbrytRundan();
}

bool TPassAkt::eventFilter(QObject *o, QEvent *e)
{
    if (const int panel = panelNummer(o, AlternativPanel);
        panel && panelMus(e, panel, [this](int n) { PanelMouseMove(n); },
                          [this](int n, int knapp) { RaettTest(n, knapp); }))
        return true;
    return TSKRIV::eventFilter(o, e);
}

void TPassAkt_Visa()
{
    TPassAkt w;
    w.FormCreate();
    w.exec();
}
