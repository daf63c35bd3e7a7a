#include "drills/grammar/TStegran.h"

#include "drills/grammar/NivaRuta.h"
#include "drills/grammar/stegfil.h"
#include "frame/Ovningsrunda.h"
#include "frame/TAster.h"
#include "frame/answercheck.h"
#include "frame/datafiles.h"
#include "frame/fields.h"
#include "frame/scale.h"
#include "frame/vrsku1.h"
#include "platform/DesignTimer.h"
#include "platform/MessageBox.h"
#include "platform/ShapeWidget.h"
#include "results/diagnosregister.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

using namespace Ovningsrunda;

namespace {

const QColor kNavy = bgrFarg(0x800000);
const QColor kMaroon = bgrFarg(0x000080);
const QColor kGreen = bgrFarg(0x008000);
const QColor kYellow = bgrFarg(0x00FFFF);

void punkter(QLabel *l, int storlek)
{
    QFont f = l->font();
    f.setBold(true);
    f.setPointSize(qMax(1, storlek));
    l->setFont(f);
    l->adjustSize();
}

} // namespace

TStegran::TStegran(QWidget *parent)
    : TSKRIV(parent)
{
    setObjectName(QStringLiteral("Stegran"));
    byggKomponenter();
}

QString TStegran::stegFilFor(quint16 programtal)
{
    switch (programtal) {
    case 53100:
        return QStringLiteral("VRXACT.STE");
    case 56110:
        return QStringLiteral("VRVERB1.STE");
    case 56210:
        return QStringLiteral("VRVERB2.STE");
    default:
        return {};
    }
}

void TStegran::byggKomponenter()
{
    // The template's pieces that this drill has no use for.
    for (QWidget *w : std::initializer_list<QWidget *>{FrageLabel1, FrageLabel2, Label4, Label8, Label9, Label10,
                                                       Label16, Helpknapp1, HelpKnapp2, Aster1, DiagPanel1,
                                                       DiagPanel2, BitBtn1, BildPanelen, LovordPanel})
        w->hide();
    Timer2->setInterval(0);

    Label5->setFont(skaladArial(23));
    fargRoller(Label5, {QPalette::WindowText, QPalette::Text}, kGreen);
    Edit1->setFont(skaladArial(23));
    Label6->setFont(skaladArial(23));
    fargRoller(Label6, {QPalette::WindowText, QPalette::Text}, kMaroon);
    Label7->hide();
    LampShape->setToolTip(QStringLiteral("Hier Fehleranzeige ausschalten."));

    NivPanel = new NivaRuta(QStringLiteral("Niveau"), NivaRuta::Siffra::Nederkant, Skalning, this);

    namnruta = new QFrame(this);
    namnruta->setObjectName(QStringLiteral("namnruta"));
    namnruta->setFrameShape(QFrame::Box);
    namnruta->setAutoFillBackground(true);
    NamnLabel1 = new QLabel(QStringLiteral("Namen schreiben."), namnruta);
    NamnLabel1->setObjectName(QStringLiteral("NamnLabel1"));
    NamnLabel2 = new QLabel(QStringLiteral("Enter drücken."), namnruta);
    NamnLabel2->setObjectName(QStringLiteral("NamnLabel2"));
    for (QLabel *l : {NamnLabel1, NamnLabel2}) {
        l->setFont(skaladArial(19));
        fargRoller(l, {QPalette::WindowText, QPalette::Text}, kNavy);
        l->adjustSize();
    }
    Edit2 = new QLineEdit(namnruta);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setFont(skaladArial(19));
    Edit2->setMaxLength(255);
    fargRoller(Edit2, {QPalette::WindowText, QPalette::Text}, kNavy);
    Edit2->installEventFilter(this);
    const int M = Marginal;
    NamnLabel1->move(M / 2, M / 2);
    NamnLabel2->move(M / 2, NamnLabel1->y() + NamnLabel1->height());
    Edit2->setGeometry(M / 2, NamnLabel2->y() + NamnLabel2->height() + M / 2, skala(300), Edit2->sizeHint().height());
    namnruta->resize(Edit2->width() + M, Edit2->y() + Edit2->height() + M / 2);
    namnruta->hide();

    Button1->setText(QStringLiteral("&Fortsetzen"));
    Button2->setText(QStringLiteral("&Niveau speichern"));
    Button3->setText(QStringLiteral("&Abbrechen"));
    auto knapp = [this](const char *namn, const QString &text) {
        auto *b = new QPushButton(text, Panel1);
        b->setObjectName(QLatin1String(namn));
        b->setAutoDefault(false);
        b->setPalette(Button1->palette());
        return b;
    };
    HaemtaNivaa2 = knapp("HaemtaNivaa2", QStringLiteral("&Niveau öffnen"));
    PrintButton = knapp("PrintButton", QStringLiteral("&Drucken"));
    PrintButton->hide();

    // The bar's first two buttons and the wait are this window's own (see
    // the overrides); "Abbrechen" closes as in the template.
    connect(HaemtaNivaa2, &QPushButton::clicked, this, &TStegran::HaemtaNivaa2Click);
}

void TStegran::layout()
{
    const int M = Marginal;
    NivPanel->move(skala(360), skala(5));
    // The instruction line follows below the level box, so the box needs
    // only the room across.
    klampaIn(NivPanel, hogerOmRubriken(height()));

    // The bar: continue, save, fetch, close.
    radaUppSlutpanelen({Button1, Button2, HaemtaNivaa2, Button3});
    namnruta->move(M, Panel1->y() - namnruta->height() - M);

    const int oben = qMax(OverskriftYtterShape->y() + OverskriftYtterShape->height(),
                          NivPanel->y() + NivPanel->height());
    sattText(InstruktionsLabel, QStringLiteral(" "));
    InstruktionsLabel->move(skala(33), oben + InstruktionsLabel->height() / 2);
    sattText(Label5, QStringLiteral(" "));
    Label5->move(InstruktionsLabel->x(), InstruktionsLabel->y() + 2 * InstruktionsLabel->height());
    Edit1->setGeometry(Label5->x(), Label5->y() + Label5->height() * 3 / 2, skala(520), Edit1->sizeHint().height());
    sattText(Label6, QStringLiteral(" "));
    Label6->move(Edit1->x(), Edit1->y() + Edit1->height() + Label6->height() / 3);
    lampknapp->move(skala(30), Label6->y() + Label6->height() * 3 / 2);
    LampShape->setGeometry(lampknapp->geometry());
    regelknapp->setGeometry(lampknapp->x() + lampknapp->width() + M / 2, lampknapp->y(), regelknapp->width(),
                            lampknapp->height());
}

void TStegran::FormCreate()
{
    Programtal = GeProgramtal(DataFilNamn);
    StegFilNamn = stegFilFor(Programtal);
    Inled();
    layout();

    regelknapp->setText(QStringLiteral("&Regeln"));
    const bool regler = Programtal == 56210 && OvningsLage == Ovning;
    regelknapp->setVisible(regler);
    regelknapp->setEnabled(regler);
    namnruta->hide();
    ForstaPost = 1;
    LampaPa = 0;
    StegNiva = 1;
    // Without a progress file there is nothing to save to or fetch from.
    Button2->setEnabled(!StegFilNamn.isEmpty());
    HaemtaNivaa2->setEnabled(!StegFilNamn.isEmpty());

    const bool lasbar = TestaStegreFilen(DataFilNamn);
    NivPanel->sattMaxValue(Nivaer.AntalNivaer);
    NivPanel->sattProgress(StegNiva);
    Nivaer.slumpaAllaNivaer();

    OverskriftInnerShape->setBrushColor(OvningsLage == Arbetsblad ? kMaroon : kNavy);
    lampknapp->setVisible(OvningsLage == Ovning);
    LampShape->hide();
    SkrivutOverskriftShape1->hide();
    SkrivutOverskriftShape2->hide();
    SkrivutOverskriftLabel->hide();

    borja(PosterPerOmgangInst);
    if (OvningsLage == Arbetsblad) {
        RitaNivRutan(false);
        arbetsbladStart();
        RitaUtskriftOverskriftRuta(true);
        UtskriftRubrik = kortad(OvningsRubrik[1] + QLatin1Char(' ') + OvningsRubrik[2] + QLatin1Char(' ')
                                    + OvningsRubrik[3],
                                KortStrang);
        Panel1->hide();
        regelknapp->hide();
    } else {
        RitaUtskriftOverskriftRuta(false);
        SkrivutHelaPanelen->hide();
        RitaNivRutan(true);
        UppgraderaNivRutan(StegNiva, 0);
        InstruktionsLabel->show();
    }

    RitaOverskriften(OvningsRubrik[1], OvningsRubrik[2], OvningsRubrik[3]);
    sattText(InstruktionsLabel, InstruktionsText);

    prepareDiagnosPath();
    if (OvningsLage != Arbetsblad)
        tellStegFilObstacle(StegFilNamn);

    if (OvningsLage != Arbetsblad && Nivaer.AntalNivaer == 0) {
        // A file without level lines has nothing to step through.
        if (lasbar)
            MessageBox::showMessage(QStringLiteral("Filen ") + DataFilNamn
                                    + QStringLiteral(" finns inte eller är felaktig"));
        m_harPoster = false;
        return;
    }
    NyPost();
}

bool TStegran::TestaStegreFilen(const QString &FilNamn)
{
    return Nivaer.TestaStegreFilen(FilNamn);
}

void TStegran::RitaNivRutan(bool visa)
{
    NivPanel->RitaNivRutan(visa);
}

void TStegran::UppgraderaNivRutan(qint32 niva, qint32 rad)
{
    NivPanel->visaNiva(niva, rad);
}

void TStegran::RitaUtskriftOverskriftRuta(bool visa)
{
    RitaUtskriftOverskriften(NivPanel->ytterYta(), visa);
}

void TStegran::RitaOverskriften(const QString &line1, const QString &line2, const QString &line3)
{
    const QRect I = OverskriftInnerShape->geometry();
    QString rader[3] = {line1, line2, line3};
    int n = 0;
    for (const QString &r : rader)
        if (!r.isEmpty())
            ++n;
    if (n == 0)
        return;
    if (n == 1 && line1.isEmpty())
        rader[0] = line2.isEmpty() ? line3 : line2; // a lone title keeps its place in the box
    const int bredd = I.width() - 20;
    auto krymp = [bredd](QLabel *l, int golv) {
        while (l->width() > bredd && l->font().pointSize() > golv)
            punkter(l, l->font().pointSize() - 1);
    };

    sattText(Overs1Label, rader[0]);
    punkter(Overs1Label, 30);
    punkter(Overs2Label, 30);
    if (n >= 2)
        sattText(Overs2Label, rader[1]);
    if (n == 3)
        sattText(Overs3Label, rader[2]);
    Overs2Label->setVisible(n >= 2);
    Overs3Label->setVisible(n == 3);
    Overs1Label->show();

    if (n == 1) {
        krymp(Overs1Label, 10);
    } else {
        krymp(Overs1Label, 10);
        krymp(Overs2Label, 10);
        const int minst = qMin(Overs1Label->font().pointSize(), Overs2Label->font().pointSize());
        punkter(Overs1Label, minst);
        punkter(Overs2Label, minst);
        while (I.top() + (I.height() - 2 * Overs1Label->height()) / 3 < 15 && Overs1Label->font().pointSize() > 1)
            punkter(Overs1Label, Overs1Label->font().pointSize() - 1);
        punkter(Overs2Label, Overs1Label->font().pointSize());
        if (n == 3) {
            punkter(Overs3Label, Overs1Label->font().pointSize() - 2);
            krymp(Overs3Label, 8);
            while (I.height() - 2 * Overs1Label->height() < Overs3Label->height()
                   && Overs3Label->font().pointSize() > 8)
                punkter(Overs3Label, Overs3Label->font().pointSize() - 1);
        }
    }

    const int h1 = Overs1Label->height();
    const int x = I.left() + 5;
    const int w = I.width() - 10;
    if (n == 1) {
        Overs1Label->setGeometry(x, I.top() + (I.height() - h1) / 2, w, h1);
    } else if (n == 2) {
        const int g = I.height() - 2 * h1;
        Overs1Label->setGeometry(x, I.top() + g / 3, w, h1);
        Overs2Label->setGeometry(x, I.top() + (2 * g) / 3 + (3 * h1) / 4, w, Overs2Label->height());
    } else {
        const int g = I.height() - 2 * h1 - Overs3Label->height();
        Overs1Label->setGeometry(x, I.top() + g / 4, w, h1);
        Overs2Label->setGeometry(x, I.top() + (2 * g) / 4 + (3 * h1) / 4, w, Overs2Label->height());
        Overs3Label->setGeometry(x, Overs2Label->y() + Overs2Label->height(), w, Overs3Label->height());
    }
    for (QLabel *l : {Overs1Label, Overs2Label, Overs3Label}) {
        l->setAlignment(Qt::AlignCenter);
        l->raise();
    }
}

void TStegran::NyPost()
{
    PausTid = StegPausTid;
    if (OvningsLage == Arbetsblad) {
        // Items of every level, in the file's shared random order.
        hamtaPost();
        PostRad = NivaFil::utanNiva(dekryptrad(PostRad));
    } else {
        Nivaer.haemtaord(StegNiva);
    }
    str_postarray(PostRad);

    m_cykel.nyPost();
    visaCykeln();

    sattText(Label5, postFalt(1));
    Label6->hide();
    Label7->hide();
    Edit1->clear();
    if (OvningsLage != Arbetsblad) {
        Edit1->setEnabled(true);
        Edit1->show();
        if (ForstaPost == 1)
            ForstaPost = 0;
        else
            Edit1->setFocus();
    } else {
        ForstaPost = 0;
    }
}

bool TStegran::vantar() const
{
    return m_cykel.pausPagar();
}

void TStegran::Edit1Enter()
{
    // An answer is judged once: Enter during the wait after it is no second
    // answer.
    if (vantar())
        return;
    const qint32 antalNivaer = Nivaer.AntalNivaer;
    if (svarstest(postFalt(2), Edit1->text(), 1) == SvarRatt) {
        if (AntalRatt < 0xFFFF)
            ++AntalRatt;
        if (AntalRatt > 2) {
            if (StegNiva < antalNivaer) {
                ++StegNiva;
                NivPanel->sattProgress(StegNiva);
            }
            AntalRatt = 0;
        }
        UppgraderaNivRutan(StegNiva, AntalRatt);
        Timer1->setInterval(100);
        Timer1->setEnabled(true);
        m_cykel.borjaPaus();
    } else {
        if (StegNiva > 1) {
            --StegNiva;
            NivPanel->sattProgress(StegNiva);
            AntalRatt = 0;
            UppgraderaNivRutan(StegNiva, 0);
        }
        if (AntalFel < 0xFFFF)
            ++AntalFel;
        sattText(Label6, postFalt(2));
        Label6->show();
        Timer1->setInterval(1000);
        Timer1->setEnabled(true);
        m_cykel.borjaPaus();
    }
}

void TStegran::Edit1Escape()
{
    Edit1->setEnabled(false);
    m_cykel.oppnaSlutpanelen(); // the wait ends under the bar
    visaCykeln();
    Button1->setFocus();
}

void TStegran::Timer1Timer()
{
    if (TimerTick < PausAvbruten)
        ++TimerTick;
    if (TimerTick >= PausTid)
        NyPost();
}

void TStegran::Button1Click()
{
    NyPost();
    namnruta->hide();
    Edit1->setEnabled(true);
    Edit1->setFocus();
}

void TStegran::visaNamnrutan()
{
    Edit2->setText(SpelarNamn[1]);
    namnruta->show();
    namnruta->raise();
    Edit2->setFocus();
    Edit2->selectAll();
}

void TStegran::Button2Click()
{
    SparaNiva = 1;
    visaNamnrutan();
}

void TStegran::HaemtaNivaa2Click()
{
    SparaNiva = 0;
    visaNamnrutan();
}

void TStegran::Edit2Enter()
{
    const QString namn = kortad(Edit2->text().trimmed(), 20).trimmed();
    if (namn.isEmpty())
        return;
    SpelarNamn[1] = namn;
    // The name box and the bar go first, so that what the pupil is told
    // about the level stands over the drill alone.
    namnruta->hide();
    m_cykel.fortsatt();
    visaCykeln();
    sparastegring(SpelarNamn[1], SparaNiva == 1 ? StegLage::Spara : StegLage::Hamta);
    UppgraderaNivRutan(StegNiva, AntalRatt);
    NivPanel->sattProgress(StegNiva);
    Edit1->show();
    Edit1->setEnabled(true);
    Edit1->setFocus();
    NyPost();
}

void TStegran::sparastegring(const QString &namn, StegLage lage)
{
    if (StegFilNamn.isEmpty())
        return;
    if (lage == StegLage::Spara) {
        if (!sparaStegNiva(StegFilNamn, namn, StegNiva))
            return; // the pupil has been told why
        // Confirmed as a later fetch will find it: a higher level saved
        // before stays first, and level 1 is kept only in a new file.
        qint32 sparad = 0;
        if (hamtaStegNiva(StegFilNamn, namn, Nivaer.AntalNivaer, sparad) != StegHamtning::Hittad)
            MessageBox::information(QStringLiteral("Niveau 1 ist der Anfang und wird nicht gespeichert."));
        else if (sparad > StegNiva)
            MessageBox::information(QStringLiteral("Für %1 bleibt Niveau %2 gespeichert.").arg(namn).arg(sparad));
        else
            MessageBox::information(QStringLiteral("Niveau %1 ist für %2 gespeichert.").arg(StegNiva).arg(namn));
        return;
    }
    switch (hamtaStegNiva(StegFilNamn, namn, Nivaer.AntalNivaer, StegNiva)) {
    case StegHamtning::IngenFil:
        MessageBox::information(QStringLiteral("Es ist noch kein Niveau gespeichert."));
        break;
    case StegHamtning::InteHittad:
        MessageBox::information(QStringLiteral("Für %1 ist kein Niveau gespeichert.").arg(namn));
        break;
    case StegHamtning::Hittad: // the level box shows it
    case StegHamtning::Fel:    // the pupil has been told
        break;
    }
}

QString TStegran::rattSvar() const
{
    return postFalt(2);
}

void TStegran::arbetsbladNastaPost()
{
    NyPost();
}

bool TStegran::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        const bool enter = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
        if (o == Edit1) {
            if (enter) {
                Edit1Enter();
                return true;
            }
            if (k->key() == Qt::Key_Escape) {
                Edit1Escape();
                return true;
            }
            if (k->key() == Qt::Key_Space && vantar()) {
                NyPost();
                return true;
            }
        } else if (o == Edit2 && enter) {
            Edit2Enter();
            return true;
        }
    }
    return TSKRIV::eventFilter(o, e);
}

void TStegran_Visa()
{
    TStegran w;
    w.FormCreate();
    if (w.harPoster())
        w.exec();
}
