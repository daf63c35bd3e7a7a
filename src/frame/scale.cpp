#include "frame/scale.h"

#include "frame/vrsku1.h"
#include "platform/MessageBox.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QList>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <utility>

namespace {

// num / den rounded to the nearest integer, halves to the even neighbour.
qint64 avrunda(qint64 num, qint64 den)
{
    qint64 q = num / den;
    const qint64 r2 = 2 * (num % den);
    if (r2 > den || (r2 == den && q % 2 != 0))
        ++q;
    return q;
}

QFont arialFet()
{
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    return f;
}

int verkligBredd(const QString &text, int pointSize)
{
    QFont f = arialFet();
    f.setPointSize(pointSize);
    return QFontMetrics(f).horizontalAdvance(text);
}

// The measure of a test; empty: the fonts themselves.
RadBredd &testBredd()
{
    static RadBredd matt;
    return matt;
}

int skala(int v)
{
    return int(avrunda(qint64(v) * Skalning, 100));
}

// A size limit scaled; "no limit" stays no limit.
int skalaGrans(int v)
{
    return v >= QWIDGETSIZE_MAX ? v : std::min(skala(v), QWIDGETSIZE_MAX);
}

struct Skalpost
{
    QWidget *w = nullptr;
    QFont font;
    bool egenFont = false;
};

void samla(QWidget *w, QList<Skalpost> &poster)
{
    poster.append({w, w->font(), w->testAttribute(Qt::WA_SetFont)});
    for (QObject *o : w->children()) {
        auto *barn = qobject_cast<QWidget *>(o);
        if (barn && !barn->isWindow())
            samla(barn, poster);
    }
}

int punkterForProgram()
{
    if (Programtal == 51220 || Programtal == 32000 || (Programtal >= 43000 && Programtal <= 47000))
        return 22;
    return 14;
}

bool arBrytTecken(QChar c)
{
    return c == QChar(u' ') || c == QChar(u',') || c == QChar(u'-') || c == QChar(u'.')
           || c == QChar(u'>');
}

bool hangerKvar(QChar c)
{
    return c == QChar(u',') || c == QChar(u'-') || c == QChar(u'.') || c == QChar(u'>');
}

const char *const DesignFont = "varmikoDesignFont";
const char *const PassadRubrik = "varmikoPassadRubrik";
const char *const TextGolv = "varmikoTextGolv";
const char *const TextGrupp = "varmikoTextGrupp";

// Scales w, its children and their children (but not separate windows among
// them): positions and sizes by the length function langd, size limits by
// grans, fonts by faktor (a pixel size by langd). w itself keeps its place
// unless flyttaRoten.
void skalaTrad(QWidget *w, const std::function<int(int)> &langd, const std::function<int(int)> &grans,
               qreal faktor, bool flyttaRoten)
{
    // Fonts are read before any is changed: a child that inherits its font
    // follows its parent's and must not be scaled twice.
    QList<Skalpost> poster;
    samla(w, poster);
    const bool storre = faktor > 1;
    for (const Skalpost &p : poster) {
        QWidget *x = p.w;
        const QSize minst(langd(x->minimumWidth()), langd(x->minimumHeight()));
        const QSize storst(grans(x->maximumWidth()), grans(x->maximumHeight()));
        // Grow the upper limit first and shrink the lower one first, so that
        // the limits never cross.
        if (storre) {
            x->setMaximumSize(storst);
            x->setMinimumSize(minst);
        } else {
            x->setMinimumSize(minst);
            x->setMaximumSize(storst);
        }
        const QRect g = x->geometry();
        if (x == w && !flyttaRoten) {
            x->resize(langd(g.width()), langd(g.height()));
        } else {
            // Edges are scaled, not lengths, so that neighbours stay flush.
            const int vanster = langd(g.x());
            const int topp = langd(g.y());
            x->setGeometry(vanster, topp, langd(g.x() + g.width()) - vanster, langd(g.y() + g.height()) - topp);
        }
        if (x == w || p.egenFont) {
            QFont f = p.font;
            if (f.pointSizeF() > 0)
                f.setPointSizeF(f.pointSizeF() * faktor);
            else if (f.pixelSize() > 0)
                f.setPixelSize(std::max(1, langd(f.pixelSize())));
            x->setFont(f);
        }
    }
}

// The caption as it is drawn: "&x" shows x, "&&" shows "&".
QString utanGenvag(const QString &t)
{
    QString r;
    r.reserve(t.size());
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i] == QChar(u'&') && i + 1 < t.size())
            ++i;
        r += t[i];
    }
    return r;
}

// The width of text drawn in f, to the whole pixel it reaches (as a label or
// a button lays its caption out).
int textBredd(const QFont &f, const QString &text)
{
    const QRect lagd = QFontMetrics(f).boundingRect(QRect(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX),
                                                    Qt::AlignLeft | Qt::TextSingleLine, text);
    return std::max(lagd.width(), qCeil(QFontMetricsF(f).horizontalAdvance(text)));
}

// The caption of a push button or a label; empty for other widgets.
QString rubrikAv(const QWidget *w)
{
    if (auto *b = qobject_cast<const QPushButton *>(w))
        return utanGenvag(b->text());
    if (auto *l = qobject_cast<const QLabel *>(w))
        return l->buddy() ? utanGenvag(l->text()) : l->text();
    return {};
}

// The room a push button or a label draws its caption in.
QRect rumFor(const QWidget *w)
{
    if (auto *b = qobject_cast<const QPushButton *>(w)) {
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = b->text();
        if (b->autoDefault())
            opt.features |= QStyleOptionButton::AutoDefaultButton;
        // Half an "x" of the face stays free on either side of the caption.
        const int luft = QFontMetrics(b->property(DesignFont).value<QFont>()).horizontalAdvance(QChar(u'x')) / 2;
        QRect r = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b).adjusted(luft, 0, -luft, 0);
        if (!b->icon().isNull())
            r.setLeft(r.left() + b->iconSize().width() + 4);
        return r;
    }
    if (auto *l = qobject_cast<const QLabel *>(w))
        return l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
    return w->rect();
}

// The size of a font in its own unit: pixels or points.
qreal fontStorlek(const QFont &f)
{
    return f.pixelSize() > 0 ? qreal(f.pixelSize()) : f.pointSizeF();
}

QFont medStorlek(QFont f, qreal storlek)
{
    if (f.pixelSize() > 0)
        f.setPixelSize(std::max(1, qRound(storlek)));
    else
        f.setPointSizeF(std::max<qreal>(1, storlek));
    return f;
}

// A floor of golvPunkter points in f's own unit (96 pixels to the inch, the
// resolution the windows are laid out for).
qreal golvFor(const QFont &f, int golvPunkter)
{
    return f.pixelSize() > 0 ? qCeil(golvPunkter * 96.0 / 72.0) : golvPunkter;
}

// The buttons of one row (knappRad), which share one font.
struct Knappgrupp
{
    QList<QPointer<QWidget>> knappar;
    QFont design;
    int golv = 8;
};

// Fits the caption of the widgets passaTexten was called for whenever they
// are shown, resized or given another caption or font; the buttons of a row
// are fitted together.
class TextPassare : public QObject
{
public:
    static TextPassare &instans()
    {
        static TextPassare p;
        return p;
    }

    // A new row of buttons; rows whose buttons are gone or belong to a newer
    // row are forgotten.
    int nyGrupp(const QList<QPushButton *> &knappar, const QFont &design, int golv)
    {
        for (auto it = m_grupper.begin(); it != m_grupper.end();) {
            const int id = it->first;
            const bool anvands = std::any_of(it->second.knappar.cbegin(), it->second.knappar.cend(),
                                             [id](const QPointer<QWidget> &k) {
                                                 return k && k->property(TextGrupp).toInt() == id;
                                             });
            it = anvands ? std::next(it) : m_grupper.erase(it);
        }
        Knappgrupp g;
        for (QPushButton *k : knappar)
            g.knappar.append(k);
        g.design = design;
        g.golv = golv;
        const int id = m_nasta++;
        m_grupper.emplace(id, std::move(g));
        return id;
    }

    void passa(QWidget *w)
    {
        if (const int id = w->property(TextGrupp).toInt(); id > 0) {
            if (const auto it = m_grupper.find(id); it != m_grupper.end()) {
                passaGrupp(id, it->second);
                return;
            }
        }
        const QString text = rubrikAv(w);
        w->setProperty(PassadRubrik, text);
        const QFont design = w->property(DesignFont).value<QFont>();
        const QRect rum = rumFor(w);
        const bool knapp = qobject_cast<QPushButton *>(w) != nullptr;
        const QFont f = krympFont(design, text, rum.width(), knapp ? rum.height() : 0,
                                  w->property(TextGolv).toInt());
        if (f == w->font())
            return;
        m_passar = true;
        w->setFont(f);
        m_passar = false;
    }

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        auto *w = static_cast<QWidget *>(o);
        switch (e->type()) {
        case QEvent::FontChange:
            if (!m_passar) {
                w->setProperty(DesignFont, w->font());
                // A font set on one button of a row is the row's new font.
                if (const auto it = m_grupper.find(w->property(TextGrupp).toInt()); it != m_grupper.end())
                    it->second.design = w->font();
                passa(w);
            }
            break;
        case QEvent::Show:
        case QEvent::Resize:
            passa(w);
            break;
        case QEvent::Hide:
            // A button of a row that is hidden leaves more room to the others.
            if (w->property(TextGrupp).toInt() > 0)
                passa(w);
            break;
        case QEvent::Paint:
            // A caption set since the last fitting is fitted before it is drawn.
            if (rubrikAv(w) != w->property(PassadRubrik).toString())
                passa(w);
            break;
        default:
            break;
        }
        return false;
    }

private:
    // Every button of the row in the row's font at the smallest of the sizes
    // that each caption alone would fit at.
    void passaGrupp(int id, Knappgrupp &g)
    {
        qreal minst = fontStorlek(g.design);
        QList<QWidget *> medlemmar;
        for (const QPointer<QWidget> &p : std::as_const(g.knappar)) {
            QWidget *k = p.data();
            if (!k || k->property(TextGrupp).toInt() != id)
                continue;
            medlemmar.append(k);
            const QString text = rubrikAv(k);
            k->setProperty(PassadRubrik, text);
            if (k->isHidden() || text.isEmpty())
                continue;
            const QRect rum = rumFor(k);
            minst = std::min(minst, fontStorlek(krympFont(g.design, text, rum.width(), rum.height(), g.golv)));
        }
        const QFont f = medStorlek(g.design, minst);
        m_passar = true;
        for (QWidget *k : std::as_const(medlemmar))
            if (k->font() != f)
                k->setFont(f);
        m_passar = false;
    }

    bool m_passar = false;
    std::map<int, Knappgrupp> m_grupper;
    int m_nasta = 1;
};

// Widths for buttons that need behov pixels each in a row of total pixels:
// alike where they can be, wider where a caption needs it; in proportion to
// their needs when the row is too short for them all.
QList<int> fordela(const QList<int> &behov, int total)
{
    const qsizetype n = behov.size();
    QList<int> bredd(n, 0);
    const qint64 summa = std::accumulate(behov.cbegin(), behov.cend(), qint64(0));
    if (summa > total) {
        int kvar = total;
        for (qsizetype i = 0; i < n; ++i) {
            bredd[i] = i + 1 == n ? kvar : int(qint64(behov[i]) * total / std::max<qint64>(1, summa));
            kvar -= bredd[i];
        }
        return bredd;
    }
    QList<bool> fast(n, false);
    int kvar = total;
    qsizetype fria = n;
    for (bool andrat = true; andrat && fria > 0;) {
        andrat = false;
        const int andel = kvar / int(fria);
        for (qsizetype i = 0; i < n; ++i) {
            if (!fast[i] && behov[i] > andel) {
                fast[i] = true;
                bredd[i] = behov[i];
                kvar -= behov[i];
                --fria;
                andrat = true;
            }
        }
    }
    if (fria > 0) {
        const int andel = kvar / int(fria);
        int over = kvar - andel * int(fria);
        for (qsizetype i = 0; i < n; ++i) {
            if (fast[i])
                continue;
            bredd[i] = andel + (over > 0 ? 1 : 0);
            over = std::max(0, over - 1);
        }
    }
    return bredd;
}

} // namespace

QFont krympFont(const QFont &f, const QString &text, int bredd, int hojd, int golvPunkter)
{
    const QString synlig = utanGenvag(text);
    QFont r = f;
    const qreal golv = golvFor(f, golvPunkter);
    auto passar = [&]() { return textBredd(r, synlig) <= bredd && (hojd <= 0 || QFontMetrics(r).height() <= hojd); };
    while (!passar() && fontStorlek(r) - 1 >= golv)
        r = medStorlek(r, fontStorlek(r) - 1);
    return r;
}

void passaTexten(QWidget *w, int golvPunkter)
{
    if (!w)
        return;
    w->setProperty(TextGrupp, 0);
    w->setProperty(DesignFont, w->font());
    w->setProperty(TextGolv, golvPunkter);
    TextPassare &p = TextPassare::instans();
    w->removeEventFilter(&p);
    w->installEventFilter(&p);
    p.passa(w);
}

void knappRad(const QList<QPushButton *> &knappar, const QRect &rad, int mellanrum, const QFont &design,
              int golvPunkter)
{
    QList<QPushButton *> rad_;
    for (QPushButton *k : knappar)
        if (k)
            rad_.append(k);
    const qsizetype n = rad_.size();
    if (n == 0)
        return;
    TextPassare &p = TextPassare::instans();
    const int id = p.nyGrupp(rad_, design, golvPunkter);
    const int total = std::max(0, rad.width() - int(n - 1) * mellanrum);
    for (QPushButton *k : std::as_const(rad_)) {
        k->setProperty(DesignFont, design);
        k->setProperty(TextGolv, golvPunkter);
        k->setProperty(TextGrupp, id);
        k->removeEventFilter(&p);
        k->installEventFilter(&p);
        k->resize(total / int(n), rad.height());
    }

    // The style's edges round a caption, measured at the row's height.
    QList<int> kant;
    int hojd = rad.height();
    for (QPushButton *k : std::as_const(rad_)) {
        const QRect rum = rumFor(k);
        kant.append(k->width() - rum.width());
        hojd = std::min(hojd, rum.height());
    }
    // The largest size at which every caption fits when each button may
    // take the room it needs.
    const qreal golv = golvFor(design, golvPunkter);
    QList<int> behov(n, 0);
    for (qreal storlek = fontStorlek(design);; storlek -= 1) {
        const QFont f = medStorlek(design, storlek);
        for (qsizetype i = 0; i < n; ++i)
            behov[i] = textBredd(f, rubrikAv(rad_[i])) + kant[i];
        const qint64 summa = std::accumulate(behov.cbegin(), behov.cend(), qint64(0));
        if ((summa <= total && QFontMetrics(f).height() <= hojd) || storlek - 1 < golv)
            break;
    }
    const QList<int> bredd = fordela(behov, total);
    int x = rad.left();
    for (qsizetype i = 0; i < n; ++i) {
        rad_[i]->setGeometry(x, rad.top(), bredd[i], rad.height());
        x += bredd[i] + mellanrum;
    }
    p.passa(rad_.first());
}

void passaEtikett(QLabel *l, const QRect &ram, int golvPunkter)
{
    if (!l)
        return;
    if (!l->property(DesignFont).isValid())
        l->setProperty(DesignFont, l->font());
    const QMargins kant = l->contentsMargins();
    const int luft = kant.left() + kant.right() + 2 * l->margin();
    l->setFont(krympFont(l->property(DesignFont).value<QFont>(), l->text(), ram.width() - luft, 0, golvPunkter));
    l->adjustSize();
    klampaIn(l, ram);
}

void skalaRuta(QWidget *w, qreal k)
{
    if (!w || k <= 0 || qFuzzyCompare(k, 1.0))
        return;
    const auto langd = [k](int v) { return int(std::floor(v * k + 0.5)); };
    const auto grans = [&langd](int v) { return v >= QWIDGETSIZE_MAX ? v : std::min(langd(v), QWIDGETSIZE_MAX); };
    skalaTrad(w, langd, grans, k, false);
    // Text does not shrink quite in step with its box: a caption that no
    // longer fits shrinks a little more.
    QList<QWidget *> rutor = w->findChildren<QWidget *>();
    rutor.prepend(w);
    for (QWidget *x : rutor) {
        const QString text = rubrikAv(x);
        auto *l = qobject_cast<QLabel *>(x);
        if (text.isEmpty() || x->isWindow() || text.contains(QChar(u'\n')) || (l && l->wordWrap()))
            continue;
        const QRect rum = rumFor(x);
        if (textBredd(x->font(), text) > rum.width())
            x->setFont(krympFont(x->font(), text, rum.width()));
    }
}

void klampaIn(const QList<QWidget *> &rutor, QRect ram)
{
    if (rutor.isEmpty())
        return;
    if (ram.isEmpty() && rutor.first()->parentWidget())
        ram = rutor.first()->parentWidget()->rect();
    if (ram.isEmpty())
        return;
    QRect hela;
    for (const QWidget *w : rutor)
        hela |= w->geometry();
    // Too large for the room: all shrink alike, keeping their proportions
    // and the distances between them.
    const qreal k = std::min({1.0, qreal(ram.width()) / std::max(1, hela.width()),
                              qreal(ram.height()) / std::max(1, hela.height())});
    const QSize storlek(std::min(ram.width(), int(hela.width() * k)), std::min(ram.height(), int(hela.height() * k)));
    const QPoint hit(std::clamp(hela.left(), ram.left(), ram.right() + 1 - storlek.width()),
                     std::clamp(hela.top(), ram.top(), ram.bottom() + 1 - storlek.height()));
    for (QWidget *w : rutor) {
        const QPoint relativ = w->pos() - hela.topLeft();
        skalaRuta(w, k);
        w->move(hit + QPoint(int(relativ.x() * k), int(relativ.y() * k)));
    }
}

void klampaIn(QWidget *w, QRect ram)
{
    if (w)
        klampaIn(QList<QWidget *>{w}, ram);
}

qint32 beraknaSkalning(int screenWidth, int screenHeight,
                       const std::function<int(const QString &)> &textWidth)
{
    // The row ends at the first length whose width reaches the screen, and
    // at the latest one past the screen's width (each "A" is at least a pixel
    // wide). A row only grows wider as it grows longer, so the length is
    // found by search instead of measuring every row from one "A" up: the
    // width of one "A" tells about where the end lies, steps that double
    // from there enclose it, and halving finds it. A handful of rows are
    // measured, each about a screen wide.
    const auto racker = [&](qint32 antal) {
        return antal > screenWidth || textWidth(QString(antal, QChar(u'A'))) >= screenWidth;
    };
    qint32 n = 0;                               // every shorter row falls short
    qint32 over = std::max(screenWidth, 0) + 1; // racker(over) holds
    const int enA = textWidth(QStringLiteral("A"));
    const qint32 gissning = enA > 0 ? std::clamp(screenWidth / enA, n, over) : over;
    if (racker(gissning)) {
        over = gissning;
        for (qint32 steg = 1; over - steg >= n; steg *= 2) {
            if (!racker(over - steg)) {
                n = over - steg + 1;
                break;
            }
            over -= steg;
        }
    } else {
        n = gissning + 1;
        for (qint32 steg = 1; n + steg - 1 < over; steg *= 2) {
            if (racker(n + steg - 1)) {
                over = n + steg - 1;
                break;
            }
            n += steg;
        }
    }
    while (n < over) {
        const qint32 mitt = n + (over - n) / 2;
        if (racker(mitt))
            over = mitt;
        else
            n = mitt + 1;
    }
    qint32 s = (n - 1) * 2; // (n - 1) * 100 / 50
    if (s > 156)
        s = qint32(avrunda(qint64(std::max(screenHeight, 0)) * 156, 768));
    if (s > 95 && s < 102)
        s = 100;
    return std::max(s, MinstaSkalning);
}

void Skaltest(QWidget *huvudfonster)
{
    if (const QScreen *skarm = QGuiApplication::primaryScreen()) {
        QFont f = arialFet();
        f.setPixelSize(17);
        const QFontMetrics fm(f);
        const QSize storlek = skarm->geometry().size();
        Skalning = beraknaSkalning(storlek.width(), storlek.height(),
                                   [&fm](const QString &t) { return fm.horizontalAdvance(t); });
    }
    if (huvudfonster)
        skalaFonster(huvudfonster);
    QFont l = arialFet();
    l.setPointSize(12);
    Marginal = QFontMetrics(l).horizontalAdvance(QStringLiteral("L"));
    // Messages read as large as the screens they come up over.
    MessageBox::setTextFont(skaladArial(16, false));
}

void skalaFonster(QWidget *w)
{
    if (!w || Skalning == 100)
        return;
    skalaTrad(w, skala, skalaGrans, Skalning / 100.0, !w->isWindow());
}

void setRadBredd(RadBredd matt)
{
    testBredd() = std::move(matt);
}

namespace {

// The wrapping itself: bredd in the pixels that matt measures a line in.
void delaMening(int bredd, const QString &Text, qint32 MaxRader, const std::function<int(const QString &)> &matt)
{
    for (auto &rad : MeningsRader)
        rad.clear();
    if (Text.isEmpty())
        return;

    const auto passar = [&](qsizetype fran, qsizetype till) {
        return matt(Text.mid(fran, till - fran)) <= bredd;
    };

    const qsizetype n = Text.size();
    const int rader = std::clamp(MaxRader, 1, 3);
    qsizetype start = 0;
    for (int r = 1; r <= rader; ++r) {
        while (start < n && Text[start] == QChar(u' '))
            ++start;
        if (start >= n)
            break;
        // e: the first character that no longer fits on the line. A line
        // only grows wider as it grows longer, so it is found by halving
        // rather than by measuring every longer line in turn.
        qsizetype e = start;
        qsizetype langst = n;
        while (e < langst) {
            const qsizetype mitt = e + (langst - e + 1) / 2;
            if (passar(start, mitt))
                e = mitt;
            else
                langst = mitt - 1;
        }
        if (e == n) {
            MeningsRader[r] = Text.mid(start);
            break;
        }

        const QChar c = Text[e];
        const qsizetype oppen = Text.lastIndexOf(QChar(u'<'), e - 1 < 0 ? 0 : e - 1);
        const qsizetype stangd = Text.lastIndexOf(QChar(u'>'), e - 1 < 0 ? 0 : e - 1);
        const bool iGrupp = c != QChar(u'>') && e > 0 && oppen >= 0 && oppen > stangd && oppen < e;

        qsizetype slut = -1; // the line is Text[start, slut); -1 = no break position
        if (c == QChar(u'<')) {
            slut = e; // a group moves whole to the next line
        } else if (iGrupp) {
            slut = oppen;
        } else if (c == QChar(u' ')) {
            slut = e + 1;
        } else if (hangerKvar(c)) {
            slut = e + 1; // the mark may stand past the edge
        } else {
            for (qsizetype i = e - 1; i >= start; --i) {
                if (arBrytTecken(Text[i])) {
                    slut = i + 1;
                    break;
                }
            }
        }
        if (slut <= start) {
            // Nothing to break at: cut the word or group where the line is full.
            slut = std::max(e, start + 1);
            if (slut - start > 1 && Text[slut - 1] == QChar(u'<'))
                --slut;
        }
        MeningsRader[r] = Text.mid(start, slut - start);
        start = slut;
    }
}

} // namespace

void dela_mening(qint32 Vanster, qint32 Hoger, const QString &Text, qint32 MaxRader)
{
    int punkter = punkterForProgram();
    if (MusOverBild == 1) {
        punkter = 8;
        MusOverBild = 0;
    }
    // The lines are shown in labels scaled by Skalning, measured here at the
    // unscaled size.
    const qint64 skalning = std::max(Skalning, MinstaSkalning);
    const int bredd = int(avrunda(qint64(std::max(Hoger - Vanster, 0)) * 100, skalning));
    const RadBredd &matt = testBredd() ? testBredd() : RadBredd(verkligBredd);
    delaMening(bredd, Text, MaxRader, [&](const QString &rad) { return matt(rad, punkter); });
}

void dela_mening(qint32 Vanster, qint32 Hoger, const QString &Text, qint32 MaxRader, const QFont &ritad)
{
    MusOverBild = 0;
    const int bredd = std::max(Hoger - Vanster, 0);
    if (const RadBredd &matt = testBredd()) {
        const int punkter = QFontInfo(ritad).pointSize();
        delaMening(bredd, Text, MaxRader, [&](const QString &rad) { return matt(rad, punkter); });
        return;
    }
    const QFontMetrics fm(ritad);
    delaMening(bredd, Text, MaxRader, [&fm](const QString &rad) { return fm.horizontalAdvance(rad); });
}

int skaladPixel(int designPixlar)
{
    return designPixlar * Skalning / 100;
}

QFont arial(int pixlar, bool fet, bool kursiv)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(qMax(1, pixlar));
    f.setBold(fet);
    f.setItalic(kursiv);
    return f;
}

QFont teckensnitt(const QString &familj, int pixlar, bool fet)
{
    QFont f(familj);
    f.setPixelSize(pixlar);
    f.setBold(fet);
    return f;
}

QFont skaladArial(int designPixlar, bool fet)
{
    return arial(skaladPixel(designPixlar), fet);
}

QFont skaladArialPunkter(int designPunkter, bool fet)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(qMax(1, designPunkter * Skalning / 100));
    f.setBold(fet);
    return f;
}

QSize skarmStorlek()
{
    const QScreen *s = QGuiApplication::primaryScreen();
    return s ? s->geometry().size() : QSize(800, 600);
}

void svartKnapptext(QWidget *knapp)
{
    fargRoller(knapp, {QPalette::ButtonText, QPalette::WindowText}, Qt::black);
}

void fargRoller(QWidget *w, std::initializer_list<QPalette::ColorRole> roller, const QColor &c)
{
    QPalette p = w->palette();
    for (const QPalette::ColorRole roll : roller) {
        if (roll == QPalette::ButtonText || (roll == QPalette::WindowText && qobject_cast<QAbstractButton *>(w))) {
            // A disabled button keeps the style's greyed caption.
            p.setColor(QPalette::Active, roll, c);
            p.setColor(QPalette::Inactive, roll, c);
        } else {
            p.setColor(roll, c);
        }
    }
    w->setPalette(p);
}

void textfarg(QWidget *w, const QColor &c)
{
    fargRoller(w, {QPalette::WindowText}, c);
}

void fyllFarg(QWidget *w, const QColor &c)
{
    fargRoller(w, {QPalette::Window}, c);
    w->setAutoFillBackground(true);
}

void farg(QWidget *w, const QColor &text, const QColor &bakgrund)
{
    fargRoller(w, {QPalette::WindowText}, text);
    if (bakgrund.isValid())
        fyllFarg(w, bakgrund);
}

QFrame *upphojdPanel(QWidget *parent, const QString &namn, const QColor &bakgrund)
{
    auto *p = new QFrame(parent);
    p->setObjectName(namn);
    p->setFrameStyle(QFrame::Panel | QFrame::Raised);
    fyllFarg(p, bakgrund);
    return p;
}
