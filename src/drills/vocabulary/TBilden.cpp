#include "drills/vocabulary/TBilden.h"

#include "frame/Ovningsrunda.h"
#include "frame/TAster.h"
#include "frame/fields.h"
#include "frame/pictures.h"
#include "frame/scale.h"
#include "frame/vrsku1.h"
#include "platform/MessageBox.h"
#include "platform/ProgramPath.h"
#include "platform/ShapeWidget.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace Ovningsrunda;

namespace {

// The answer box is this much wider than the answer.
constexpr int SvarsMarginal = 60;

} // namespace

QString kroppsbildFil(quint16 programtal)
{
    static const char *const bilder[] = {"KROPPEN", "HUVUDET", "HALS", "NJURE", "MAGE", "MUN", "SKELETT"};
    if (programtal < 21301 || programtal > 21307)
        return {};
    return QStringLiteral("\\BILD\\KROPP\\") + QLatin1String(bilder[programtal - 21301]) + QStringLiteral(".BMP");
}

TBilden::TBilden(QWidget *parent)
    : TSKRIV(parent)
{
    setObjectName(QStringLiteral("Bilden"));
    setFont(skaladArial(16));

    // The template's reward panel is a plain panel here that covers the
    // question at the end of a round; the body picture takes the name Image1.
    Bildpanelen = BildPanelen;
    Bildpanelen->setObjectName(QStringLiteral("Bildpanelen"));
    Bildpanelen->setAutoFillBackground(true);
    Image1->setObjectName(QString());
    Image1->hide();
    Kroppsbild = new QLabel(this);
    Kroppsbild->setObjectName(QStringLiteral("Image1"));
    Kroppsbild->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    SvarsLabel = Label5;
    SvarsLabel->setObjectName(QStringLiteral("SvarsLabel"));
    SvarsLabel->setFont(skaladArial(20));
    FrageLabel1->setFont(skaladArial(18));
    FrageLabel2->setFont(skaladArial(18));
    FrageLabel3 = new QLabel(this);
    FrageLabel3->setObjectName(QStringLiteral("FrageLabel3"));
    FrageLabel3->hide();
    Edit1->setFont(skaladArial(20));
    InstruktionsLabel->setFont(skaladArial(16));
    sattText(InstruktionsLabel, QStringLiteral("Besvara frågorna."));
}

QString TBilden::svarFalt() const
{
    return postFalt(2);
}

void TBilden::raknaLedtradar()
{
    AntalLedtradar = 0;
}

void TBilden::visaFragan()
{
    FrageLabel1->clear();
    FrageLabel2->clear();
    sattText(SvarsLabel, svarFalt());
    dela_mening(FrageLabel1->x(), Aster1->x() - Marginal, postFalt(1), 3, FrageLabel2->font());
    if (MeningsRader[2].isEmpty()) {
        FrageLabel1->hide();
        sattText(FrageLabel2, MeningsRader[1]);
    } else {
        sattText(FrageLabel1, MeningsRader[1]);
        FrageLabel1->show();
        // the lines keep their blanks at the break: together they are the text
        sattText(FrageLabel2, MeningsRader[2] + MeningsRader[3]);
    }
    FrageLabel2->show();
    // A line that runs under the score squares shrinks to the room before them.
    for (QLabel *l : {FrageLabel1, FrageLabel2})
        passaEtikett(l, QRect(l->x(), l->y(), Aster1->x() - Marginal / 2 - l->x(), l->height()));

    int bredd = SvarsLabel->fontMetrics().horizontalAdvance(svarFalt()) + SvarsMarginal;
    if (Edit1->x() + bredd > Aster1->x())
        bredd = Aster1->x() - Edit1->x() - 4;
    Edit1->resize(bredd, Edit1->height());
    sattText(Label16, rattSvar());
}

void TBilden::laddaKroppsbilden(const QSize &plats)
{
    const QString fil = kroppsbildFil(Programtal);
    const QPixmap bild = laddaBild(fil, plats);
    if (bild.isNull()) {
        // The picture is only shown: the questions go on without it.
        Kroppsbild->clear();
        Kroppsbild->hide();
        const QString rot = CDPath.trimmed().isEmpty() ? PCPath : CDPath;
        MessageBox::showMessage(QStringLiteral("Filen ") + ProgramPath::normalise(rot + fil)
                                + QStringLiteral(" finns inte eller är felaktig"));
        return;
    }
    Kroppsbild->setPixmap(bild);
    Kroppsbild->resize(bild.size());
    Kroppsbild->show();
}

void TBilden::efterSkapandet()
{
    const QSize s = skarmStorlek();
    const int W = s.width();
    const int H = s.height();
    const int M = Marginal;
    InstruktionsLabel->show();

    // The end panel spans the screen.
    Panel1->setGeometry(M, Panel1->y(), W - 2 * M, Panel1->height());
    radaUppSlutpanelen({Button1, Button2, Button3, BitBtn1});

    // The picture at the left, as high as the room above the end panel.
    const int hojd = Panel1->y() - 2 * M;
    Kroppsbild->setGeometry(M, M, qMin(hojd * 2 / 3, W * 2 / 5), hojd);
    laddaKroppsbilden(Kroppsbild->size());

    // The title box right of the picture.
    const int vanster = Kroppsbild->x() + Kroppsbild->width() + 2 * M;
    // (on a tall screen the score column is wider than the margin)
    const int bredd = qMin(W - vanster - W * 5 / 64, Aster1->x() - M - vanster);
    OverskriftYtterShape->setGeometry(vanster, OverskriftYtterShape->y(), bredd, OverskriftYtterShape->height());
    OverskriftInnerShape->setGeometry(vanster + M / 2, OverskriftInnerShape->y(), bredd - M,
                                      OverskriftInnerShape->height());
    RitaOverskriften(OvningsRubrik[1], OvningsRubrik[2], OvningsRubrik[3]);

    // Instruction, question, answer box and right answer under its left edge.
    const auto rad = [](const QWidget *w) { return w->fontMetrics().height(); };
    InstruktionsLabel->move(vanster, OverskriftYtterShape->y() + OverskriftYtterShape->height() + rad(InstruktionsLabel) / 2);
    // A long instruction shrinks to the room left of the score squares.
    passaEtikett(InstruktionsLabel, QRect(vanster, InstruktionsLabel->y(), Aster1->x() - M / 2 - vanster,
                                          InstruktionsLabel->height()));
    FrageLabel1->move(vanster, InstruktionsLabel->y() + 3 * rad(InstruktionsLabel) / 2);
    FrageLabel2->move(vanster, FrageLabel1->y() + 5 * rad(FrageLabel1) / 4);
    Edit1->move(vanster, FrageLabel2->y() + 3 * rad(FrageLabel2) / 2);
    SvarsLabel->move(vanster, Edit1->y() + 3 * Edit1->height() / 2);

    const int panelVanster = Kroppsbild->x() + Kroppsbild->width() + M;
    const int panelTopp = (H / 48) * 10 - M / 3;
    Bildpanelen->setGeometry(panelVanster, panelTopp, Aster1->x() - M - panelVanster,
                             Panel1->y() - M / 5 - panelTopp);
    LovordPanel->setGeometry(Bildpanelen->x(), Panel1->y() - LovordPanel->height() - M / 5, Bildpanelen->width(),
                             LovordPanel->height());

    // The first item was shown before this layout: show it again in place.
    visaFragan();
}

void TBilden::vidSlutPausen()
{
    // After the round's last answer the end panel shows at once; the round
    // end itself follows the pause of a wrong answer.
    visaSlutpanelen();
}

void TBilden::Avslutning()
{
    // The body picture stays; the panel covers the question.
    Bildpanelen->show();
    Bildpanelen->raise();
    TSKRIV::Avslutning();
    Edit1->setEnabled(false);
}

void TBilden_Visa()
{
    TBilden w;
    w.FormCreate();
    w.exec();
}
