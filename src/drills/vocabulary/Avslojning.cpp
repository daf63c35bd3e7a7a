#include "drills/vocabulary/Avslojning.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

bool arSlutTecken(QChar c)
{
    return c == QChar(u'.') || c == QChar(u',') || c == QChar(u'!') || c == QChar(u'?');
}

QString utanSlutTecken(const QString &ord)
{
    return !ord.isEmpty() && arSlutTecken(ord.back()) ? ord.left(ord.size() - 1) : ord;
}

// round(del / helt x 100), halves to the even number.
int procent(qint32 del, qint32 helt)
{
    if (del <= 0 || helt <= 0)
        return 0;
    return int(std::nearbyint(double(del) / helt * 100));
}

} // namespace

QStringList Avslojning::letastorys(const QStringList &filrader)
{
    QStringList l;
    for (const QString &r : filrader)
        if (r == QStringLiteral("#"))
            l << QString::number(l.size() + 1);
    return l;
}

QString Avslojning::mask(const QString &ord)
{
    if (ord.isEmpty())
        return {};
    if (ord.back() == QChar(u'-'))
        return QStringLiteral("-");
    QString m = QStringLiteral("*");
    for (qsizetype i = 1; i < ord.size(); ++i)
        if (!arSlutTecken(ord[i]) && ord[i] != QChar(u'-'))
            m += QChar(u'*');
    if (arSlutTecken(ord.back()))
        m += ord.back();
    return m;
}

void Avslojning::nollstall()
{
    AvslojForsok = 0;
    AvslojRatt = 0;
}

void Avslojning::Getwords(const QStringList &filrader, qint32 text)
{
    AvslojText = text;
    for (QString &s : m_ord)
        s.clear();
    for (QString &s : m_mask)
        s.clear();
    for (QString &s : m_namn)
        s.clear();
    AvslojAntal = 0;
    m_ListBox4.clear();
    m_ListBox3.clear();
    m_ListBox1.clear();

    int p = 1;
    int r = 1;
    int berattelse = 1;
    for (qsizetype i = 0; i < filrader.size(); ++i) {
        QString rad = filrader[i];
        // A closing line is at once replaced by the line after it.
        if (rad.startsWith(QChar(u'#'))) {
            ++berattelse;
            rad = i + 1 < filrader.size() ? filrader[++i] : QString();
        }
        if (berattelse != text)
            continue;

        qsizetype j = 0;
        while (j < rad.size()) {
            const QChar c = rad[j];
            if (c == QChar(u'<')) {
                const qsizetype slut = rad.indexOf(QChar(u'>'), j + 1);
                const QString namn = rad.mid(j + 1, slut < 0 ? -1 : slut - j - 1);
                if (r <= Rader)
                    m_namn[r] = namn;
                j = slut < 0 ? rad.size() : slut + 1;
                continue;
            }
            if (c == QChar(u'#') || c == QChar(u'>') || c == QChar(u' ')) {
                ++j;
                continue;
            }
            const qsizetype blank = rad.indexOf(QChar(u' '), j);
            const qsizetype slut = blank < 0 ? rad.size() : blank;
            const QString ord = rad.mid(j, slut - j).left(OrdLangd);
            j = slut;
            // A story has 49 places; words beyond them are left out, so that
            // every word of the puzzle has a place it can be solved on.
            if (p > Platser)
                continue;
            m_ord[p] = ord;
            m_mask[p] = mask(ord);
            if (!ord.startsWith(QChar(u'-')))
                ++AvslojAntal;
            m_ListBox4 << ord;
            const QString utan = utanSlutTecken(ord);
            m_ListBox3 << utan;
            if (utan != QStringLiteral("-"))
                m_ListBox1 << utan;
            ++p;
        }
        ++r;
        if (r >= 2 && r <= Rader) {
            const int forsta = OrdPerRad * (r - 1) + 1;
            while (p < forsta) {
                m_ListBox3 << QString();
                m_ListBox4 << QString();
                ++p;
            }
        }
    }

    QCollator ordning{QLocale(QLocale::German, QLocale::Germany)};
    ordning.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(m_ListBox1.begin(), m_ListBox1.end(),
                     [&ordning](const QString &a, const QString &b) { return ordning.compare(a, b) < 0; });
}

QString Avslojning::AvslojOrd(int p) const
{
    return p >= 1 && p <= Platser ? m_ord[p] : QString();
}

QString Avslojning::AvslojMask(int p) const
{
    return p >= 1 && p <= Platser ? m_mask[p] : QString();
}

QString Avslojning::namn(int r) const
{
    return r >= 1 && r <= Rader ? m_namn[r] : QString();
}

bool Avslojning::lost(int p) const
{
    return harOrd(p) && AvslojMask(p) == AvslojOrd(p);
}

bool Avslojning::utruta(int k, const QString &d)
{
    if (k < 1 || k > Platser || !harOrd(k) || lost(k))
        return false;
    ++AvslojForsok;
    if (k - 1 >= m_ListBox3.size() || d != m_ListBox3[k - 1])
        return false;
    const QString &tidigare = m_mask[k];
    QString ny = d;
    if (tidigare.size() >= 2 && tidigare[tidigare.size() - 2] == QChar(u'*') && arSlutTecken(tidigare.back()))
        ny += tidigare.back();
    m_mask[k] = ny;
    ++AvslojRatt;
    m_ListBox1.removeOne(d);
    return true;
}

QList<int> Avslojning::Textkoll(const QString &skrivet)
{
    QList<int> losta;
    for (qsizetype j = 0; j < m_ListBox4.size(); ++j) {
        const QString &ord = m_ListBox4[j];
        QString jamfor = skrivet;
        if (!ord.isEmpty() && arSlutTecken(ord.back()))
            jamfor += ord.back();
        if (jamfor == ord) {
            ++AvslojRatt;
            ++AvslojForsok;
            m_ListBox4[j].clear();
            if (j + 1 <= Platser)
                m_mask[j + 1] = jamfor;
            losta << int(j + 1);
        }
    }
    if (losta.isEmpty())
        ++AvslojForsok;
    return losta;
}

int Avslojning::rattProcent() const
{
    return procent(AvslojRatt, AvslojForsok);
}

int Avslojning::losProcent() const
{
    return procent(AvslojRatt, AvslojAntal);
}
