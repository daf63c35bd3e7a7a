#include "results/TUtskrift.h"

#include "frame/vrsku1.h"
#include "platform/Printing.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

constexpr int RadKlassRoll = Qt::UserRole + 1;

// Printed lines start here, and are wrapped to stay within the page.
constexpr int VansterMm = 20;
constexpr int RadBreddMm = 180;
// A task whose lines would reach below this (m × 8 mm from the position)
// begins a new page.
constexpr int SidGransMm = 276;
// No line is printed to end below this.
constexpr int SidBottenMm = 292;

const QString kArial = QStringLiteral("Arial");

} // namespace

PermanentWindow<TUtskrift> Utskrift([] { return new TUtskrift; }, [](TUtskrift *fonster) { delete fonster; });

TUtskrift::TUtskrift(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Utskrift"));
    setWindowTitle(QStringLiteral("Varmiko"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setModal(false);
    resize(512 * Skalning / 100, 284 * Skalning / 100);

    auto *yttre = new QVBoxLayout(this);
    yttre->setContentsMargins(0, 0, 0, 0);
    Panel7 = new QFrame(this);
    Panel7->setObjectName(QStringLiteral("Panel7"));
    Panel7->setFrameShape(QFrame::Box);
    Panel7->setFrameShadow(QFrame::Raised);
    yttre->addWidget(Panel7);

    auto *ram = new QVBoxLayout(Panel7);
    Panel8 = new QLabel(QStringLiteral("Skrivarkö"), Panel7);
    Panel8->setObjectName(QStringLiteral("Panel8"));
    Panel8->setAlignment(Qt::AlignCenter);
    Panel8->setFrameShape(QFrame::Panel);
    Panel8->setFrameShadow(QFrame::Raised);
    QFont f = Panel8->font();
    f.setBold(true);
    Panel8->setFont(f);
    ram->addWidget(Panel8);

    // The two lists lie in the same place: the one in front shows.
    auto *listor = new QGridLayout;
    ListBox1 = new QListWidget(Panel7);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox2 = new QListWidget(Panel7);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    listor->addWidget(ListBox1, 0, 0);
    listor->addWidget(ListBox2, 0, 0);
    ListBox2->hide();
    ram->addLayout(listor, 1);
}

TUtskrift::~TUtskrift()
{
    if (m_agare)
        m_agare->removeEventFilter(this);
}

QListWidget *TUtskrift::lista(int nr) const
{
    return nr == 2 ? ListBox2 : ListBox1;
}

void TUtskrift::LaggTill(const Rad &rad)
{
    // Lines added by hand elsewhere may have left the lists uneven; the new
    // line goes into the same row of both.
    while (ListBox1->count() < ListBox2->count())
        ListBox1->addItem(QString());
    while (ListBox2->count() < ListBox1->count())
        ListBox2->addItem(QString());
    auto *a = new QListWidgetItem(rad.blad);
    a->setData(RadKlassRoll, int(rad.klass));
    ListBox1->addItem(a);
    auto *b = new QListWidgetItem(rad.facit);
    b->setData(RadKlassRoll, int(rad.klass));
    ListBox2->addItem(b);
}

void TUtskrift::LaggTill(const QList<Rad> &rader)
{
    for (const Rad &r : rader)
        LaggTill(r);
}

int TUtskrift::antalRader() const
{
    return qMax(ListBox1->count(), ListBox2->count());
}

QString TUtskrift::radText(int nr, int i) const
{
    const QListWidgetItem *it = lista(nr)->item(i);
    return it ? it->text() : QString();
}

TUtskrift::RadKlass TUtskrift::radKlass(int nr, int i) const
{
    const QListWidgetItem *it = lista(nr)->item(i);
    if (!it)
        return RadKlass::Tom;
    const QVariant v = it->data(RadKlassRoll);
    return v.isValid() ? RadKlass(v.toInt()) : RadTyp(it->text());
}

TUtskrift::RadKlass TUtskrift::RadTyp(const QString &s)
{
    if (s.isEmpty())
        return RadKlass::Tom;
    if (s.at(0).isDigit())
        return RadKlass::Rubrik;
    int k = int(s.left(9).indexOf(QLatin1Char('.'))) + 1;
    if (k == 0)
        k = int(qMin(s.size(), qsizetype(10)));
    if (k >= 2 && s.at(k - 2).isDigit())
        return RadKlass::Uppgift;
    return RadKlass::Fortsattning;
}

void TUtskrift::TomArbetsbladet()
{
    ListBox1->clear();
    ListBox2->clear();
    SkrivRubrik = 1;
    SidNummer = 1;
    UtskriftAvsnitt = 0;
    UtskriftPostNr = 0;
}

QString TUtskrift::UtSkriftSvar(const QString &S)
{
    if (AntalAlternativ == 0)
        return S;
    int n = 10;
    while (n > 2 && PostFalt[n].isEmpty())
        --n;
    // The alternatives stand after the answer: never the answer itself, nor
    // a field before it.
    const int forsta = qMax(3, n - int(AntalAlternativ) + 1);
    QStringList alternativ;
    for (int k = forsta; k <= n; ++k) {
        if (PostFalt[k].startsWith(QLatin1Char('&')))
            PostFalt[k].remove(0, 1);
        if (!PostFalt[k].isEmpty())
            alternativ << PostFalt[k];
    }
    if (alternativ.isEmpty())
        return S;
    return S + QStringLiteral(" eller ") + alternativ.join(QStringLiteral(", ")) + QLatin1Char('.');
}

void TUtskrift::visaLista(int nr, QWidget *agare)
{
    if (agare && m_agare != agare) {
        if (m_agare)
            m_agare->removeEventFilter(this);
        // A modal window blocks every other window but its own children.
        setParent(agare, windowFlags());
        agare->installEventFilter(this);
        m_agare = agare;
        const QRect g = agare->geometry();
        move(g.x() + (g.width() - width()) / 2, g.y() + g.height() / 6);
    }
    QListWidget *fram = lista(nr);
    lista(3 - nr)->hide();
    fram->show();
    fram->raise();
    show();
    raise();
}

QListWidget *TUtskrift::listaIFronten() const
{
    return ListBox2->isVisibleTo(Panel7) ? ListBox2 : ListBox1;
}

void TUtskrift::slappAgare(QWidget *agare)
{
    hide();
    if (!agare || agare != m_agare)
        return;
    m_agare->removeEventFilter(this);
    m_agare = nullptr;
    setParent(nullptr, windowFlags());
}

bool TUtskrift::eventFilter(QObject *o, QEvent *e)
{
    // The exercise window closes: the printing window outlives it.
    if (o == m_agare && e->type() == QEvent::Hide)
        slappAgare(m_agare);
    return QDialog::eventFilter(o, e);
}

// --- Printing -------------------------------------------------------------

bool TUtskrift::SkrivutFraga(QWidget *dialogParent)
{
    if (arTom())
        return false;
    const int listNr = MedFacit == 1 ? 2 : 1;
    QWidget *over = dialogParent ? dialogParent : QApplication::activeModalWidget();
    const QString namn = listNr == 2 ? QStringLiteral("Arbetsblad från Varmiko. Facit")
                                     : QStringLiteral("Arbetsblad från Varmiko");
    return Printing::print(namn, [this, listNr](Printing::Sheet &s) { skrivUt(s, listNr); }, over);
}

void TUtskrift::skrivUt(Printing::Sheet &s, int listNr)
{
    m_antal = antalRader();
    s.setFont(kArial, 14);
    m_hm = s.yPixelToMm(s.textHeight(QStringLiteral("ÅgJj")));
    SkrivRubrik = 1;
    SkrivProgramRubrik(s);

    int bruten = -1; // a line breaks the page at most once
    for (int i = 0; i < m_antal;) {
        const RadKlass c = radKlass(listNr, i);
        const bool rubrik = radKlass(1, i) == RadKlass::Rubrik || radKlass(2, i) == RadKlass::Rubrik;
        if (rubrik)
            m_position += 2;
        if ((c == RadKlass::Rubrik || c == RadKlass::Uppgift) && bruten != i) {
            const int m = UppgiftTillNySida(s, i, listNr);
            if (m * 8 + m_position > SidGransMm) {
                nySida(s);
                bruten = i;
                continue;
            }
        }
        if (rubrik) {
            s.setFont(kArial, 16, true);
            skrivRad(s, radText(listNr, i), m_hm);
            s.setFont(kArial, 14, true);
            // An instruction line belongs to its heading.
            if (i + 1 < m_antal && radKlass(listNr, i + 1) == RadKlass::Fortsattning) {
                ++i;
                skrivRad(s, radText(listNr, i), m_hm + 1);
            }
            s.setFont(kArial, 14);
        } else {
            const int steg = c == RadKlass::Uppgift ? 2 : 0;
            const QString text = radText(listNr, i);
            // A task longer than a page goes on over the page.
            const int botten = m_position + steg + fysiskaRader(s, text) * (m_hm + 1) + m_hm;
            if (botten > SidBottenMm && bruten != i) {
                nySida(s);
                bruten = i;
                continue;
            }
            m_position += steg;
            skrivRad(s, text, m_hm + 1);
        }
        ++i;
    }
}

void TUtskrift::skrivRad(Printing::Sheet &s, const QString &text, int forstaSteg)
{
    const QStringList delar = radbryt(s, text);
    m_position += forstaSteg;
    for (int k = 0; k < delar.size(); ++k) {
        if (k > 0)
            m_position += m_hm + 1;
        s.text(VansterMm, m_position, delar.at(k));
    }
}

QStringList TUtskrift::radbryt(Printing::Sheet &s, const QString &text) const
{
    const int max = s.xMmToPixel(RadBreddMm);
    if (s.textWidth(text) <= max)
        return {text};
    // Wrapped parts line up with the text after the line's leading blanks.
    qsizetype b = 0;
    while (b < text.size() && text.at(b) == QLatin1Char(' '))
        ++b;
    QString indrag = text.left(b);
    if (s.textWidth(indrag) > max / 2)
        indrag.clear();
    const QStringList ord = text.mid(b).split(QLatin1Char(' '), Qt::SkipEmptyParts);

    QStringList rader;
    QString rad = text.left(b);
    bool tom = true;
    for (QString o : ord) {
        const QString prov = tom ? rad + o : rad + QLatin1Char(' ') + o;
        if (s.textWidth(prov) <= max) {
            rad = prov;
            tom = false;
            continue;
        }
        if (!tom) {
            rader << rad;
            rad = indrag;
            tom = true;
            if (s.textWidth(rad + o) <= max) {
                rad += o;
                tom = false;
                continue;
            }
        }
        // A word wider than the line is cut where the line ends.
        while (!o.isEmpty() && s.textWidth(rad + o) > max) {
            qsizetype n = o.size() - 1;
            while (n > 1 && s.textWidth(rad + o.left(n)) > max)
                --n;
            rader << rad + o.left(n);
            o = o.mid(n);
            rad = indrag;
        }
        rad += o;
        tom = o.isEmpty();
    }
    if (!tom || rader.isEmpty())
        rader << rad;
    return rader;
}

int TUtskrift::fysiskaRader(Printing::Sheet &s, const QString &text) const
{
    return int(radbryt(s, text).size());
}

int TUtskrift::UppgiftTillNySida(Printing::Sheet &s, int i, int listNr) const
{
    if (radKlass(listNr, i) == RadKlass::Rubrik)
        return 3;
    int m = fysiskaRader(s, radText(listNr, i)) - 1;
    for (int k = i + 1; k < m_antal && radKlass(listNr, k) == RadKlass::Fortsattning; ++k)
        m += fysiskaRader(s, radText(listNr, k));
    return m;
}

void TUtskrift::nySida(Printing::Sheet &s)
{
    ++SidNummer;
    s.newPage();
    SkrivSidNr(s);
    SkrivProgramNamn(s);
    s.setFont(kArial, 14);
    m_position = 4;
}

void TUtskrift::SkrivProgramRubrik(Printing::Sheet &s)
{
    if (SkrivRubrik != 1)
        return;
    SidNummer = 1;
    SkrivSidNr(s);

    m_position = 2;
    m_listNummer = MedFacit == 1 ? 2 : 1;
    const QString titel = MedFacit == 1 ? QStringLiteral("Arbetsblad från Varmiko. Facit.")
                                        : QStringLiteral("Arbetsblad från Varmiko.");
    s.setFont(kArial, 22, true);
    const int w = s.textWidth(titel);
    const int h1 = s.textHeight(QStringLiteral("Arbetsblad från "));
    s.setFont(kArial, 8);
    const int h2 = s.textHeight(QStringLiteral("MIVO "));
    const double wMm = double(w) * Printing::A4BreddMm / s.pageWidth();
    const double hMm = double(h1 + h2) * Printing::A4HojdMm / s.pageHeight();
    const double h1Mm = double(h1) * Printing::A4HojdMm / s.pageHeight();

    const double y = m_position;
    auto ram = [&s](double v, double o, double h, double u) {
        s.line(v, o, h, o);
        s.line(h, o, h, u);
        s.line(h, u, v, u);
        s.line(v, u, v, o);
    };
    ram(19, y + 1, 21 + wMm, y + 5 + hMm);
    ram(18, y, 22 + wMm, y + 6 + hMm);

    s.setFont(kArial, 22, true);
    s.text(VansterMm, y + 2, titel);
    s.setFont(kArial, 8);
    s.text(VansterMm, y + 2 + h1Mm, QStringLiteral("Ett program från MIVO DATA, Orvinda."));

    m_position += s.yPixelToMm(h1 + h2) + 2;
    s.setFont(kArial, 16);
    SkrivRubrik = 0;
}

void TUtskrift::SkrivSidNr(Printing::Sheet &s)
{
    s.setFont(kArial, 10);
    s.text(200, 2, QString::number(SidNummer));
}

void TUtskrift::SkrivProgramNamn(Printing::Sheet &s)
{
    s.setFont(kArial, 8);
    s.text(2, 2, QStringLiteral("Varmiko"));
}
