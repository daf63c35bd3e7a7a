#include "drills/vocabulary/lasning.h"

#include "frame/fields.h"
#include "frame/vrsku1.h"
#include "platform/TextFile.h"

#include <cmath>

namespace {

// Whole numbers, halves away from zero, as the counts are written.
long avrunda(double v)
{
    return long(std::floor(v + 0.5));
}

} // namespace

bool lasTextfil(const QString &sokvag, QStringList &rader)
{
    rader.clear();
    QStringList fil;
    if (sokvag.isEmpty() || !TextFile::readLines(sokvag, fil))
        return false;
    for (const QString &r : std::as_const(fil)) {
        const QString kort = r.left(LasRadLangd);
        rader << (KrypteradeFiler == 1 && !kort.isEmpty() ? dekryptrad(kort) : kort);
    }
    return true;
}

int textAntal(const QStringList &rader)
{
    int n = 0;
    for (const QString &r : rader)
        if (MellanslagBort(r) == QStringLiteral("#"))
            ++n;
    return n;
}

QStringList lasText(const QStringList &rader, int N)
{
    QStringList text;
    int raknare = 1;
    for (const QString &r : rader) {
        if (r == QStringLiteral("#")) {
            ++raknare;
            continue;
        }
        if (raknare == N && text.size() < LasRaderMax)
            text << r;
    }
    return text;
}

Ordvandring::Ordvandring(const QStringList &LasRader)
    : m_rader(LasRader)
{
}

void Ordvandring::borjaOm()
{
    LasRad = 1;
    LasPos = 1;
}

QString Ordvandring::rad(qint32 nummer) const
{
    return nummer >= 1 && nummer <= m_rader.size() ? m_rader[nummer - 1] : QString();
}

bool Ordvandring::slut() const
{
    return rad(LasRad).isEmpty();
}

QString Ordvandring::SuddaOrd()
{
    const QString r = rad(LasRad);
    const qsizetype start = LasPos - 1;
    const qsizetype blank = r.indexOf(QChar(u' '), start);
    const qsizetype slutet = blank < 0 ? r.size() : blank + 1;
    // The whole word, however long: the part erased must be the part drawn.
    SenasteOrd = r.mid(start, slutet - start);
    LasPos = qint32(slutet) + 1;
    if (LasPos > r.size()) {
        LasPos = 1;
        ++LasRad;
    }
    return SenasteOrd;
}

LasStatistik Statistik(const QStringList &LasRader)
{
    LasStatistik s;
    Ordvandring v(LasRader);
    while (!v.slut()) {
        const QString ord = v.SuddaOrd();
        ++s.LasOrdAntal;
        for (const QChar c : ord)
            if (c != QChar(u' '))
                ++s.LasBokstavAntal;
    }
    return s;
}

QString ordText(const LasStatistik &s)
{
    return QString::number(s.LasOrdAntal) + QStringLiteral(" ord");
}

QString bokstavText(const LasStatistik &s)
{
    return QString::number(s.LasBokstavAntal) + QStringLiteral(" bokstäver");
}

QString snittText(const LasStatistik &s)
{
    const double snitt = s.LasOrdAntal > 0 ? double(s.LasBokstavAntal) / s.LasOrdAntal : 0.0;
    const QString tal = QString::number(avrunda(snitt * 10) / 10.0, 'f', 1);
    return tal.rightJustified(3) + QStringLiteral(" bokstäver per ord");
}

int ordIntervall(int position)
{
    return 1000 - position;
}

QString taktText(int intervall)
{
    // 60000 / interval in whole numbers, halves to the even one; worked out
    // exactly, so that a half is a half.
    if (intervall <= 0)
        intervall = 1;
    qint64 takt = 60000 / intervall;
    const qint64 rest = 60000 % intervall;
    if (2 * rest > intervall || (2 * rest == intervall && takt % 2 == 1))
        ++takt;
    return QString::number(takt) + QStringLiteral(" ord / min");
}

QString slutMeddelande(qint32 ord, qint64 millisekunder)
{
    const qint64 ms = qMax<qint64>(1, millisekunder);
    const qint64 s = qMax<qint64>(1, (ms + 500) / 1000);
    const QString hastighet = QString::number(avrunda(double(ord) * 60000.0 / double(ms))).rightJustified(3);
    return QStringLiteral("Övningen är nu avslutad. Den tog ") + QString::number(s) + QStringLiteral(" sekunder och ")
           + QStringLiteral("din läshastighet var ") + hastighet + QStringLiteral(" ord per minut.");
}
