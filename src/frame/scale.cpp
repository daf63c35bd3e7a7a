#include "frame/scale.h"

#include "frame/vrsku1.h"

#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QList>
#include <QScreen>
#include <QWidget>

#include <algorithm>

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

RadBredd &radBredd()
{
    static RadBredd matt = verkligBredd;
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

} // namespace

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
}

void skalaFonster(QWidget *w)
{
    if (!w || Skalning == 100)
        return;
    // Fonts are read before any is changed: a child that inherits its font
    // follows its parent's and must not be scaled twice.
    QList<Skalpost> poster;
    samla(w, poster);
    const bool storre = Skalning > 100;
    for (const Skalpost &p : poster) {
        QWidget *x = p.w;
        const QSize minst(skala(x->minimumWidth()), skala(x->minimumHeight()));
        const QSize storst(skalaGrans(x->maximumWidth()), skalaGrans(x->maximumHeight()));
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
        if (x == w && x->isWindow()) {
            x->resize(skala(g.width()), skala(g.height()));
        } else {
            // Edges are scaled, not lengths, so that neighbours stay flush.
            const int vanster = skala(g.x());
            const int topp = skala(g.y());
            x->setGeometry(vanster, topp, skala(g.x() + g.width()) - vanster,
                           skala(g.y() + g.height()) - topp);
        }
        if (x == w || p.egenFont) {
            QFont f = p.font;
            if (f.pointSizeF() > 0)
                f.setPointSizeF(f.pointSizeF() * Skalning / 100.0);
            else if (f.pixelSize() > 0)
                f.setPixelSize(std::max(1, skala(f.pixelSize())));
            x->setFont(f);
        }
    }
}

void setRadBredd(RadBredd matt)
{
    radBredd() = matt ? std::move(matt) : RadBredd(verkligBredd);
}

void dela_mening(qint32 Vanster, qint32 Hoger, const QString &Text, qint32 MaxRader)
{
    for (auto &rad : MeningsRader)
        rad.clear();

    int punkter = punkterForProgram();
    if (MusOverBild == 1) {
        punkter = 8;
        MusOverBild = 0;
    }
    if (Text.isEmpty())
        return;

    // The lines are shown in labels scaled by Skalning, measured here at the
    // unscaled size.
    const qint64 skalning = std::max(Skalning, MinstaSkalning);
    const int bredd = int(avrunda(qint64(std::max(Hoger - Vanster, 0)) * 100, skalning));
    const RadBredd &matt = radBredd();
    const auto passar = [&](qsizetype fran, qsizetype till) {
        return matt(Text.mid(fran, till - fran), punkter) <= bredd;
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
    QPalette p = knapp->palette();
    p.setColor(QPalette::ButtonText, Qt::black);
    p.setColor(QPalette::WindowText, Qt::black);
    knapp->setPalette(p);
}

void fargRoller(QWidget *w, std::initializer_list<QPalette::ColorRole> roller, const QColor &c)
{
    QPalette p = w->palette();
    for (const QPalette::ColorRole roll : roller)
        p.setColor(roll, c);
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
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, text);
    if (bakgrund.isValid()) {
        p.setColor(QPalette::Window, bakgrund);
        w->setAutoFillBackground(true);
    }
    w->setPalette(p);
}

QFrame *upphojdPanel(QWidget *parent, const QString &namn, const QColor &bakgrund)
{
    auto *p = new QFrame(parent);
    p->setObjectName(namn);
    p->setFrameStyle(QFrame::Panel | QFrame::Raised);
    fyllFarg(p, bakgrund);
    return p;
}
