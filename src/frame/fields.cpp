#include "frame/fields.h"

#include "frame/vrsku1.h"
#include "platform/Cp1252.h"

#include <QStringList>

namespace {

// The per-position transformation, its own inverse. A byte stays as it is
// when it or its result would be a control character, so that no control
// character appears in a stored line and a tab in a line survives.
QByteArray blanda(QByteArray s)
{
    for (qsizetype idx = 0; idx < s.size(); ++idx) {
        const int i = int(idx) + 1; // positions count from 1
        const int k = ((i % 2 == 1) ? (i / 2) + 10 : (i / 2) + 8) % 256;
        const unsigned char c = static_cast<unsigned char>(s[idx]);
        const unsigned char d = static_cast<unsigned char>(c ^ k);
        if (c >= 32 && d >= 32)
            s[idx] = char(d);
    }
    return s;
}

QByteArray utanCR(QByteArray b)
{
    while (b.endsWith('\r') || b.endsWith('\n'))
        b.chop(1);
    return b;
}

} // namespace

QByteArray kryptradBytes(const QByteArray &Rad)
{
    const QByteArray r = utanCR(Rad);
    if (!r.isEmpty() && (r[0] == ';' || r[0] == '$' || r[0] == '#' || r[0] == ')'))
        return r;
    return blanda('#' + r);
}

QByteArray scrambleAnyBytes(const QByteArray &Text)
{
    return blanda('#' + utanCR(Text));
}

QByteArray dekryptradBytes(const QByteArray &Rad)
{
    const QByteArray r = utanCR(Rad);
    if (r.isEmpty() || r[0] != ')')
        return r;
    return blanda(r).mid(1);
}

QString kryptrad(const QString &Rad)
{
    return Cp1252::decode(kryptradBytes(Cp1252::encode(Rad)));
}

QString dekryptrad(const QString &Rad)
{
    if (Rad.isEmpty() || Rad[0] != QChar(u')'))
        return Rad;
    return Cp1252::decode(dekryptradBytes(Cp1252::encode(Rad)));
}

void str_postarray(const QString &Rad)
{
    AntalAlternativ = 0;
    AntalFalt = 0;
    for (auto &f : PostFalt)
        f.clear();

    QString s = Rad;
    if (KrypteradeFiler == 1 && !Rad.isEmpty())
        s = dekryptrad(Rad);
    if (s.isEmpty())
        return;

    QStringList delar = s.split(QChar(u'#'));
    if (s.endsWith(QChar(u'#')))
        delar.removeLast(); // a "#" at the end adds no field
    bool alternativ = false;
    for (const QString &del : delar) {
        if (AntalFalt == MaxFalt)
            break; // fields past the tenth are ignored
        QString falt = del;
        qsizetype forsta = 0;
        while (forsta < falt.size() - 1 && falt[forsta] == QChar(u' '))
            ++forsta;
        falt = falt.mid(forsta);
        if (falt.startsWith(QChar(u'&'))) {
            falt.remove(0, 1);
            alternativ = true;
        }
        if (alternativ)
            ++AntalAlternativ;
        PostFalt[++AntalFalt] = falt;
    }
}

const QString &postFalt(int i)
{
    if (i > int(AntalFalt) || i > MaxFalt)
        return PostFalt[0]; // always empty
    return PostFalt[qMax(1, i)];
}

int forstaAlternativ()
{
    return int(AntalFalt) - int(AntalAlternativ) + 1;
}

int sistaFaltForeAlternativ()
{
    return int(AntalFalt) - int(AntalAlternativ);
}

void LetaPrep(const QString &Text)
{
    for (auto &d : PrepDelar)
        d.clear();
    int del = 1;
    for (const QChar c : Text) {
        if (c == QChar(u'<') || c == QChar(u'>')) {
            if (del < 5)
                ++del;
            // a fifth mark would start a sixth part: the text stays in part 5
            continue;
        }
        PrepDelar[del].append(c);
    }
}

QString MellanslagBort(const QString &S)
{
    QString r;
    r.reserve(S.size());
    bool blank = false;
    for (const QChar c : S) {
        if (c == QChar(u' ')) {
            blank = true;
            continue;
        }
        if (blank && !r.isEmpty())
            r.append(QChar(u' '));
        blank = false;
        r.append(c);
    }
    return r;
}
