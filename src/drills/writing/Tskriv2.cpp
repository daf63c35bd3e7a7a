#include "drills/writing/Tskriv2.h"

#include "frame/Ovningsrunda.h"
#include "frame/TAster.h"
#include "frame/answercheck.h"
#include "frame/fields.h"
#include "frame/scale.h"
#include "frame/vrsku1.h"
#include "platform/DesignTimer.h"
#include "platform/ShapeWidget.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

using namespace Ovningsrunda;

namespace {

const QColor kLime = bgrFarg(0x00FF00);
const QColor kRed = bgrFarg(0x0000FF);

// Fields of an item: the word, its two forms and its Swedish meaning.
constexpr int FaltFraga = 1;
constexpr int FaltForsta = 2;
constexpr int FaltAndra = 3;
constexpr int FaltSvenska = 4;

int radHojd(const QWidget *w)
{
    return qMax(w->height(), w->fontMetrics().height());
}

} // namespace

Tskriv2::Tskriv2(QWidget *parent)
    : TSKRIV(parent)
{
    setObjectName(QStringLiteral("skriv2"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(qMax(1, 13 * Skalning / 100));
    setFont(f);

    Edit1->setMaxLength(40);
    SvarsLabel1 = Label5;
    SvarsLabel1->setObjectName(QStringLiteral("SvarsLabel1"));
    LampShape1 = LampShape;
    LampShape1->setObjectName(QStringLiteral("LampShape1"));
    Lampknapp = lampknapp;
    Lampknapp->setObjectName(QStringLiteral("Lampknapp"));
    Regelknapp = regelknapp;
    Regelknapp->setObjectName(QStringLiteral("Regelknapp"));
    Button4 = BitBtn1;
    Button4->setObjectName(QStringLiteral("Button4"));

    SvenskaLabel = new QLabel(this);
    SvenskaLabel->setObjectName(QStringLiteral("SvenskaLabel"));
    SvenskaLabel->setFont(FrageLabel1->font());
    SvenskaLabel->setPalette(FrageLabel1->palette());

    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setFont(Edit1->font());
    Edit2->setPalette(Edit1->palette());
    Edit2->setMaxLength(40);
    Edit2->setContextMenuPolicy(Qt::CustomContextMenu);
    Edit2->installEventFilter(this);
    connect(Edit2, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &p) { PopupMenu1->popup(Edit2->mapToGlobal(p)); });
    Edit2->hide();
    Edit2->setEnabled(false);

    SvarsLabel2 = new QLabel(this);
    SvarsLabel2->setObjectName(QStringLiteral("SvarsLabel2"));
    SvarsLabel2->setFont(SvarsLabel1->font());
    SvarsLabel2->setPalette(SvarsLabel1->palette());
    SvarsLabel2->hide();

    for (ShapeWidget **s : {&SkiljeShape1, &SkiljeShape2}) {
        *s = new ShapeWidget(ShapeWidget::Form::Rectangle, this);
        (*s)->setBrushColor(kLime);
        (*s)->setPenColor(kLime);
    }
    SkiljeShape1->setObjectName(QStringLiteral("SkiljeShape1"));
    SkiljeShape2->setObjectName(QStringLiteral("SkiljeShape2"));

    LampShape2 = new ShapeWidget(ShapeWidget::Form::Circle, this);
    LampShape2->setObjectName(QStringLiteral("LampShape2"));
    LampShape2->setToolTip(LampShape1->toolTip());
    LampShape2->setBrushColor(kLime);
    LampShape2->hide();

    // The second box's lamp, as the first box's (the template's).
    connect(Edit2, &QLineEdit::textChanged, this, &Tskriv2::KollaEdit2);
    connect(LampShape2, &ShapeWidget::mousePressed, this, &Tskriv2::LampShape1MouseDown);
}

void Tskriv2::Edit1Change()
{
    KollaEdit1();
}

void Tskriv2::LampShapeMouseDown()
{
    LampShape1MouseDown();
}

void Tskriv2::raknaLedtradar()
{
    AntalLedtradar = 0; // the two forms leave no room for hints
}

bool Tskriv2::harRegelknapp() const
{
    return Programtal == 52100 || Programtal == 52200;
}

bool Tskriv2::lampanKollar() const
{
    return OvningsLage == Ovning || arDiagnosOvning() || OvningsLage == DiagnosFelRunda;
}

void Tskriv2::efterSkapandet()
{
    InstruktionsLabel->hide();
    const int M = Marginal;
    const int x = InstruktionsLabel->x();
    InstruktionsLabel->move(x, OverskriftYtterShape->y() + OverskriftYtterShape->height() + 4);
    FrageLabel1->move(x, InstruktionsLabel->y() + radHojd(InstruktionsLabel) * 3 / 2);
    Edit1->move(x, FrageLabel1->y() + radHojd(FrageLabel1) * 4 / 3);
    const int ruta = Edit1->height();
    Edit2->setGeometry(x, Edit1->y() + ruta * 4 / 3, Edit2->width(), ruta);
    const int bredd = qMax(M, width() - Aster1->width() - 2 * M - x);
    const int streck = qMax(2, skala(4));
    SkiljeShape1->setGeometry(x, Edit2->y() + ruta * 4 / 3, bredd, streck);
    const int etikett = radHojd(SvarsLabel1);
    SvarsLabel1->move(x, SkiljeShape1->y() + SkiljeShape1->height() + ruta / 3);
    SvarsLabel2->move(x, SvarsLabel1->y() + etikett * 4 / 3);
    SkiljeShape2->setGeometry(x, SvarsLabel2->y() + etikett * 4 / 3, bredd, streck);
    SvenskaLabel->move(FrageLabel1->x(), SkiljeShape2->y() + SkiljeShape2->height() + etikett / 3);

    // The button row under the Swedish word: the lamp button, then the rules
    // button (the hint buttons stay hidden in this window).
    lampknapp->move(SvarsLabel1->x(), SvenskaLabel->y() + lampknapp->height() * 3 / 2);
    for (QPushButton *b : {Helpknapp1, HelpKnapp2, regelknapp})
        b->setGeometry(lampknapp->x() + lampknapp->width() + M, lampknapp->y(), b->width(), lampknapp->height());
    lampknapp->setVisible(OvningsLage != Arbetsblad && OvningsLage != DiagnosTest);
    LampShape1->hide();
    LampShape2->hide();
    placeraLampor();

    UtskriftRubrik = OvningsRubrik[1].isEmpty() ? QStringLiteral("Die Adjektive steigern")
                                                : ArbetsbladsLage::avsnittsRubrik();
    UtskriftInstruktion.clear();
}

QList<TUtskrift::Rad> Tskriv2::arbetsbladAvsnitt()
{
    // The title set at creation.
    return ArbetsbladsLage::avsnitt(QString());
}

QList<TUtskrift::Rad> Tskriv2::arbetsbladUppgift(const QString &prefix, bool)
{
    using K = TUtskrift::RadKlass;
    dela_mening(20, 700, postFalt(FaltFraga), 2);
    const QString rad1 = prefix + MeningsRader[1];
    QList<TUtskrift::Rad> rader{{K::Uppgift, rad1, rad1}};
    if (!MeningsRader[2].isEmpty()) {
        const QString rad2 = QString(6, QLatin1Char(' ')) + MeningsRader[2];
        rader.append({K::Fortsattning, rad2, rad2});
    }
    QString svar = QString(7, QLatin1Char(' ')) + postFalt(FaltForsta) + QStringLiteral(", ") + postFalt(FaltAndra);
    // An item without its Swedish word gets no empty brackets.
    if (!postFalt(FaltSvenska).isEmpty())
        svar += QStringLiteral(" (") + postFalt(FaltSvenska) + QLatin1Char(')');
    rader.append({K::Fortsattning, ArbetsbladsLage::skrivLinje(), svar});
    return rader;
}

void Tskriv2::placeraLampor()
{
    // Each lamp beside its own box.
    const int M = Marginal;
    const int sida = qMax(8, Edit1->height() - 12);
    LampShape1->setGeometry(Edit1->x() + Edit1->width() + M / 2, Edit1->y() + 6, sida, sida);
    LampShape2->setGeometry(Edit2->x() + Edit2->width() + M / 2, Edit2->y() + 6, sida, sida);
}

void Tskriv2::visaFragan()
{
    PausTid = 3; // this exercise always pauses three seconds
    SvarsSteg = 0;
    ForstaSvaretRatt = false;
    FrageLabel2->hide();
    sattText(FrageLabel1, postFalt(FaltFraga));
    FrageLabel1->show();
    sattText(SvarsLabel1, postFalt(FaltForsta));
    sattText(SvarsLabel2, postFalt(FaltAndra));
    sattText(SvenskaLabel, postFalt(FaltSvenska));
    SvenskaLabel->show();
    const QFontMetrics fm(Edit1->font());
    Edit1->resize(fm.horizontalAdvance(postFalt(FaltForsta)) + 60, Edit1->height());
    Edit2->resize(fm.horizontalAdvance(postFalt(FaltAndra)) + 60, Edit2->height());

    if (OvningsLage == Arbetsblad) {
        SvenskaLabel->hide();
        SvarsLabel1->show();
        SvarsLabel2->show();
    } else {
        SvarsLabel2->hide();
        Edit2->hide();
        Edit2->setEnabled(false);
        Edit2->clear(); // a new item starts with both boxes empty
        LampShape2->hide();
        LampShape1->setBrushColor(kLime);
        LampShape2->setBrushColor(kLime);
    }
    placeraLampor();
}

bool Tskriv2::Edit1KeyPress(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        forstaSvaret();
        return true;
    }
    if (key == Qt::Key_Escape) {
        if (m_cykel.avbryt()) {
            lampknapp->setEnabled(false);
            Edit1->setEnabled(false);
            Helpknapp1->hide();
            visaSlutpanelen();
        }
        return true;
    }
    return false;
}

bool Tskriv2::Edit2KeyPress(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        andraSvaret();
        return true;
    }
    if (key == Qt::Key_Escape) {
        // The first answer's pause ends with the end panel.
        Edit2->setEnabled(false);
        if (m_cykel.avbryt()) {
            lampknapp->setEnabled(false);
            visaSlutpanelen();
        }
        return true;
    }
    return false;
}

void Tskriv2::forstaSvaret()
{
    SvarsSteg = 1;
    SvarsVariant = 1;
    ForstaSvaretRatt = svarstest(postFalt(FaltForsta), Edit1->text(), 1) == SvarRatt;
    if (!ForstaSvaretRatt) {
        // The right first form stays shown, and its pause runs, while the
        // pupil goes on.
        SvarsLabel1->show();
        m_cykel.borjaPaus();
    }
    visaCykeln();
    Edit1->setEnabled(false);
    if (lampanKollar() && LampaPa == 1) {
        LampShape2->show();
        LampShape2->raise();
    }
    Edit2->setEnabled(true);
    Edit2->show();
    Edit2->setFocus();
}

void Tskriv2::andraSvaret()
{
    lampknapp->setEnabled(false);
    SvarsSteg = 0;
    SvarsVariant = 2;
    m_andraSvaretRatt = svarstest(postFalt(FaltAndra), Edit2->text(), 1) == SvarRatt;
    Edit2->setEnabled(false);
    setFocus(); // keys now reach the window: Space ends the pause
    // The item is right when both forms are.
    const bool ratt = m_andraSvaretRatt && ForstaSvaretRatt;
    efterSvaret(ratt, !ratt);
}

void Tskriv2::visaRattelse()
{
    regelknapp->setEnabled(false);
    if (!m_andraSvaretRatt) {
        SvarsLabel2->show();
        TimerTick = 0; // the right second form gets a whole pause of its own
    }
}


void Tskriv2::aktiveraSvar()
{
    QLineEdit *ruta = SvarsSteg == 1 ? Edit2 : Edit1;
    ruta->setEnabled(true);
    ruta->show();
    ruta->setFocus();
}

void Tskriv2::Timer1Timer()
{
    if (SvarsSteg == 1) {
        // The first form's pause runs on while the second box is in use; the
        // count goes on into the pause after the second answer.
        m_cykel.tick();
        return;
    }
    TSKRIV::Timer1Timer();
}

void Tskriv2::keyPressEvent(QKeyEvent *e)
{
    // Space ends the pause after the second answer at once.
    if (e->key() == Qt::Key_Space && SvarsSteg == 0 && m_cykel.lage() == Postcykel::Lage::Rattelse
        && !rundanSlut()) {
        NyPost();
        e->accept();
        return;
    }
    TSKRIV::keyPressEvent(e);
}

bool Tskriv2::eventFilter(QObject *o, QEvent *e)
{
    if ((o == Edit1 || o == Edit2) && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(e)->key();
        if (o == Edit1 ? Edit1KeyPress(key) : Edit2KeyPress(key))
            return true;
        // Alt+S and Ctrl+S give "ß" in both boxes, as in the template's one.
        return TSKRIV::eventFilter(Edit1, e);
    }
    return TSKRIV::eventFilter(o, e);
}

void Tskriv2::KollaEdit1()
{
    if (LampaPa != 1 || !lampanKollar())
        return;
    SvarsVariant = 1;
    LampShape1->setBrushColor(GreenRedTest(Edit1->text(), postFalt(FaltForsta)) == LampaGron ? kLime : kRed);
}

void Tskriv2::KollaEdit2()
{
    // The second lamp lights once the first answer is given.
    if (LampaPa != 1 || SvarsSteg != 1 || !lampanKollar())
        return;
    SvarsVariant = 2;
    LampShape2->setBrushColor(GreenRedTest(Edit2->text(), postFalt(FaltAndra)) == LampaGron ? kLime : kRed);
}

void Tskriv2::LampknappClick()
{
    if (LampaPa == 1) {
        m_cykel.slackLampan();
        LampShape1->hide();
        LampShape2->hide();
        return;
    }
    m_cykel.slaPaLampan();
    lampknapp->hide();
    LampShape1->show();
    LampShape1->raise();
    KollaEdit1();
    LampShape2->setVisible(SvarsSteg == 1);
    if (SvarsSteg == 1) {
        LampShape2->raise();
        KollaEdit2();
    }
    // The box of the answer awaited is enabled while it stands on screen.
    QLineEdit *ruta = SvarsSteg == 1 ? Edit2 : Edit1;
    if (ruta->isEnabled())
        ruta->setFocus();
}

void Tskriv2::LampShape1MouseDown()
{
    m_cykel.slackLampan();
    LampShape1->hide();
    LampShape2->hide();
    lampknapp->show();
}

void Tskriv2_Visa()
{
    Tskriv2 w;
    w.FormCreate();
    w.exec();
}
