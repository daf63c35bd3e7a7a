#include "drills/writing/ArbetsbladsLage.h"
#include "frame/scale.h"

#include "frame/vrsku1.h"
#include "platform/ArrowButton.h"
#include "platform/ShapeWidget.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QColor kMaroon = bgrFarg(0x000080);
const QColor kLime = bgrFarg(0x00FF00);
const QColor kYellow = bgrFarg(0x00FFFF);

} // namespace

QList<TUtskrift::Rad> ArbetsbladsAgare::arbetsbladAvsnitt()
{
    return ArbetsbladsLage::standardAvsnitt();
}

qint32 ArbetsbladsAgare::arbetsbladPostAntal() const
{
    return ListNummer >= 1 && ListNummer <= MaxListor ? PostAntal[ListNummer] : 0;
}

ArbetsbladsLage::ArbetsbladsLage(QWidget *fonster, QFrame *helaPanelen, ArbetsbladsAgare &agare,
                                 quint8 &valjaUtLage)
    : m_fonster(fonster)
    , m_agare(agare)
    , m_valjaUtLage(valjaUtLage)
{
    SkrivutHelaPanelen = helaPanelen;
    byggPaneler();
}

ArbetsbladsLage::~ArbetsbladsLage()
{
    // The printing window may be shown over the closing exercise window.
    if (Utskrift)
        Utskrift->slappAgare(m_fonster);
}

void ArbetsbladsLage::byggPaneler()
{
    farg(SkrivutHelaPanelen, Qt::white, kMaroon);
    auto *stapel = new QGridLayout(SkrivutHelaPanelen);
    stapel->setContentsMargins(0, 0, 0, 0);

    auto panel = [&](const char *name) {
        auto *p = new QFrame(SkrivutHelaPanelen);
        p->setObjectName(QLatin1String(name));
        farg(p, Qt::white, kMaroon);
        auto *rad = new QHBoxLayout(p);
        rad->setContentsMargins(4, 4, 4, 4);
        stapel->addWidget(p, 0, 0); // all panels in the same place
        p->hide();
        return p;
    };
    auto button = [this](QFrame *p, const char *name, const QString &text, const QString &hint,
                         void (ArbetsbladsLage::*handler)()) {
        auto *b = new QPushButton(text, p);
        b->setObjectName(QLatin1String(name));
        b->setFont(skaladArial(15));
        b->setAutoDefault(false);
        b->setDefault(false);
        svartKnapptext(b);
        if (!hint.isEmpty())
            b->setToolTip(hint);
        p->layout()->addWidget(b);
        b->installEventFilter(this);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };

    SkrivutPanel1 = panel("SkrivutPanel1");
    SkrivutAntalButton = button(SkrivutPanel1, "SkrivutAntalButton", QStringLiteral("Välja &antal"),
                                QStringLiteral("Datorn väljer uppgifter"), &ArbetsbladsLage::SkrivutAntalButtonClick);
    ValjaUtButton = button(SkrivutPanel1, "ValjaUtButton", QStringLiteral("Välja &ut"),
                           QStringLiteral("Du själv väljer uppgifter"), &ArbetsbladsLage::ValjaUtButtonClick);
    VisaUtSkriftListaButton = button(SkrivutPanel1, "VisaUtSkriftListaButton", QStringLiteral("Se ditt &val"),
                                     QStringLiteral("Förhandsgranskning"),
                                     &ArbetsbladsLage::VisaUtSkriftListaButtonClick);
    Skrivut1Button = button(SkrivutPanel1, "Skrivut1Button", QStringLiteral("&Skriv ut"),
                            QStringLiteral("Du får välja utskrift med eller utan svar här. "),
                            &ArbetsbladsLage::Skrivut1ButtonClick);
    RensaButton = button(SkrivutPanel1, "RensaButton", QStringLiteral("&Rensa"),
                         QStringLiteral("Tar bort allt som valts till utskrift. "), &ArbetsbladsLage::RensaButtonClick);
    SkrivutAvbryt1Button = button(SkrivutPanel1, "SkrivutAvbryt1Button", QStringLiteral("Till &menyn"),
                                  QStringLiteral("Utskriften kan utökas med andra förhör."),
                                  &ArbetsbladsLage::SkrivutAvbryt1ButtonClick);

    SkrivutAntalPanel = panel("SkrivutAntalPanel");
    SkrivutSpinButton = new QWidget(SkrivutAntalPanel);
    SkrivutSpinButton->setObjectName(QStringLiteral("SkrivutSpinButton"));
    auto *spin = new QVBoxLayout(SkrivutSpinButton);
    spin->setContentsMargins(0, 0, 0, 0);
    spin->setSpacing(0);
    SkrivutSpinUpp = new ArrowButton(Qt::UpArrow, SkrivutSpinButton);
    SkrivutSpinUpp->setObjectName(QStringLiteral("SkrivutSpinUpp"));
    SkrivutSpinNer = new ArrowButton(Qt::DownArrow, SkrivutSpinButton);
    SkrivutSpinNer->setObjectName(QStringLiteral("SkrivutSpinNer"));
    // Each half about three quarters of a line of the count high and twice
    // as wide, so that both stacked stay inside the panel.
    const int halvHojd = QFontMetrics(skaladArial(19)).height() * 3 / 4;
    for (QToolButton *t : {SkrivutSpinUpp, SkrivutSpinNer}) {
        t->setFocusPolicy(Qt::NoFocus);
        t->setAutoRepeat(true);
        t->setFixedSize(2 * halvHojd, halvHojd);
        spin->addWidget(t);
    }
    connect(SkrivutSpinUpp, &QToolButton::clicked, this, &ArbetsbladsLage::SkrivutSpinButtonUpClick);
    connect(SkrivutSpinNer, &QToolButton::clicked, this, &ArbetsbladsLage::SkrivutSpinButtonDownClick);
    SkrivutAntalPanel->layout()->addWidget(SkrivutSpinButton);
    SkrivutAntalTextLabel = new QLabel(QStringLiteral("Antal :"), SkrivutAntalPanel);
    SkrivutAntalTextLabel->setObjectName(QStringLiteral("SkrivutAntalTextLabel"));
    SkrivutAntalTextLabel->setFont(skaladArial(19));
    farg(SkrivutAntalTextLabel, kLime);
    SkrivutAntalPanel->layout()->addWidget(SkrivutAntalTextLabel);
    SkrivutAntalLabel = new QLabel(QStringLiteral("1"), SkrivutAntalPanel);
    SkrivutAntalLabel->setObjectName(QStringLiteral("SkrivutAntalLabel"));
    SkrivutAntalLabel->setFont(skaladArial(19));
    SkrivutAntalLabel->setMinimumWidth(SkrivutAntalLabel->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    farg(SkrivutAntalLabel, kYellow);
    SkrivutAntalPanel->layout()->addWidget(SkrivutAntalLabel);
    SkrivutKlartButton = button(SkrivutAntalPanel, "SkrivutKlartButton", QStringLiteral("&Klart"), QString(),
                                &ArbetsbladsLage::SkrivutKlartButtonClick);
    SkrivutAvbryt4Button = button(SkrivutAntalPanel, "SkrivutAvbryt4Button", QStringLiteral("&Avbryt"), QString(),
                                  &ArbetsbladsLage::SkrivutAvbryt4ButtonClick);

    SkrivutValPanel = panel("SkrivutValPanel");
    SkrivutNextButton = button(SkrivutValPanel, "SkrivutNextButton", QStringLiteral("&Nästa uppgift"), QString(),
                               &ArbetsbladsLage::SkrivutNextButtonClick);
    SkrivutSkickaButton = button(SkrivutValPanel, "SkrivutSkickaButton", QStringLiteral("Skickas &till utskrift"),
                                 QString(), &ArbetsbladsLage::SkrivutSkickaButtonClick);
    VisaUtskriftLista2Button = button(SkrivutValPanel, "VisaUtskriftLista2Button", QStringLiteral("Se ditt &val"),
                                      QString(), &ArbetsbladsLage::VisaUtskriftLista2ButtonClick);
    Skrivut2Button = button(SkrivutValPanel, "Skrivut2Button", QStringLiteral("&Skriv ut"), QString(),
                            &ArbetsbladsLage::Skrivut2ButtonClick);
    SkrivutAvbryt2Button = button(SkrivutValPanel, "SkrivutAvbryt2Button", QStringLiteral("&Avbryt"), QString(),
                                  &ArbetsbladsLage::SkrivutAvbryt2ButtonClick);

    SkrivutListValPanel = panel("SkrivutListValPanel");
    SeListUtanButton = button(SkrivutListValPanel, "SeListUtanButton", QStringLiteral("Se ditt val &utan svar"),
                              QString(), &ArbetsbladsLage::SeListUtanButtonClick);
    SelistMedButton = button(SkrivutListValPanel, "SelistMedButton", QStringLiteral("Se ditt val &med svar"),
                             QString(), &ArbetsbladsLage::SelistMedButtonClick);
    SkrivutAvbryt5Button = button(SkrivutListValPanel, "SkrivutAvbryt5Button", QStringLiteral("&Avbryt"), QString(),
                                  &ArbetsbladsLage::SkrivutAvbryt5ButtonClick);

    SkrivutSvarPanel = panel("SkrivutSvarPanel");
    SkrivutUtanButton = button(SkrivutSvarPanel, "SkrivutUtanButton", QStringLiteral("Skriv ut &utan svaren"),
                               QString(), &ArbetsbladsLage::SkrivutUtanButtonClick);
    SkrivutMedButton = button(SkrivutSvarPanel, "SkrivutMedButton", QStringLiteral("Skriv ut &med svaren"),
                              QString(), &ArbetsbladsLage::SkrivutMedButtonClick);
    SkrivutAvbryt3Button = button(SkrivutSvarPanel, "SkrivutAvbryt3Button", QStringLiteral("&Avbryt"), QString(),
                                  &ArbetsbladsLage::SkrivutAvbryt3ButtonClick);

    SkrivutPanel1->show();
    SkrivutPanel1->raise();
    m_framst = SkrivutPanel1;
}

void ArbetsbladsLage::start()
{
    const int M = Marginal;
    const int W = m_fonster->width();
    const int H = m_fonster->height();
    const int h = qMax((H / 48) * 5, SkrivutPanel1->sizeHint().height());
    SkrivutHelaPanelen->setGeometry(M, H - h - M / 5, W - 2 * M, h);

    MedFacit = 0;
    UtskriftNyRubrik = 1;
    SkrivutHelaPanelen->show();
    SkrivutHelaPanelen->raise();
    SkrivutAntalPanel->hide();
    tillFronten(SkrivutPanel1);
    uppdateraKnappar();
}

void ArbetsbladsLage::tillFronten(QFrame *panel)
{
    m_framst = panel;
    panel->show();
    panel->raise();
    // The keys of the window then reach the new panel's buttons.
    for (QPushButton *b : panel->findChildren<QPushButton *>(Qt::FindDirectChildrenOnly))
        if (b->isEnabled()) {
            b->setFocus();
            break;
        }
}

void ArbetsbladsLage::uppdateraKnappar()
{
    const bool rader = Utskrift && !Utskrift->arTom();
    for (QPushButton *b : {Skrivut1Button, Skrivut2Button, VisaUtSkriftListaButton, VisaUtskriftLista2Button,
                           RensaButton})
        b->setEnabled(rader);
}

bool ArbetsbladsLage::tangent(QKeyEvent *e)
{
    if (visar(SkrivutAntalPanel) && (e->key() == Qt::Key_Up || e->key() == Qt::Key_Down)) {
        if (e->key() == Qt::Key_Up)
            SkrivutSpinButtonUpClick();
        else
            SkrivutSpinButtonDownClick();
        return true;
    }
    if (e->key() == Qt::Key_Escape && visar(SkrivutPanel1)) {
        SkrivutAvbryt1ButtonClick();
        return true;
    }
    return false;
}

bool ArbetsbladsLage::eventFilter(QObject *o, QEvent *e)
{
    // A button would take Up and Down for moving the focus.
    if (e->type() == QEvent::KeyPress && tangent(static_cast<QKeyEvent *>(e)))
        return true;
    return QObject::eventFilter(o, e);
}

// --- Lines ------------------------------------------------------------------

QString ArbetsbladsLage::nummerPrefix(qint32 k)
{
    const QString nr = QString::number(k) + QStringLiteral(". ");
    if (k < 10)
        return QStringLiteral("   ") + nr;
    if (k < 100)
        return QStringLiteral(" ") + nr;
    return nr;
}

QString ArbetsbladsLage::skrivLinje(int understreck)
{
    return QString(7, QLatin1Char(' ')) + QString(understreck, QLatin1Char('_'));
}

QString ArbetsbladsLage::avsnittsRubrik()
{
    QStringList delar;
    for (int i = 1; i <= 3; ++i)
        if (!OvningsRubrik[i].isEmpty())
            delar << OvningsRubrik[i];
    return kortad(delar.join(QLatin1Char(' ')), KortStrang);
}

QList<TUtskrift::Rad> ArbetsbladsLage::standardAvsnitt()
{
    // Always the current file's title, so that a file without one never
    // carries the previous exercise's title.
    UtskriftRubrik = avsnittsRubrik();
    return avsnitt(UtskriftInstruktion.isEmpty()
                       ? QString()
                       : QStringLiteral("      ") + UtskriftInstruktion + QLatin1Char(':'));
}

QList<TUtskrift::Rad> ArbetsbladsLage::avsnitt(const QString &instruktionsrad)
{
    ++UtskriftAvsnitt;
    const QString rubrik = QString::number(UtskriftAvsnitt) + QStringLiteral(".  ") + UtskriftRubrik;
    QList<TUtskrift::Rad> rader{{TUtskrift::RadKlass::Rubrik, rubrik, rubrik}};
    if (!instruktionsrad.isEmpty())
        rader.append({TUtskrift::RadKlass::Fortsattning, instruktionsrad, instruktionsrad});
    return rader;
}

void ArbetsbladsLage::laggTillPoster(qint32 antal, bool franKlart)
{
    if (!Utskrift)
        return;
    m_franKlart = franKlart;
    if (UtskriftNyRubrik == 1) {
        Utskrift->LaggTill(m_agare.arbetsbladAvsnitt());
        UtskriftNyRubrik = 0;
    }
    for (qint32 i = 0; i < antal; ++i) {
        ++UtskriftPostNr;
        Utskrift->LaggTill(m_agare.arbetsbladUppgift(nummerPrefix(UtskriftPostNr), franKlart));
        m_agare.arbetsbladNastaPost();
    }
    uppdateraKnappar();
}

// --- Main panel ---------------------------------------------------------------

void ArbetsbladsLage::SkrivutAntalButtonClick()
{
    UtskriftAntal = 1;
    SkrivutAntalLabel->setText(QStringLiteral("1"));
    SkrivutValPanel->hide();
    SkrivutPanel1->hide();
    tillFronten(SkrivutAntalPanel);
}

void ArbetsbladsLage::ValjaUtButtonClick()
{
    SkrivutPanel1->hide();
    tillFronten(SkrivutValPanel);
    m_valjaUtLage = 1;
}

void ArbetsbladsLage::VisaUtSkriftListaButtonClick()
{
    m_valjaUtLage = 0;
    SkrivutPanel1->hide();
    tillFronten(SkrivutListValPanel);
    UtskriftListaVisas = 1;
}

void ArbetsbladsLage::Skrivut1ButtonClick()
{
    // Printing returns to the panel it was started from.
    m_valjaUtLage = 0;
    SkrivutPanel1->hide();
    SkrivutValPanel->hide();
    tillFronten(SkrivutSvarPanel);
}

void ArbetsbladsLage::RensaButtonClick()
{
    SkrivRubrik = 1;
    UtskriftNyRubrik = 1;
    if (Utskrift)
        Utskrift->TomArbetsbladet();
    UtskriftPostNr = 0;
    SidNummer = 1;
    UtskriftAvsnitt = 0;
    uppdateraKnappar();
    tillFronten(SkrivutPanel1);
}

void ArbetsbladsLage::SkrivutAvbryt1ButtonClick()
{
    if (Utskrift)
        Utskrift->slappAgare(m_fonster);
    UtskriftNyRubrik = 0;
    m_agare.arbetsbladStang();
}

// --- Count panel -------------------------------------------------------------

void ArbetsbladsLage::SkrivutSpinButtonUpClick()
{
    if (UtskriftAntal < m_agare.arbetsbladPostAntal())
        ++UtskriftAntal;
    SkrivutAntalLabel->setText(QString::number(UtskriftAntal));
}

void ArbetsbladsLage::SkrivutSpinButtonDownClick()
{
    if (UtskriftAntal > 0)
        --UtskriftAntal;
    SkrivutAntalLabel->setText(QString::number(UtskriftAntal));
}

void ArbetsbladsLage::SkrivutKlartButtonClick()
{
    laggTillPoster(UtskriftAntal, true);
    SkrivutAntalPanel->hide();
    tillFronten(SkrivutPanel1);
}

void ArbetsbladsLage::SkrivutAvbryt4ButtonClick()
{
    m_valjaUtLage = 0;
    SkrivutAntalPanel->hide();
    tillFronten(SkrivutPanel1);
}

// --- Pick panel ----------------------------------------------------------------

void ArbetsbladsLage::SkrivutNextButtonClick()
{
    m_agare.arbetsbladNastaPost();
}

void ArbetsbladsLage::SkrivutSkickaButtonClick()
{
    laggTillPoster(1, false);
}

void ArbetsbladsLage::VisaUtskriftLista2ButtonClick()
{
    m_valjaUtLage = 1;
    tillFronten(SkrivutListValPanel);
    UtskriftListaVisas = 0;
}

void ArbetsbladsLage::Skrivut2ButtonClick()
{
    m_valjaUtLage = 1;
    SkrivutValPanel->hide();
    tillFronten(SkrivutSvarPanel);
}

void ArbetsbladsLage::SkrivutAvbryt2ButtonClick()
{
    SkrivutValPanel->hide();
    tillFronten(SkrivutPanel1);
}

// --- View panel ----------------------------------------------------------------

void ArbetsbladsLage::SeListUtanButtonClick()
{
    if (Utskrift)
        Utskrift->visaLista(1, m_fonster);
}

void ArbetsbladsLage::SelistMedButtonClick()
{
    if (Utskrift)
        Utskrift->visaLista(2, m_fonster);
}

void ArbetsbladsLage::SkrivutAvbryt5ButtonClick()
{
    if (Utskrift)
        Utskrift->slappAgare(m_fonster);
    SkrivutListValPanel->hide();
    tillFronten(UtskriftListaVisas == 1 ? SkrivutPanel1 : SkrivutValPanel);
}

// --- Print panel ---------------------------------------------------------------

void ArbetsbladsLage::SkrivutAv(bool av)
{
    for (QPushButton *b : {SkrivutUtanButton, SkrivutMedButton, SkrivutAvbryt3Button})
        b->setEnabled(!av);
}

void ArbetsbladsLage::skrivUt(quint8 medFacit)
{
    SkrivutAv(true);
    SkrivRubrik = 1;
    MedFacit = medFacit;
    if (Utskrift)
        Utskrift->SkrivutFraga(m_fonster);
    SkrivutAv(false);
}

void ArbetsbladsLage::SkrivutUtanButtonClick()
{
    skrivUt(0);
}

void ArbetsbladsLage::SkrivutMedButtonClick()
{
    skrivUt(1);
}

void ArbetsbladsLage::SkrivutAvbryt3ButtonClick()
{
    SkrivutSvarPanel->hide();
    SkrivutHelaPanelen->show();
    tillFronten(m_valjaUtLage == 1 ? SkrivutValPanel : SkrivutPanel1);
}
