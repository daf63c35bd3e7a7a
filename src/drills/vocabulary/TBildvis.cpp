#include "drills/vocabulary/TBildvis.h"

#include "frame/Ovningsrunda.h"
#include "frame/TAster.h"
#include "frame/answercheck.h"
#include "frame/fields.h"
#include "frame/pictures.h"
#include "frame/scale.h"
#include "frame/sound.h"
#include "frame/vrsku1.h"
#include "platform/DesignTimer.h"
#include "platform/MessageBox.h"
#include "platform/ProgramPath.h"
#include "platform/Random.h"
#include "platform/ShapeWidget.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>

using namespace Ovningsrunda;

namespace {

const QColor kNavy = bgrFarg(0x800000);
const QColor kMaroon = bgrFarg(0x000080);
const QColor kAqua = bgrFarg(0xFFFF00);

QFont punkter(QFont f, int storlek)
{
    f.setPointSize(qMax(1, storlek));
    f.setBold(true);
    return f;
}

} // namespace

QString bildvisBildFil(quint16 programtal, qint32 post)
{
    QString katalog;
    if (programtal >= 21410 && programtal <= 21440)
        katalog = QStringLiteral("\\BILD\\VAXTER\\T");
    else if (programtal >= 21510 && programtal <= 21550)
        katalog = QStringLiteral("\\BILD\\DJUR\\T");
    if (katalog.isEmpty() || post < 1 || post > 99)
        return {};
    return katalog + QString::number(programtal).left(4) + QStringLiteral("%1").arg(post, 2, 10, QChar(u'0'))
           + QStringLiteral(".BMP");
}

QString fagelSang(qint32 post)
{
    switch (post) {
    case 1: return QStringLiteral("BERGUV.WAV");
    case 3: return QStringLiteral("BLAMES.WAV");
    case 4: return QStringLiteral("BOFINK.WAV");
    case 7: return QStringLiteral("SV_FLUGS.WAV");
    case 10: return QStringLiteral("GOK.WAV");
    case 13: return QStringLiteral("KATTUGGL.WAV");
    case 15: return QStringLiteral("KOLTRAST.WAV");
    case 16: return QStringLiteral("KORP.WAV");
    case 17: return QStringLiteral("KRAKA.WAV");
    case 22: return QStringLiteral("RODHAKE.WAV");
    case 25: return QStringLiteral("SKATA.WAV");
    case 26: return QStringLiteral("SPILLKRA.WAV");
    case 28: return QStringLiteral("SANGLARK.WAV");
    case 30: return QStringLiteral("TALGOXE.WAV");
    case 32: return QStringLiteral("TOFSVIPA.WAV");
    default: return {};
    }
}

TBildvis::TBildvis(QWidget *parent)
    : TSKRIV(parent)
{
    setObjectName(QStringLiteral("Bildvis"));
    // Nothing is typed here: no answer box and no lamp.
    Edit1->hide();
    Edit1->setEnabled(false);
    lampknapp->hide();
    LampShape->hide();
    FrageLabel1->hide();
    FrageLabel2->hide();
    sattText(InstruktionsLabel, QStringLiteral("Besvara frågorna. "));
    Button4 = BitBtn1;
    Button4->setObjectName(QStringLiteral("Button4"));

    SvensktOrd = new QLabel(this);
    SvensktOrd->setObjectName(QStringLiteral("SvensktOrd"));
    SvensktOrd->setFont(skaladArial(27, true));
    textfarg(SvensktOrd, kNavy);

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setAlignment(Qt::AlignCenter);

    BreddLabel = new QLabel(this);
    BreddLabel->setObjectName(QStringLiteral("BreddLabel"));
    BreddLabel->hide();

    for (int k = 1; k <= 3; ++k) {
        auto *nr = new QLabel(QString::number(k), this);
        nr->setObjectName(QStringLiteral("NrPanel%1").arg(k));
        nr->setAlignment(Qt::AlignCenter);
        nr->setFont(skaladArial(20, true));
        nr->setFrameStyle(QFrame::Panel | QFrame::Raised);
        nr->setLineWidth(2);
        nr->setAutoFillBackground(true);
        auto *panel = new QFrame(this);
        panel->setObjectName(QStringLiteral("AlternativPanel%1").arg(k));
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        panel->setLineWidth(2);
        panel->setAutoFillBackground(true);
        auto *text = new QLabel(panel);
        text->setObjectName(QStringLiteral("AltLabel%1").arg(k));
        text->setFont(skaladArial(20, true));
        textfarg(text, kNavy);
        for (QWidget *w : {static_cast<QWidget *>(nr), static_cast<QWidget *>(panel), static_cast<QWidget *>(text)}) {
            w->setMouseTracking(true);
            w->installEventFilter(this);
        }
        NrPanel[k] = nr;
        AlternativPanel[k] = panel;
        AltLabel[k] = text;
    }

    RattSvarLabel = Label5;
    RattSvarLabel->setObjectName(QStringLiteral("RattSvarLabel"));
    RattSvarLabel->setFont(skaladArial(27, true));
    textfarg(RattSvarLabel, kMaroon);

    HoraLjudetButton = new QPushButton(QStringLiteral("&Gesang hören"), this);
    HoraLjudetButton->setObjectName(QStringLiteral("HoraLjudetButton"));
    HoraLjudetButton->setAutoDefault(false);
    HoraLjudetButton->setFocusPolicy(Qt::NoFocus);
    HoraLjudetButton->hide();
    connect(HoraLjudetButton, &QPushButton::clicked, this, &TBildvis::HoraLjudetButtonClick);
}

QString TBildvis::fragaFalt() const
{
    return postFalt(4);
}

QString TBildvis::svarFalt() const
{
    return postFalt(1);
}

quint16 TBildvis::kontrollera(const QString &svar) const
{
    return svarstest(postFalt(1), svar, 1);
}

void TBildvis::raknaLedtradar()
{
    AntalLedtradar = 0;
}

qint32 TBildvis::postensNummer() const
{
    return FelRunda != 0 ? FelPost : qint32(SlumpPost);
}

bool TBildvis::pausPagar() const
{
    return m_cykel.pausPagar();
}

void TBildvis::stoppaSangen()
{
    if (SangSpelas) {
        stoppaLjud();
        SangSpelas = 0;
    }
}

void TBildvis::aktiveraRader(bool pa)
{
    m_raderAktiva = pa;
    for (int k = 1; k <= 3; ++k) {
        NrPanel[k]->setEnabled(pa);
        AlternativPanel[k]->setEnabled(pa);
    }
    markeraRad(0);
}

void TBildvis::markeraRad(int k)
{
    const QColor normal = palette().color(QPalette::Button);
    for (int i = 1; i <= 3; ++i) {
        fargRoller(NrPanel[i], {QPalette::Window}, i == k ? kAqua : normal);
        fargRoller(AlternativPanel[i], {QPalette::Window}, i == k ? kAqua : normal);
    }
}

void TBildvis::visaFragan()
{
    stoppaSangen();
    const QSize s = skarmStorlek();
    const int W = s.width();
    const int M = Marginal;
    SkarmEnhet = W / 32;
    FrageLabel1->hide();
    FrageLabel2->hide();

    // The picture at the left under the instruction; the name, the choices
    // and the right answer in a column beside it.
    const int x0 = skala(33);
    const int topp = InstruktionsLabel->y() + InstruktionsLabel->height() + M;
    const int rum = qMax(40, Panel1->y() - M - topp);
    const int bildBredd = qMin(W * 2 / 5, rum * 4 / 3);
    Image2->setGeometry(x0, topp, bildBredd, bildBredd * 3 / 4);
    const int x1 = Image2->x() + Image2->width() + 2 * M;
    const int kolumn = qMax(SkarmEnhet, Aster1->x() - M - x1);

    sattText(SvensktOrd, postFalt(4));
    SvensktOrd->move(x1, topp);
    SvensktOrd->show();

    AltAntal = 1;
    if (!postFalt(2).isEmpty()) {
        AltAntal = 2;
        if (!postFalt(3).isEmpty())
            AltAntal = 3;
    }
    for (int k = 1; k <= 3; ++k)
        AltOrdning[k] = k <= AltAntal ? k : 0;
    std::shuffle(AltOrdning.begin() + 1, AltOrdning.begin() + 1 + AltAntal, Random::generator());
    RattPosition = 1;
    for (int k = 1; k <= AltAntal; ++k)
        if (AltOrdning[k] == 1)
            RattPosition = k;

    // One font for the choices: the widest at 18 points, made smaller while
    // it is too wide for the screen or the column.
    BreddLabel->setFont(punkter(font(), 12));
    int bredast = 1;
    for (int f = 2; f <= AltAntal; ++f)
        if (BreddLabel->fontMetrics().horizontalAdvance(postFalt(f))
            > BreddLabel->fontMetrics().horizontalAdvance(postFalt(bredast)))
            bredast = f;
    int storlek = 18;
    BreddLabel->setFont(punkter(font(), storlek));
    const auto bredd = [&] { return BreddLabel->fontMetrics().horizontalAdvance(postFalt(bredast)); };
    // the number panel is as wide as a row at 18 points is high
    const int nummerBredd = BreddLabel->fontMetrics().height() + M / 2;
    while (storlek > 1 && bredd() > 24 * SkarmEnhet)
        BreddLabel->setFont(punkter(font(), --storlek));
    while (storlek > 6 && bredd() + SkarmEnhet + nummerBredd + M > kolumn)
        BreddLabel->setFont(punkter(font(), --storlek));

    const QFont altFont = punkter(font(), storlek);
    const int textBredd = bredd() + SkarmEnhet;
    const int radHojd = QFontMetrics(altFont).height() + M / 2;
    int y = SvensktOrd->y() + SvensktOrd->height() + M;
    for (int k = 1; k <= 3; ++k) {
        AltLabel[k]->setFont(altFont);
        AltLabel[k]->setText(k <= AltAntal ? postFalt(AltOrdning[k]) : QString());
        AltLabel[k]->setGeometry(SkarmEnhet / 2, (radHojd - QFontMetrics(altFont).height()) / 2, textBredd,
                                 QFontMetrics(altFont).height());
        NrPanel[k]->setGeometry(x1, y, radHojd, radHojd);
        AlternativPanel[k]->setGeometry(x1 + radHojd + M / 2, y, textBredd + SkarmEnhet / 2, radHojd);
        const bool syns = k <= AltAntal; // the third row only with three names
        NrPanel[k]->setVisible(syns);
        AlternativPanel[k]->setVisible(syns);
        y += radHojd + M / 2;
    }

    sattText(RattSvarLabel, postFalt(1));
    RattSvarLabel->move(x1, y + M / 2);
    HoraLjudetButton->adjustSize();
    HoraLjudetButton->move(x1, RattSvarLabel->y() + RattSvarLabel->height() + M);

    aktiveraRader(true);
    TimerTick = 0;
    SvarVisas = 0;

    // The picture of the item, when there is one.
    const qint32 n = postensNummer();
    const QPixmap bild = laddaBild(bildvisBildFil(Programtal, n), Image2->size());
    if (bild.isNull()) {
        Image2->clear();
        Image2->hide();
    } else {
        Image2->setPixmap(bild);
        Image2->show();
    }
    HoraLjudetButton->setVisible(Programtal == 21510 && (LjudInst == 1 || LjudInst == 3)
                                 && !fagelSang(n).isEmpty());
    setFocus(); // the keys 1 to 3 reach the window
}

void TBildvis::efterSkapandet()
{
    // A short file gives short rounds.
    PosterPerOmgang = PostAntal[ListNummer] < PosterPerOmgangInst ? PostAntal[ListNummer] : PosterPerOmgangInst;
    AntalPoster = PosterPerOmgang;
    PostNummer = 1;
    AntalRatt = 0;
    NyStartaAster(true);
}

void TBildvis::valjAlternativ(int k)
{
    // Keys and clicks count only while the rows take an answer.
    if (!m_raderAktiva || k < 1 || k > AltAntal || rundanSlut())
        return;
    setFocus();
    bedomSvaret(kontrollera(postFalt(AltOrdning[k])));
    if (rundanSlut())
        Image2->hide();
}

void TBildvis::visaRattelse()
{
    aktiveraRader(false);
    fargRoller(NrPanel[RattPosition], {QPalette::Window}, kAqua);
    fargRoller(AlternativPanel[RattPosition], {QPalette::Window}, kAqua);
    RattSvarLabel->show();
    SvarVisas = 1;
}

void TBildvis::aktiveraSvar()
{
    if (!pausPagar() && !rundanSlut())
        aktiveraRader(true);
    setFocus();
}

void TBildvis::visaKnappraden()
{
    if (m_cykel.slutpanelen())
        return;
    aktiveraRader(false);
    stoppaSangen();
    avbrytRundan();
}

void TBildvis::HoraLjudetButtonClick()
{
    SangSpelas = 1;
    const QString fil = fagelSang(postensNummer());
    if (Programtal != 21510 || fil.isEmpty())
        return;
    // Looked for as every course file: the installation first, then the CD.
    LjudFilPrefix = QStringLiteral("BIRDS");
    const QString relativ = QStringLiteral("\\LJUD\\BIRDS\\") + fil;
    if (ProgramPath::exists(PCPath, relativ) || ProgramPath::exists(CDPath, relativ)) {
        SpelaUppWavLjud(fil);
    } else {
        // The place looked in last; an empty root is no root.
        const QString rot = CDPath.trimmed().isEmpty() ? PCPath : CDPath;
        MessageBox::showMessage(QStringLiteral("Filen ") + ProgramPath::forWriting(rot + relativ)
                                + QStringLiteral(" finns inte eller är felaktig"));
    }
    setFocus();
}

void TBildvis::Avslutning()
{
    stoppaSangen();
    HoraLjudetButton->hide();
    aktiveraRader(false);
    Image2->hide();
    TSKRIV::Avslutning();
}

void TBildvis::keyPressEvent(QKeyEvent *e)
{
    if (e->key() >= Qt::Key_1 && e->key() <= Qt::Key_3) {
        e->accept();
        if (!m_cykel.slutpanelen())
            valjAlternativ(e->key() - Qt::Key_0);
        return;
    }
    if (e->key() == Qt::Key_Escape && !m_cykel.slutpanelen()) {
        e->accept();
        visaKnappraden();
        return;
    }
    TSKRIV::keyPressEvent(e);
}

int TBildvis::radFor(QObject *o) const
{
    for (int k = 1; k <= 3; ++k)
        if (o == NrPanel[k] || o == AlternativPanel[k] || o == AltLabel[k])
            return k;
    return 0;
}

bool TBildvis::eventFilter(QObject *o, QEvent *e)
{
    if (const int k = radFor(o)) {
        switch (e->type()) {
        case QEvent::Enter:
        case QEvent::MouseMove:
            if (SvarVisas == 0 && m_raderAktiva)
                markeraRad(k);
            break;
        case QEvent::MouseButtonPress: {
            const auto *m = static_cast<QMouseEvent *>(e);
            if (m->button() == Qt::LeftButton)
                valjAlternativ(k);
            else if (m->button() == Qt::RightButton && m_raderAktiva)
                visaKnappraden();
            return true;
        }
        default:
            break;
        }
    }
    return TSKRIV::eventFilter(o, e);
}

void TBildvis_Visa()
{
    TBildvis w;
    w.FormCreate();
    w.exec();
}
