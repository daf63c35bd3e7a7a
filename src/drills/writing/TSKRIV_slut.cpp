// The end of a round of the typed-answer window and its end panel: the
// reward picture, the diagnosis bookkeeping, praise, and the panel's error
// round, new round, settings and closing.

#include "drills/writing/TSKRIV.h"

#include "frame/Ovningsrunda.h"
#include "frame/TDiagnosPost.h"
#include "frame/TStallin.h"
#include "frame/pictures.h"
#include "frame/praise.h"
#include "frame/vrsku1.h"
#include "platform/ShapeWidget.h"
#include "results/diagnoskoppling.h"
#include "results/diagnosstatus.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace Ovningsrunda;

// --- The round end -----------------------------------------------------------

void TSKRIV::Avslutning()
{
    regelknapp->hide();
    if (visarBeloningsbild()) {
        BildPanelen->show();
        BildPanelen->raise();
        BildTextPanel->hide();
        visaBeloningsbild();
    }

    if (OvningsLage == DiagnosTest)
        DiagOvningNr = 0;

    switch (diagnosOvningSlut()) {
    case DiagnosSteg::TillTestet:
        omradetOvat(5);
        stangFonstret();
        return;
    case DiagnosSteg::AndraRundan:
    case DiagnosSteg::Ingen:
        break;
    }

    if (OvningsLage == DiagnosTest) {
        diagnosback(AntalRatt);
        stangFonstret();
        return;
    }

    if (fortjanarLovord()) {
        LovordPanel->show();
        LovordPanel->raise();
        Tabell<QString, 3> rader;
        if (haemtaLovordText(AntalRatt, quint16(AntalPoster), rader))
            RitaLovord(rader[1], rader[2], rader[3]);
        else
            LovordLabel1->clear();
    }

    visaSlutpanelen();
}

void TSKRIV::visaBeloningsbild()
{
    BildPanelen->setGeometry(BildPanelen->x(), OverskriftYtterShape->y() + OverskriftYtterShape->height(),
                             BildPanelen->width(), BildPanelen->height());
    if (BildInst != 1 && BildInst != 3) {
        Image1->hide();
        return;
    }
    BildNummer = haemta_Bildslumptal(BildIndex);
    BildTextPanel->move(0, 0);
    BildTextPanel->setText(BildText);
    BildTextPanel->resize(BildTextPanel->fontMetrics().horizontalAdvance(BildText) + 2 * Marginal,
                          BildTextPanel->sizeHint().height());
    BildTextPanel->show();
    BildFilNamn = bildFilNamn(QStringLiteral("VRS"), BildNummer);
    const QPixmap bild = laddaBild(BildFilNamn, Image1->size());
    if (bild.isNull()) {
        Image1->hide();
    } else {
        Image1->setPixmap(bild);
        Image1->show();
    }
    BildTextPanel->raise();
}

void TSKRIV::omradetOvat(qint32 ovningNr)
{
    // The area counts as practised: it is ready for its test.
    AktivDiagnos.Status[DiagRad] = 2;
    GeStatusTal(DiagRad);
    DiagOvningNr = ovningNr;
    skrivProtokollStatus(DiagRad, QStringLiteral("    ") + StatusNamn[2]);
    doljProtokollPanel2();
    OvningsLage = DiagnosTest;
    AntalRatt = 0;
    aktiveraProtokollet();
}

void TSKRIV::RitaLovord(const QString &t1, const QString &t2, const QString &t3)
{
    const int M = Marginal;
    LovordYttershape->setGeometry(0, 0, LovordPanel->width(), LovordPanel->height());
    lovordinnershape->setGeometry(M / 2, M / 2, LovordPanel->width() - M, LovordPanel->height() - M);
    QFont f = LovordLabel1->font();
    f.setBold(true);
    f.setPointSize(30);
    LovordLabel1->setFont(f);
    sattText(LovordLabel1, t1 + QLatin1Char(' ') + t2 + QLatin1Char(' ') + t3);
    const int iw = lovordinnershape->width();
    const int ih = lovordinnershape->height();
    while (iw - M < LovordLabel1->width() && f.pointSize() >= 11) {
        f.setPointSize(f.pointSize() - 1);
        LovordLabel1->setFont(f);
        LovordLabel1->adjustSize();
    }
    while (ih - M / 2 < LovordLabel1->height() && f.pointSize() >= 11) {
        f.setPointSize(f.pointSize() - 1);
        LovordLabel1->setFont(f);
        LovordLabel1->adjustSize();
    }
    LovordLabel1->move((iw - LovordLabel1->width()) / 2, (ih - M / 2 - LovordLabel1->height()) / 2);
}

// --- The end panel -----------------------------------------------------------

void TSKRIV::visaSlutpanelen()
{
    m_cykel.oppnaSlutpanelen();
    visaCykeln();
    const bool ratta = kanRattaFel();
    Button1->setEnabled(ratta);
    (ratta ? Button1 : Button2)->setFocus();
}

bool TSKRIV::kanRattaFel() const
{
    return Postcykel::kanRattaFel(FelPerLista[ListNummer]);
}

bool TSKRIV::harSvenskaKnappar() const
{
    return Programtal == 56730 || Programtal == 56740;
}

void TSKRIV::Button1Click()
{
    BildPanelen->hide();
    if (OvningsLage != Arbetsblad && OvningsLage != DiagnosTest && FelPerLista[ListNummer] > 0) {
        LovordPanel->hide();
        startaFelRunda();
        NyStartaAster(true);
    }
    visaLampan();
    Edit1->setVisible(skrivsSvaret());
    Edit1->setEnabled(skrivsSvaret());
    m_cykel.fortsatt();
    visaCykeln();
    BitBtn1->setEnabled(true);
    FrageLabel2->show();
    // The diagnosis strip stands where the squares would.
    if (Ovningsrunda::arDiagnos())
        NyStartaAster(false);
    NyPost();
    if (skrivsSvaret())
        Edit1->setFocus();
}

void TSKRIV::Button2Click()
{
    if (!rundanSlut()) {
        fortsattRundan();
        rensa();
        return;
    }
    m_cykel.fortsatt();
    visaCykeln();
    BildPanelen->hide();
    LovordPanel->hide();
    startaNyRunda();
    if (arDiagnos())
        UppDateraDiagnosResultatet();
    if (OvningsLage == Ovning) {
        NyStartaAster(true);
    } else {
        NyStartaAster(false);
        TestOverSkrift();
    }
    NyPost();
    aktiveraSvar();
    rensa();
}

void TSKRIV::fortsattRundan()
{
    if (m_cykel.postBesvarad()) {
        NyPost();
    } else {
        m_cykel.fortsatt();
        visaCykeln();
    }
    aktiveraSvar();
}

void TSKRIV::rensa()
{
    // the lamp button stands in for the lamp only while it is off
    visaLampan();
    if (Postcykel::lampknappErbjuds())
        lampknapp->setEnabled(true);
    BitBtn1->setEnabled(true);
    Helpknapp1->setEnabled(true);
    HelpKnapp2->setEnabled(true);
}

void TSKRIV::aktiveraSvar()
{
    if (!skrivsSvaret()) {
        Edit1->setEnabled(false);
        return;
    }
    aktivtSvar()->setEnabled(true);
    aktivtSvar()->setFocus();
}

void TSKRIV::Button3Click()
{
    lamnaTestet();
    if (OvningsLage >= DiagnosTest)
        aktiveraProtokollet();
    stangFonstret();
}

void TSKRIV::BitBtn1Click()
{
    const bool mittIRundan = !rundanSlut();
    if (harInstallningar())
        TStallin_Visa();
    if (mittIRundan) {
        fortsattRundan();
        return;
    }
    // The pause before the round end, with the panel over it, runs on.
    if (m_cykel.lage() != Postcykel::Lage::SlutPaus)
        m_cykel.rundanSlut();
    visaCykeln();
}

bool TSKRIV::harInstallningar() const
{
    return Postcykel::harInstallningar();
}

// --- Closing -----------------------------------------------------------------

void TSKRIV::stangFonstret()
{
    m_stangs = true;
    done(QDialog::Accepted);
}

void TSKRIV::reject()
{
    close(); // the same way as the window manager's close
}

void TSKRIV::closeEvent(QCloseEvent *e)
{
    if (m_stangs) {
        e->accept();
        return;
    }
    // The window manager's close takes the way of "Abbrechen" (a test keeps
    // the right answers so far, the protocol is enabled again), and of "Till
    // menyn" in worksheet mode.
    e->ignore();
    if (m_arbetsblad && OvningsLage == Arbetsblad)
        m_arbetsblad->SkrivutAvbryt1ButtonClick();
    else
        Button3Click();
}
