#include "drills/grammar/TSats.h"

#include "drills/grammar/NivaRuta.h"
#include "drills/writing/ArbetsbladsLage.h"
#include "frame/Ovningsrunda.h"
#include "frame/TAster.h"
#include "frame/TStallin.h"
#include "frame/datafiles.h"
#include "frame/fields.h"
#include "frame/regelsidor.h"
#include "frame/scale.h"
#include "frame/vrsku1.h"
#include "platform/DesignTimer.h"
#include "platform/MessageBox.h"
#include "platform/ShapeWidget.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

using namespace Ovningsrunda;

const QString TSats::MimeTyp = QStringLiteral("application/x-varmiko-satsdel");

namespace {

const QColor kNavy = bgrFarg(0x800000);
const QColor kMaroon = bgrFarg(0x000080);
const QColor kGreen = bgrFarg(0x008000);
const QColor kLime = bgrFarg(0x00FF00);
const QColor kRed = bgrFarg(0x0000FF);
const QColor kBlue = bgrFarg(0xFF0000);
const QColor kAqua = bgrFarg(0xFFFF00);
const QColor kYellow = bgrFarg(0x00FFFF);

struct Satsdel
{
    const char *kod;
    const char *rubrik1;
    const char *rubrik2;
};

// Code numbers 1..6 in the order the boxes stand.
constexpr Satsdel kSatsdelar[] = {
    {"AO", "Ackusativ-", "objekt"}, {"DO", "Dativ-", "objekt"},     {"P", "Predikat", ""},
    {"PF", "Predikats-", "fyllnad"}, {"S", "Subjekt", ""},          {"NN", "", ""},
};
constexpr int kAntalRutkoder = 5;

// The worksheet captions keep their blanks: they line up the "=" on paper.
const char *const kUtskrift[] = {"Ackusativobjekt  =", "Dativobjekt        =", "Predikat             =",
                                 "Predikatsfyllnad =", "Subjekt               ="};

const char *const kHjalp[] = {"Styr musen till meningen!", "Här kan du klicka med vänster musknapp.",
                              "Håll knappen nedtryckt och dra musen till satsdelsrutan!",
                              "Här kan du släppa upp knappen."};

void fastTextfarg(QWidget *w, const QColor &c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Disabled, QPalette::WindowText, c);
    w->setPalette(p);
}

void bakgrund(QWidget *w, const QColor &c)
{
    QPalette p = w->palette();
    if (c.isValid()) {
        p.setColor(QPalette::Window, c);
        w->setAutoFillBackground(true);
    } else {
        w->setAutoFillBackground(false);
    }
    w->setPalette(p);
}

// The sentence cut at its "<" ">" marks: connecting texts mell[1..6] and
// parts men[1..5]. False when the marks do not pair (a "<" inside a part, a
// ">" outside one, or a part left open). Parts after the fifth stay in the
// sentence as connecting text.
bool delaUpp(const QString &mening, Tabell<QString, 6> &mell, Tabell<QString, 5> &men, int &antal)
{
    for (auto &s : mell)
        s.clear();
    for (auto &s : men)
        s.clear();
    antal = 0;
    bool inne = false;
    QString del;
    for (const QChar c : mening) {
        if (c == QLatin1Char('<')) {
            if (inne)
                return false;
            inne = true;
            del.clear();
        } else if (c == QLatin1Char('>')) {
            if (!inne)
                return false;
            inne = false;
            if (antal < TSats::MaxDelar)
                men[++antal] = del;
            else
                mell[6] += del;
        } else if (inne) {
            del += c;
        } else {
            mell[qMin(antal + 1, 6)] += c;
        }
    }
    return !inne;
}

} // namespace

QString TSats::SatsdelKod(int kod)
{
    return kod >= 1 && kod <= 6 ? QString::fromLatin1(kSatsdelar[kod - 1].kod) : QString();
}

QString TSats::SatsdelRubrik(int kod, int rad)
{
    if (kod < 1 || kod > kAntalRutkoder)
        return {};
    return QString::fromLatin1(rad == 1 ? kSatsdelar[kod - 1].rubrik1 : kSatsdelar[kod - 1].rubrik2);
}

int TSats::kodNummer(const QString &falt)
{
    const QString kod = falt.trimmed().toUpper();
    for (int c = 1; c <= kAntalRutkoder; ++c)
        if (kod == QLatin1String(kSatsdelar[c - 1].kod))
            return c;
    return 0;
}

TSats::TSats(QWidget *parent)
    : TSKRIV(parent)
{
    setObjectName(QStringLiteral("Sats"));
    byggKomponenter();
}

void TSats::byggKomponenter()
{
    // The template's pieces that this window has no use for.
    for (QWidget *w : std::initializer_list<QWidget *>{FrageLabel1, FrageLabel2, InstruktionsLabel, Edit1, Label4,
                                                       Label5, Label6, Label7, Label8, Label9, Label10, Label16,
                                                       lampknapp, LampShape, Helpknapp1, HelpKnapp2, DiagPanel1,
                                                       DiagPanel2})
        w->hide();
    Timer2->setInterval(0);
    setMouseTracking(true);
    setAcceptDrops(true);

    SvenskaKnappar = 1;
    Button1->setText(QStringLiteral("&Rätta felen"));
    Button2->setText(QStringLiteral("&Fortsätta"));
    Button3->setText(QStringLiteral("&Avbryta"));
    BitBtn1->setText(QStringLiteral("&Inställningar"));

    auto etikett = [this](const QString &namn, int px) {
        auto *l = new QLabel(this);
        l->setObjectName(namn);
        l->setFont(skaladArial(px));
        l->setMouseTracking(true);
        fastTextfarg(l, Qt::black);
        return l;
    };
    for (int k = 1; k <= 6; ++k)
        Mell[k] = etikett(QStringLiteral("Mell%1").arg(k), 17);
    for (int k = 1; k <= 10; ++k) {
        Men[k] = etikett(QStringLiteral("Men%1").arg(k), 17);
        Men[k]->hide();
    }
    // The part labels lie on top of their copies and are the ones dragged.
    for (int k = 1; k <= MaxDelar; ++k) {
        Men[k]->installEventFilter(this);
        Men[k]->raise();
    }
    for (int k = 1; k <= 6; ++k)
        Mell[k]->hide();

    static constexpr int rutaX[] = {68, 168, 268, 372, 478};
    for (int k = 1; k <= MaxDelar; ++k) {
        auto *m = new QLabel(this);
        m->setObjectName(QStringLiteral("Memo%1").arg(k));
        m->setFont(skaladArial(13));
        m->setAlignment(Qt::AlignCenter);
        m->setFrameShape(QFrame::Box);
        m->setAcceptDrops(true);
        m->setMouseTracking(true);
        m->installEventFilter(this);
        fastTextfarg(m, Qt::black);
        bakgrund(m, kYellow);
        m->setGeometry(skala(rutaX[k - 1]), 0, skala(85), skala(41));
        m->hide();
        Memo[k] = m;
    }
    Shape1 = new ShapeWidget(ShapeWidget::Form::Circle, this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setBrushColor(kLime);
    Shape1->setGeometry(skala(30), 0, skala(25), skala(25));

    FelPanel = new QFrame(this);
    FelPanel->setObjectName(QStringLiteral("FelPanel"));
    bakgrund(FelPanel, kMaroon);
    auto *fel = new QLabel(QStringLiteral("Fel. Gör ett nytt försök!"), FelPanel);
    fel->setObjectName(QStringLiteral("FelLabel"));
    fel->setFont(skaladArial(17));
    fastTextfarg(fel, kYellow);
    fel->adjustSize();
    FelPanel->resize(fel->width() + 2 * Marginal, fel->height() + Marginal / 2);
    fel->move(Marginal, Marginal / 4);
    FelPanel->hide();

    Label3 = etikett(QStringLiteral("Label3"), 17);
    fastTextfarg(Label3, kGreen);

    NivPanel = new NivaRuta(QStringLiteral("Nivå"), NivaRuta::Siffra::NedreHalvan, Skalning, this);
    NivPanel->hide();

    for (int k = 1; k <= MaxDelar; ++k)
        SatsdelUtskrift[k] = QString::fromLatin1(kUtskrift[k - 1]);
}

void TSats::Inled()
{
    TSKRIV::Inled();
    const int M = Marginal;
    const int H = height();
    BildPanelen->setGeometry(BildPanelen->x(), (H / 48) * 10 - M / 3, BildPanelen->width(),
                             (H / 48) * 35 + M / 3);
    LovordPanel->raise();
    sattText(Label3, QStringLiteral("För musen över meningen."));
    Label3->move(OverskriftYtterShape->x(),
                 OverskriftYtterShape->y() + OverskriftYtterShape->height() + Label3->height());
    RadTopp[1] = Label3->y() + 2 * Label3->height();
    RadTopp[2] = RadTopp[1] + (3 * Label3->height()) / 2;
    RadTopp[3] = RadTopp[2] + (3 * Label3->height()) / 2;
}

void TSats::FormCreate()
{
    Programtal = GeProgramtal(DataFilNamn);
    m_nivaFil = Programtal == 57100 || Programtal == 57200;
    Inled();
    FelPanel->hide();
    FelRunda = 0;
    NivaLage = 0;
    VansterKant = OverskriftYtterShape->x();
    Mell[1]->move(VansterKant, Mell[1]->y());
    NivPanel->move(skala(360), skala(5));
    // The level box stays above the hint line.
    klampaIn(NivPanel, hogerOmRubriken(Label3->y() - Marginal / 4));
    SkrivutOverskriftShape1->hide();
    SkrivutOverskriftShape2->hide();
    SkrivutOverskriftLabel->hide();

    if (OvningsLage == Arbetsblad) {
        RitaNivRutan(false);
        arbetsbladStart();
        RitaUtskriftOverskriftRuta(true);
        regelknapp->hide();
        OverskriftInnerShape->setBrushColor(kMaroon);
        NyStartaAster(false);
    } else {
        RitaUtskriftOverskriftRuta(false);
        SkrivutHelaPanelen->hide();
        RitaNivRutan(true);
        // Only an exercise with a rule page offers the button.
        regelknapp->setText(QStringLiteral("&Regeln"));
        regelknapp->setVisible(!regelSidaFor(Programtal).isEmpty());
        regelknapp->setEnabled(true);
        OverskriftInnerShape->setBrushColor(kNavy);
    }

    bool lasbar = true;
    // There are no levels in worksheet mode: the items of all levels are offered.
    if (m_nivaFil && OvningsLage != Arbetsblad) {
        NivaLage = 1;
        Button1->hide();
        AktuellNiva = 1;
        lasbar = Nivaer.TestaStegreFilen(DataFilNamn);
        NivPanel->sattMaxValue(Nivaer.AntalNivaer);
        NivPanel->sattProgress(1);
        UppgraderaNivRutan(1, 0);
        Nivaer.slumpaAllaNivaer();
        m_senasteHjalp = -1;
    } else {
        m_senasteHjalp = 0;
    }

    if (!OvningsRubrik[1].isEmpty()) {
        RitaOverskriften(OvningsRubrik[1], OvningsRubrik[2], OvningsRubrik[3]);
        UtskriftRubrik = ArbetsbladsLage::avsnittsRubrik();
    }
    // This window's worksheet sections have no instruction line.
    UtskriftInstruktion.clear();

    borja(PosterPerOmgangInst);
    visaCykeln(); // asking: no pause, no bar

    if (NivaLage == 0) {
        if (OvningsLage == Ovning)
            NyStartaAster(true);
        NivPanel->hide();
    } else {
        NyStartaAster(false);
    }
    Shape1->setVisible(OvningsLage != Arbetsblad);
    Label3->setVisible(OvningsLage != Arbetsblad);

    // The box row above the error line, the rules button and the bar.
    const int M = Marginal;
    const int memoTop = height() - Memo[1]->height() - FelPanel->height() - regelknapp->height() - Panel1->height()
                        - 6 * M;
    for (int k = 1; k <= MaxDelar; ++k)
        Memo[k]->move(Memo[k]->x(), memoTop);
    Shape1->move(Shape1->x(), memoTop + (Memo[1]->height() - Shape1->height()) / 2);
    FelPanel->move(Memo[1]->x(), memoTop + Memo[1]->height() + M);
    regelknapp->move(Memo[1]->x(), FelPanel->y() + FelPanel->height() + M);

    if (NivaLage == 1 && Nivaer.AntalNivaer == 0) {
        if (lasbar)
            MessageBox::showMessage(QStringLiteral("Filen ") + DataFilNamn
                                    + QStringLiteral(" finns inte eller är felaktig"));
        m_harPoster = false;
        return;
    }
    NyPost();
    setFocus();
}

void TSats::RitaNivRutan(bool visa)
{
    NivPanel->RitaNivRutan(visa);
}

void TSats::UppgraderaNivRutan(qint32 niva, qint32 rad)
{
    NivPanel->visaNiva(niva, rad);
}

void TSats::RitaUtskriftOverskriftRuta(bool visa)
{
    RitaUtskriftOverskriften(NivPanel->ytterYta(), visa);
}

void TSats::NyPost()
{
    for (int k = 1; k <= 6; ++k) {
        Mell[k]->clear();
        Mell[k]->hide();
        Mell[k]->move(Mell[k]->x(), RadTopp[1]);
    }
    for (int k = 1; k <= 10; ++k) {
        Men[k]->clear();
        Men[k]->hide();
        Men[k]->move(Men[k]->x(), RadTopp[1]);
        fastTextfarg(Men[k], k <= MaxDelar ? kBlue : QColor(Qt::black));
        bakgrund(Men[k], QColor());
    }
    for (int k = 1; k <= MaxDelar; ++k) {
        bakgrund(Memo[k], kYellow);
        m_placerad[k] = false;
    }

    // An item whose sentence cannot be played is passed over (the file is
    // reported once), so that the pupil is never left with parts that no box
    // takes or boxes that no part fills.
    int kvar = NivaLage == 1 ? qMax(1, Nivaer.NivaAntal[AktuellNiva])
                             : qMax(1, ListNummer >= 1 && ListNummer <= MaxListor ? PostAntal[ListNummer] : 1);
    bool spelbar = false;
    QString felaktig;
    while (kvar-- > 0) {
        if (NivaLage == 1) {
            Nivaer.haemtaord(AktuellNiva);
        } else {
            hamtaPost();
            if (OvningsLage == Arbetsblad && m_nivaFil)
                PostRad = NivaFil::utanNiva(dekryptrad(PostRad));
        }
        str_postarray(PostRad);
        spelbar = laggUtPosten();
        if (spelbar || OvningsLage == Arbetsblad)
            break;
        if (felaktig.isEmpty())
            felaktig = postFalt(1);
    }
    if (!felaktig.isEmpty() && !m_felMeddelat) {
        m_felMeddelat = true;
        MessageBox::showMessage(QStringLiteral("Filen ") + DataFilNamn
                                + QStringLiteral(" har en mening som inte kan delas upp: ") + felaktig);
    }

    ForstaForsok = 1;
    AntalPlacerade = 0;
    Shape1->setBrushColor(kLime);
    m_las1 = false;
    m_las2 = false;
    for (int k = 1; k <= MaxDelar; ++k)
        RutaKlar[k] = 0;
    m_senasteFarg = -1;
    AktuellDel = 0;
    m_postKlar = false;
    FelPanel->hide();

    m_cykel.nyPost();
    visaCykeln();
}

// Steps 5..8 of a new item: the sentence in its labels, the boxes of its
// parts. False when the item cannot be played.
bool TSats::laggUtPosten()
{
    Tabell<QString, 6> mell;
    Tabell<QString, 5> men;
    const bool hel = delaUpp(postFalt(1), mell, men, m_antalDelar);
    if (!hel)
        m_antalDelar = 0;
    for (int k = 1; k <= MaxDelar; ++k) {
        DelText[k] = men[k];
        m_delKod[k] = k <= m_antalDelar ? kodNummer(postFalt(k + 1)) : 0;
    }
    if (hel) {
        for (int k = 1; k <= 6; ++k) {
            if (!mell[k].isEmpty()) {
                sattText(Mell[k], mell[k]);
                Mell[k]->show();
            }
        }
        for (int k = 1; k <= m_antalDelar; ++k) {
            if (!men[k].isEmpty()) {
                sattText(Men[k], men[k]);
                Men[k]->show();
            }
        }
        placeraRaderna();
    }

    // Boxes in the fixed order of the codes, whatever the sentence's order.
    AntalRutor = 0;
    for (int k = 1; k <= MaxDelar; ++k) {
        RutaDel[k] = 0;
        RutaKod[k] = 0;
    }
    for (int c = 1; c <= kAntalRutkoder; ++c)
        for (int p = 1; p <= m_antalDelar; ++p)
            if (m_delKod[p] == c && !DelText[p].isEmpty()) {
                ++AntalRutor;
                RutaDel[AntalRutor] = p;
                RutaKod[AntalRutor] = c;
            }
    for (int k = 1; k <= MaxDelar; ++k) {
        Memo[k]->hide();
        Memo[k]->setEnabled(false);
    }
    for (int k = 1; k <= AntalRutor; ++k) {
        const QString rad2 = SatsdelRubrik(RutaKod[k], 2);
        Memo[k]->setText(rad2.isEmpty() ? SatsdelRubrik(RutaKod[k], 1)
                                        : SatsdelRubrik(RutaKod[k], 1) + QLatin1Char('\n') + rad2);
        Memo[k]->show();
    }
    return hel && AntalRutor >= 1;
}

void TSats::placeraRaderna()
{
    const int blank = Mell[1]->fontMetrics().horizontalAdvance(QLatin1Char(' '));
    const int steg = RadTopp[3] - RadTopp[2];
    auto radTopp = [&](int rad) { return rad <= 3 ? RadTopp[rad] : RadTopp[3] + (rad - 3) * steg; };
    QList<QLabel *> ordning;
    for (int k = 1; k <= MaxDelar; ++k) {
        ordning << Mell[k] << Men[k];
    }
    ordning << Mell[6];
    int rad = 1;
    QLabel *forra = nullptr;
    for (QLabel *l : std::as_const(ordning)) {
        if (l->text().isEmpty())
            continue;
        int x = VansterKant;
        if (forra) {
            if (forra->x() + forra->width() < RadBredd) {
                x = forra->x() + forra->width();
            } else {
                // A sentence longer than three rows goes on below in the same steps.
                ++rad;
                const bool del = Men.end() != std::find(Men.begin() + 1, Men.begin() + 1 + MaxDelar, l);
                x = del ? VansterKant : VansterKant - blank;
            }
        }
        l->move(x, radTopp(rad));
        forra = l;
    }
    for (int k = 1; k <= MaxDelar; ++k) {
        QLabel *kopia = Men[k + MaxDelar];
        if (Men[k]->text().isEmpty())
            continue;
        sattText(kopia, Men[k]->text());
        kopia->move(Men[k]->pos());
        kopia->show();
        Men[k]->raise();
    }
}

bool TSats::kanDra() const
{
    return OvningsLage != Arbetsblad && !m_postKlar;
}

int TSats::delAv(const QObject *o) const
{
    for (int k = 1; k <= MaxDelar; ++k)
        if (Men[k] == o)
            return k;
    return 0;
}

int TSats::rutaAv(const QObject *o) const
{
    for (int k = 1; k <= MaxDelar; ++k)
        if (Memo[k] == o)
            return k;
    return 0;
}

QMimeData *TSats::delMimeData(const QLabel *del) const
{
    const int p = delAv(del);
    if (p == 0)
        return nullptr;
    auto *m = new QMimeData;
    m->setData(MimeTyp, QByteArray::number(p));
    m->setText(del->text());
    return m;
}

int TSats::delIMime(const QMimeData *m) const
{
    if (!m || !m->hasFormat(MimeTyp))
        return 0;
    const int p = m->data(MimeTyp).toInt();
    return p >= 1 && p <= MaxDelar ? p : 0;
}

void TSats::Menfarg(int del)
{
    if (del == m_senasteFarg)
        return;
    m_senasteFarg = del;
    for (int k = 1; k <= MaxDelar; ++k)
        bakgrund(Men[k], k == del && !m_placerad[k] ? kAqua : QColor());
    AktuellDel = del;
}

void TSats::Hjalptext(int k)
{
    if (k == m_senasteHjalp || m_las1 || m_las2 || k < 0 || k > 3)
        return;
    m_senasteHjalp = k;
    Label3->setText(QString::fromUtf8(kHjalp[k]));
    Label3->adjustSize();
    Label3->repaint();
    if (k == 2)
        m_las1 = true;
    else if (k == 3)
        m_las2 = true;
}

void TSats::memosenabled(bool pa)
{
    for (int k = 1; k <= AntalRutor; ++k)
        Memo[k]->setEnabled(pa);
}

void TSats::dra(int del)
{
    FelPanel->hide();
    m_las2 = false;
    Hjalptext(2);
    AktuellDel = del;
    memosenabled(true);
    auto *drag = new QDrag(Men[del]);
    drag->setMimeData(delMimeData(Men[del]));
    drag->setPixmap(Men[del]->grab());
    drag->setHotSpot(Men[del]->rect().center());
    drag->exec(Qt::MoveAction);
    memosenabled(false);
    nyttForsokHjalp();
}

void TSats::nyttForsokHjalp()
{
    // The drag is over: its hints no longer hold the line.
    m_las1 = false;
    m_las2 = false;
    Hjalptext(0);
}

bool TSats::slapp(int ruta, int del)
{
    if (!kanDra() || del < 1 || del > MaxDelar || m_placerad[del] || ruta < 1 || ruta > AntalRutor)
        return false;
    AktuellDel = del;
    // A part may go to any free box of its function: two boxes that read
    // alike take either of their parts.
    const bool ratt = RutaKlar[ruta] == 0
                      && (RutaDel[ruta] == del || (m_delKod[del] != 0 && RutaKod[ruta] == m_delKod[del]));
    if (ratt) {
        if (RutaDel[ruta] != del) {
            for (int j = 1; j <= AntalRutor; ++j)
                if (RutaDel[j] == del)
                    RutaDel[j] = RutaDel[ruta];
            RutaDel[ruta] = del;
        }
        Shape1->setBrushColor(kLime);
        RutaKlar[ruta] = 1;
        QLabel *l = Men[del];
        QLabel *m = Memo[ruta];
        l->move(m->x() + m->width() / 2 - l->width() / 2, m->y() - skala(30));
        bakgrund(l, QColor());
        fastTextfarg(l, Qt::black);
        m_placerad[del] = true;
        bakgrund(m, kAqua);
        ++AntalPlacerade;
    } else {
        FelPanel->show();
        FelPanel->raise();
        Shape1->setBrushColor(kRed);
        ForstaForsok = 0;
    }
    nyttForsokHjalp();
    if (AntalPlacerade >= AntalRutor)
        Avklarad();
    memosenabled(false);
    return ratt;
}

void TSats::Avklarad()
{
    m_postKlar = true;
    const bool ratt = ForstaForsok == 1;
    if (NivaLage == 0) {
        // A round: the template's way on, with the pause before the round
        // end only (each wrong drop showed its error at once).
        efterSvaret(ratt, !ratt);
        return;
    }
    if (ratt) {
        svarRatt(true);
        if (AktuellNiva <= Nivaer.AntalNivaer) {
            if (AntalRatt > 2) {
                ++AktuellNiva;
                NivPanel->sattProgress(AktuellNiva);
                AntalRatt = 0;
            }
            if (AktuellNiva <= Nivaer.AntalNivaer) {
                UppgraderaNivRutan(AktuellNiva, AntalRatt);
            } else {
                // The top level was passed: the congratulation waits for the bar.
                ToppNadd = 1;
                Avslutning();
                return;
            }
        }
    } else {
        if (AktuellNiva >= 2) {
            --AktuellNiva;
            NivPanel->sattProgress(AktuellNiva);
            AntalRatt = 0;
            UppgraderaNivRutan(AktuellNiva, 0);
        }
        RattSvarFlagga = 0;
        if (AntalFel < 0xFFFF)
            ++AntalFel;
    }
    NyPost();
}

void TSats::vidSlutPausen()
{
    // The bar at once, the picture and the praise after the pause.
    visaListen(true);
}

void TSats::visaListen(bool medRattaFelen)
{
    Button1->setVisible(medRattaFelen && NivaLage == 0);
    visaSlutpanelen();
}

bool TSats::kanRattaFel() const
{
    // the level exercises have no error round
    return NivaLage == 0 && TSKRIV::kanRattaFel();
}


void TSats::Avslutning()
{
    TSKRIV::Avslutning();
    if (OvningsLage == Ovning)
        regelknapp->setVisible(!regelSidaFor(Programtal).isEmpty());
    if (NivaLage == 1) {
        LovordPanel->show();
        LovordPanel->raise();
        RitaLovord(QStringLiteral("Grattis!"), QStringLiteral("Du nådde"), QStringLiteral("ända upp."));
    }
    // A right click hides "Rätta felen" for that showing of the bar only.
    visaListen(true);
}

void TSats::borjaOmNivaerna()
{
    AktuellNiva = 1;
    AntalRatt = 0;
    ToppNadd = 0;
    NivPanel->sattProgress(1);
    UppgraderaNivRutan(1, 0);
    NyPost();
}

void TSats::Button1Click()
{
    // The round end that waits for the pause is not to come over the next
    // round: the bar's choice ends the pause.
    m_cykel.fortsatt();
    visaCykeln();
    LovordPanel->hide();
    BildPanelen->hide();
    if (ToppNadd) {
        borjaOmNivaerna();
    } else if (FelPerLista[ListNummer] > 0 && startaFelRunda()) {
        NyStartaAster(NivaLage == 0);
        NyPost();
    }
}

void TSats::Button2Click()
{
    m_cykel.fortsatt();
    visaCykeln();
    BildPanelen->hide();
    LovordPanel->hide();
    if (ToppNadd) {
        borjaOmNivaerna();
    } else if (qint32(PostNummer) >= AntalPoster || FelRunda != 0) {
        startaNyRunda();
        NyStartaAster(NivaLage == 0 && OvningsLage == Ovning);
        NyPost();
    }
}

void TSats::BitBtn1Click()
{
    if (OvningsLage == Ovning)
        TStallin_Visa();
    // The bar stays while the pupil has still to choose how to go on.
    if ((NivaLage == 0 && rundanSlut()) || ToppNadd == 1)
        m_cykel.oppnaSlutpanelen();
    else
        m_cykel.fortsatt();
    visaCykeln();
}

bool TSats::eventFilter(QObject *o, QEvent *e)
{
    if (const int del = delAv(o)) {
        if (e->type() == QEvent::MouseMove && OvningsLage != Arbetsblad) {
            Menfarg(del);
            if (!m_placerad[del])
                Hjalptext(1);
            memosenabled(true);
            return true;
        }
        if (e->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent *>(e)->button() == Qt::LeftButton) {
            // A placed part stays in its box.
            if (kanDra() && !m_placerad[del] && !Men[del]->text().isEmpty())
                dra(del);
            return true;
        }
    } else if (const int ruta = rutaAv(o)) {
        switch (e->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto *d = static_cast<QDragMoveEvent *>(e);
            if (!kanDra() || delIMime(d->mimeData()) == 0) {
                d->ignore();
                return true;
            }
            d->acceptProposedAction();
            if (RutaKlar[ruta] == 0) {
                m_las1 = false;
                Hjalptext(3);
            }
            return true;
        }
        case QEvent::Drop: {
            auto *d = static_cast<QDropEvent *>(e);
            const int del = delIMime(d->mimeData());
            if (del != 0 && slapp(ruta, del))
                d->acceptProposedAction();
            else
                d->ignore();
            return true;
        }
        case QEvent::MouseMove:
            if (OvningsLage != Arbetsblad) {
                if (AktuellDel != 0 && !m_las1 && !m_las2) {
                    Label3->setText(QStringLiteral("Släpp upp musknappen"));
                    Label3->adjustSize();
                    m_senasteHjalp = -1;
                } else {
                    Hjalptext(0);
                }
            }
            return true;
        default:
            break;
        }
    }
    return TSKRIV::eventFilter(o, e);
}

void TSats::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape && !m_cykel.slutpanelen() && OvningsLage != Arbetsblad) {
        m_cykel.oppnaSlutpanelen();
        visaCykeln();
        Button2->setFocus();
        e->accept();
        return;
    }
    TSKRIV::keyPressEvent(e);
}

void TSats::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::RightButton && OvningsLage != Arbetsblad) {
        visaListen(false);
        e->accept();
        return;
    }
    TSKRIV::mousePressEvent(e);
}

void TSats::mouseMoveEvent(QMouseEvent *e)
{
    if (OvningsLage != Arbetsblad) {
        Menfarg(0);
        m_las1 = false;
        m_las2 = false;
        Hjalptext(0);
        memosenabled(false);
    }
    TSKRIV::mouseMoveEvent(e);
}

void TSats::mouseReleaseEvent(QMouseEvent *e)
{
    memosenabled(false);
    Hjalptext(0);
    TSKRIV::mouseReleaseEvent(e);
}

void TSats::dragEnterEvent(QDragEnterEvent *e)
{
    if (kanDra() && delIMime(e->mimeData()) != 0)
        e->acceptProposedAction();
    else
        e->ignore();
}

void TSats::dragMoveEvent(QDragMoveEvent *e)
{
    m_las2 = false;
    Hjalptext(2);
    e->ignore(); // nothing is dropped on the window itself
}

void TSats::dropEvent(QDropEvent *e)
{
    e->ignore();
}

QList<TUtskrift::Rad> TSats::arbetsbladUppgift(const QString &prefix, bool)
{
    const QString uppgift = prefix + postFalt(1);
    QList<TUtskrift::Rad> rader{{TUtskrift::RadKlass::Uppgift, uppgift, uppgift}};
    const QString indrag(7, QLatin1Char(' '));
    for (int k = 1; k <= AntalRutor; ++k) {
        const QString rubrik = indrag + SatsdelUtskrift[RutaKod[k]];
        rader.append({TUtskrift::RadKlass::Fortsattning, rubrik + QString(28, QLatin1Char('_')),
                      rubrik + QLatin1Char(' ') + DelText[RutaDel[k]]});
    }
    return rader;
}

void TSats::arbetsbladNastaPost()
{
    NyPost();
}

void TSats_Visa()
{
    TSats w;
    w.FormCreate();
    if (w.harPoster())
        w.exec();
}
