#include "drills/writing/TDiktam.h"

#include "frame/Ovningsrunda.h"
#include "frame/TAster.h"
#include "frame/answercheck.h"
#include "frame/fields.h"
#include "frame/scale.h"
#include "frame/sound.h"
#include "frame/vrsku1.h"
#include "platform/ArrowButton.h"
#include "platform/DesignTimer.h"
#include "platform/ShapeWidget.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace Ovningsrunda;

namespace {

// Display modes of DiktamVisning.
constexpr quint8 BaraHora = 0;
constexpr quint8 BaraSe = 1;
constexpr quint8 SeOchHora = 2;

bool ljudPa()
{
    return LjudInst == 1 || LjudInst == 3;
}

bool arDiktamen(quint16 tal)
{
    return tal == 43000 || tal == 44000 || tal == 45000 || tal == 46000 || tal == 47000;
}

} // namespace

TDiktam::TDiktam(QWidget *parent)
    : TSKRIV(parent)
{
    setObjectName(QStringLiteral("Diktam"));
    byggDiktamen();
}

void TDiktam::byggDiktamen()
{
    auto knapp = [this](const char *name, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        b->setFont(skaladArialPunkter(11));
        b->resize(b->fontMetrics().horizontalAdvance(text) + 2 * Marginal, skala(30));
        return b;
    };
    auto etikett = [this](const char *name, int punkter, const QColor &c) {
        auto *l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        l->setFont(skaladArialPunkter(punkter));
        fargRoller(l, {QPalette::WindowText, QPalette::ButtonText}, c);
        return l;
    };

    // The question labels and the shown word use the large letters that the
    // line wrapping measures for these programs.
    FrageLabel1->setFont(skaladArialPunkter(22));
    FrageLabel2->setFont(skaladArialPunkter(22));

    UpprepaButton = knapp("UpprepaButton", QStringLiteral("&Wort wiederholen -- F2"));
    BaraHoraButton = knapp("BaraHoraButton", QStringLiteral("&Nur hören"));
    BaraseordetButton = knapp("BaraseordetButton", QStringLiteral("Nur &sehen"));
    SeochHoraButton = knapp("SeochHoraButton", QStringLiteral("Hören &und sehen"));
    NextButton = knapp("NextButton", QStringLiteral("&Nächster Satz"));
    NextButton->hide();
    connect(UpprepaButton, &QPushButton::clicked, this, &TDiktam::UpprepaButtonClick);
    connect(BaraHoraButton, &QPushButton::clicked, this, &TDiktam::BaraHoraButtonClick);
    connect(BaraseordetButton, &QPushButton::clicked, this, &TDiktam::BaraseordetButtonClick);
    connect(SeochHoraButton, &QPushButton::clicked, this, &TDiktam::SeochHoraButtonClick);
    connect(NextButton, &QPushButton::clicked, this, &TDiktam::NextButtonClick);

    BlinkLabel = etikett("BlinkLabel", 22, bgrFarg(0x800000));
    sattText(BlinkLabel, QStringLiteral("Das Wort ist zu sehen"));
    BlinkLabel->hide();

    SeIntervalLabel = etikett("SeIntervalLabel", 12, Qt::black);
    sattText(SeIntervalLabel, QStringLiteral("Das Wort ist zu sehen "));
    SeTidPanel = etikett("SeTidPanel", 12, Qt::black);
    SeTidPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    SeTidPanel->setAlignment(Qt::AlignCenter);
    SeTidPanel->resize(skala(40), SeIntervalLabel->height());
    TidSpinButton = new QWidget(this);
    TidSpinButton->setObjectName(QStringLiteral("TidSpinButton"));
    TidSpinButton->resize(skala(20), SeIntervalLabel->height());
    TidSpinUpp = new ArrowButton(Qt::UpArrow, TidSpinButton);
    TidSpinUpp->setObjectName(QStringLiteral("TidSpinButtonUp"));
    TidSpinUpp->setGeometry(0, 0, TidSpinButton->width(), TidSpinButton->height() / 2);
    TidSpinNed = new ArrowButton(Qt::DownArrow, TidSpinButton);
    TidSpinNed->setObjectName(QStringLiteral("TidSpinButtonDown"));
    TidSpinNed->setGeometry(0, TidSpinButton->height() / 2, TidSpinButton->width(),
                            TidSpinButton->height() - TidSpinButton->height() / 2);
    connect(TidSpinUpp, &QToolButton::clicked, this, &TDiktam::TidSpinUppClick);
    connect(TidSpinNed, &QToolButton::clicked, this, &TDiktam::TidSpinNedClick);

    Svensklabel1 = etikett("Svensklabel1", 22, bgrFarg(0x008000));
    Svensklabel2 = etikett("Svensklabel2", 22, bgrFarg(0x008000));
    Svensklabel1->hide();
    Svensklabel2->hide();

    BlinkTimer = new DesignTimer(this, 0, true);
    BlinkTimer->setObjectName(QStringLiteral("BlinkTimer"));
    Timer5 = new DesignTimer(this, 0, true);
    Timer5->setObjectName(QStringLiteral("Timer5"));
    connect(BlinkTimer, &DesignTimer::timeout, this, &TDiktam::BlinkTimerTimer);
    connect(Timer5, &DesignTimer::timeout, this, &TDiktam::Timer5Timer);

    Helpknapp1->setText(QStringLiteral("&Hilfe"));
}

void TDiktam::Helpknapp1Click()
{
    TSKRIV::Helpknapp1Click();
    // One hint only: the typed-answer window's second hint button never
    // shows here.
    HelpKnapp2->hide();
    Helpknapp1->setEnabled(false);
}

void TDiktam::Button1Click()
{
    TSKRIV::Button1Click();
    doljLampan(); // the programs without the lamp keep it hidden through new rounds
}

void TDiktam::Button2Click()
{
    TSKRIV::Button2Click();
    doljLampan();
}

QString TDiktam::fragaFalt() const
{
    return postFalt(1);
}

QString TDiktam::svarFalt() const
{
    return postFalt(1);
}

quint16 TDiktam::kontrollera(const QString &svar) const
{
    // Letter case counts in a dictation.
    return svarstest(rattSvar(), svar, 1);
}

void TDiktam::visaFragan()
{
    Ordet = postFalt(1);
    TSKRIV::visaFragan();
    if (Programtal == 32000) {
        // The Swedish meaning stands under the German sentence.
        Svensklabel1->show();
        Svensklabel2->show();
        dela_mening(Svensklabel2->x(), skarmStorlek().width() - Aster1->width() - 2 * Marginal, postFalt(2), 2,
                    Svensklabel2->font());
        sattText(Svensklabel1, QString());
        sattText(Svensklabel2, MeningsRader[1]);
        if (!MeningsRader[2].isEmpty()) {
            sattText(Svensklabel1, MeningsRader[1]);
            sattText(Svensklabel2, MeningsRader[2]);
        }
        return;
    }
    // What is to be written is heard or shown for a moment, never on show.
    FrageLabel1->clear();
    FrageLabel2->clear();
    FrageLabel1->hide();
    FrageLabel2->hide();
}

bool TDiktam::harLampa() const
{
    return Programtal != 32000 && Programtal != 45000 && Programtal != 46000 && Programtal != 47000;
}

void TDiktam::doljLampan()
{
    if (!harLampa()) {
        lampknapp->hide();
        LampShape->hide();
    }
}

void TDiktam::efterSkapandet()
{
    Edit1->setMaxLength(45);
    GeLjudDirectory();
    Upprepa = (Programtal == 32000 || arDiktamen(Programtal)) && ljudPa();

    const int M = Marginal;
    const int rad = skala(30) + M / 2;
    BlinkLabel->move(FrageLabel2->x(), FrageLabel2->y());
    Svensklabel1->move(FrageLabel2->x(), Edit1->y());
    Svensklabel2->move(FrageLabel2->x(), Edit1->y() + Svensklabel1->sizeHint().height());
    int y = lampknapp->y() + lampknapp->height() + M;
    UpprepaButton->move(lampknapp->x(), y);
    NextButton->move(UpprepaButton->x() + UpprepaButton->width() + M, y);
    y += rad;
    int x = lampknapp->x();
    for (QPushButton *b : {BaraHoraButton, BaraseordetButton, SeochHoraButton}) {
        b->move(x, y);
        x += b->width() + M;
    }
    y += rad;
    SeIntervalLabel->move(lampknapp->x(), y);
    SeTidPanel->move(SeIntervalLabel->x() + SeIntervalLabel->width(), y);
    TidSpinButton->move(SeTidPanel->x() + SeTidPanel->width() + M / 2, y);

    const bool visningsknappar = Programtal != 32000 && Programtal < 45000;
    for (QPushButton *b : {BaraHoraButton, BaraseordetButton, SeochHoraButton})
        b->setVisible(visningsknappar);
    NextButton->setVisible(Programtal == 32000);
    if (Programtal == 32000) {
        Button1->hide();
        BitBtn1->hide();
        Edit1->hide();
        DiktamVisning = BaraHora;
    } else {
        Svensklabel1->hide();
        Svensklabel2->hide();
        Edit1->show();
        if (Programtal >= 45000)
            DiktamVisning = BaraHora;
    }
    doljLampan();
    if (Programtal == 45000) {
        UpprepaButton->setText(QStringLiteral("&Buchstabe wiederholen -- F2"));
        UpprepaButton->resize(UpprepaButton->fontMetrics().horizontalAdvance(UpprepaButton->text()) * 4 / 3,
                              UpprepaButton->height());
        NextButton->move(UpprepaButton->x() + UpprepaButton->width() + M, NextButton->y());
    }

    if (ljudPa()) {
        visaSeTid(false);
    } else if (Programtal == 32000) {
        SeTid = 300;
        BlinkLabel->show();
        DiktamVisning = BaraHora;
    } else {
        SeTid = 300;
        DiktamVisning = BaraSe;
        visaSeTid(true);
    }
    // Without sound there is nothing to repeat and nothing to choose.
    for (QPushButton *b : {UpprepaButton, BaraHoraButton, BaraseordetButton, SeochHoraButton})
        b->setEnabled(ljudPa());
    SeTidPanel->setText(QString::number(SeTid / 100));
    m_skapad = true;
    // Every opening presents its first item, whether it is heard or seen.
    startaTimer5(100);
}

void TDiktam::efterNyPost()
{
    if (Programtal == 32000)
        Edit1->hide();
    TidSpinButton->setEnabled(true);
    if (ljudPa())
        for (QPushButton *b : {UpprepaButton, BaraHoraButton, BaraseordetButton, SeochHoraButton})
            b->setEnabled(true);
    // Each new item is presented at once: heard, or seen when there is no
    // sound. (At opening the creation starts the first presentation.)
    if (m_skapad)
        startaTimer5(2);
}

void TDiktam::startaTimer5(int ms)
{
    TimerTick = 0;
    Timer5->setEnabled(true);
    Timer5->setInterval(ms);
}

void TDiktam::visaSeTid(bool synlig)
{
    SeIntervalLabel->setVisible(synlig);
    SeTidPanel->setVisible(synlig);
    TidSpinButton->setVisible(synlig);
    if (synlig)
        SeTidPanel->setText(QString::number(SeTid / 100));
}

QString TDiktam::ljudFilNamn() const
{
    const qint32 nummer = FelRunda != 0 ? FelPost : qint32(SlumpPost);
    if (nummer < 1 || nummer > 999)
        return {};
    return LjudFilPrefix + QStringLiteral("%1").arg(nummer, 3, 10, QLatin1Char('0')) + QStringLiteral(".WAV");
}

void TDiktam::spela()
{
    // A pupil who has switched the sounds off hears nothing.
    const QString fil = ljudFilNamn();
    if (fil.isEmpty() || !ljudPa())
        return;
    SpelaUppWavLjud(fil);
}

void TDiktam::visaOrdet()
{
    sattText(BlinkLabel, Ordet);
    BlinkLabel->show();
    BlinkLabel->raise();
    Edit1->setEnabled(false);
    BlinkTimer->setEnabled(true);
    BlinkTimer->setInterval(SeTid);
}

void TDiktam::presentera()
{
    switch (DiktamVisning) {
    case BaraHora:
        spela();
        break;
    case BaraSe:
        visaOrdet();
        break;
    case SeOchHora:
        spela();
        Edit1->clear();
        visaOrdet();
        break;
    default:
        break;
    }
}

void TDiktam::Timer5Timer()
{
    if (TimerTick < PausAvbruten)
        ++TimerTick;
    if (TimerTick < PausTid)
        return;
    Timer5->setInterval(0);
    presentera();
}

void TDiktam::BlinkTimerTimer()
{
    BlinkLabel->hide();
    BlinkTimer->setInterval(0);
    if (Programtal != 32000) {
        Edit1->setEnabled(true);
        fokusera();
    }
}

void TDiktam::fokusera()
{
    // The listening exercise has no answer box.
    if (Programtal != 32000 && Edit1->isEnabled())
        Edit1->setFocus();
}

void TDiktam::UpprepaButtonClick()
{
    presentera();
    // While the word is on show the answer box waits until it is hidden.
    if (Programtal != 32000 && !BlinkTimer->running()) {
        Edit1->show();
        Edit1->setEnabled(true);
        fokusera();
    }
}

void TDiktam::BaraHoraButtonClick()
{
    DiktamVisning = BaraHora;
    visaSeTid(false);
    fokusera();
}

void TDiktam::BaraseordetButtonClick()
{
    DiktamVisning = BaraSe;
    visaSeTid(true);
    fokusera();
}

void TDiktam::SeochHoraButtonClick()
{
    DiktamVisning = SeOchHora;
    visaSeTid(true);
    fokusera();
}

void TDiktam::TidSpinUppClick()
{
    if (SeTid < StorstaSeTid)
        SeTid += 100;
    SeTidPanel->setText(QString::number(SeTid / 100));
}

void TDiktam::TidSpinNedClick()
{
    if (SeTid > MinstaSeTid)
        SeTid -= 100;
    SeTidPanel->setText(QString::number(SeTid / 100));
}

void TDiktam::NextButtonClick()
{
    // The next sentence of the listening exercise, heard at once.
    NyPost();
}

bool TDiktam::eventFilter(QObject *o, QEvent *e)
{
    if (o == Edit1 && e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && Edit1->isEnabled()) {
            for (QWidget *w : {static_cast<QWidget *>(UpprepaButton), static_cast<QWidget *>(BaraHoraButton),
                               static_cast<QWidget *>(BaraseordetButton), static_cast<QWidget *>(SeochHoraButton),
                               TidSpinButton})
                w->setEnabled(false);
            // An answer ends the presentation of its item: nothing may show
            // the word or give the answer box back during the pause.
            Timer5->setInterval(0);
            BlinkTimer->setInterval(0);
            BlinkLabel->hide();
        }
    }
    return TSKRIV::eventFilter(o, e);
}

void TDiktam::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_F2) {
        // Only an item that awaits its answer can be repeated.
        if (Upprepa && ljudPa() && DiktamVisning != BaraSe && UpprepaButton->isEnabled())
            UpprepaButtonClick();
        e->accept();
        return;
    }
    if (e->key() == Qt::Key_Space && Timer5->running()) {
        avbrytPaus();
        e->accept();
        return;
    }
    TSKRIV::keyPressEvent(e);
}

void TDiktam_Visa()
{
    TDiktam w;
    w.FormCreate();
    w.exec();
}
