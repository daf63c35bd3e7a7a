#include "frame/catalogue/MenyFonster.h"

#include "frame/catalogue/fonsterregister.h"
#include "frame/catalogue/meny.h"
#include "frame/datafiles.h"
#include "frame/scale.h"
#include "frame/vrsku1.h"
#include "platform/ShapeWidget.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr quint32 Navy = 0x800000;
constexpr quint32 Maroon = 0x000080;

// Layout of the column, in pixels at 100 %.
constexpr int TitelTopp = 6;
constexpr int KnappVanster = 10;
constexpr int KnappHojd = 26;
constexpr int MinstaSteg = 28;
constexpr int StorstaSteg = 33;

} // namespace

MenyFonster::MenyFonster(const KatalogMeny &meny, QWidget *parent)
    : QDialog(parent)
    , m_meny(meny)
{
    setObjectName(meny.instans);
    setWindowTitle(QStringLiteral("Varmiko"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    bygg();
    FormCreate();
}

void MenyFonster::bygg()
{
    const int W = m_meny.plats.width();
    const int H = m_meny.plats.height();
    setFixedSize(W, H);

    // A single border is the black window edge round the panel.
    const int kant = m_meny.enkelKant ? 1 : 0;
    fyllFarg(this, Qt::black);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(3);
    Panel1->setGeometry(kant, kant, W - 2 * kant, H - 2 * kant);
    Panel1->setAutoFillBackground(true);

    Label1 = new QLabel(m_meny.rubrik, Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(arial(m_meny.rubrikHojd, true));
    fargRoller(Label1, {QPalette::WindowText}, Qt::yellow);
    const int titelHojd = m_meny.rubrikHojd + 8;
    Label1->setGeometry(0, TitelTopp, Panel1->width(), titelHojd);

    const int n = int(m_meny.knappar.size());
    const int forsta = TitelTopp + titelHojd + 4;
    const int utrymme = Panel1->height() - forsta - 8;
    const int steg = std::clamp(n > 0 ? utrymme / n : MinstaSteg, MinstaSteg, StorstaSteg);
    const int block = steg * (n - 1) + KnappHojd;
    const int topp = forsta + std::max(0, (utrymme - block) / 2);
    const QFont knappFont = arial(m_meny.knappHojd, true);

    for (int i = 0; i < n; ++i) {
        auto *b = new QPushButton(m_meny.knappar[size_t(i)].text, Panel1);
        b->setObjectName(QStringLiteral("Button%1").arg(i + 1));
        b->setFont(knappFont);
        fargRoller(b, {QPalette::ButtonText}, Qt::black);
        // Enter presses the button that has the focus, never another one.
        b->setAutoDefault(false);
        b->setGeometry(KnappVanster, topp + i * steg, Panel1->width() - 2 * KnappVanster, KnappHojd);
        connect(b, &QPushButton::clicked, this, [this, i] { knappKlick(i + 1); });
        knappar.append(b);
    }
}

void MenyFonster::FormCreate()
{
    skalaFonster(this);
    Label1->setGeometry(Marginal / 2, Label1->y(), Panel1->width() - Marginal, Label1->height());
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    move(m_meny.plats.left() * Skalning / 100, m_meny.plats.top() * Skalning / 100);
    // The menu's own place, as far as the screen has room for it there.
    klampaIn(this, QRect(QPoint(0, 0), skarmStorlek()));

    const bool arbetsblad = OvningsLage == 1;
    fargRoller(Panel1, {QPalette::Window}, bgrFarg(arbetsblad && m_meny.arbetsbladsFarg ? Maroon : Navy));

    for (int i = 0; i < knappar.size(); ++i) {
        const KatalogKnapp &k = m_meny.knappar[size_t(i)];
        bool till = !(arbetsblad && k.avIArbetsblad);
        if (k.sort == KnappSort::Ovning || k.sort == KnappSort::Sida)
            till = till && harFonster(k.mal);
        knappar[i]->setEnabled(till);
    }
}

void MenyFonster::knappKlick(int nr)
{
    if (nr < 1 || nr > knappar.size() || !knappar[nr - 1]->isEnabled())
        return;
    const KatalogKnapp &k = m_meny.knappar[size_t(nr - 1)];
    switch (k.sort) {
    case KnappSort::Meny:
        visaMeny(k.mal);
        break;
    case KnappSort::Ovning: {
        DataFilNamn = k.datafil;
        // A refused file has been reported; the menu stays as it is, and
        // so does the main window behind it.
        const bool ok = m_meny.kolla2 ? Kolla2(k.datafil) : Kolla(k.datafil);
        if (ok)
            visaFonster(k.mal);
        break;
    }
    case KnappSort::Sida:
        if (k.programtal != 0)
            Programtal = k.programtal;
        visaFonster(k.mal, k.argument);
        break;
    case KnappSort::Tillbaka:
        reject();
        break;
    }
}

void MenyFonster::keyPressEvent(QKeyEvent *e)
{
    // Enter presses the focused button (the application's key filter does
    // that); it never picks a default button of the dialog.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        return;
    }
    // Esc (and the window manager's close) take the back button's way: reject.
    QDialog::keyPressEvent(e);
}
