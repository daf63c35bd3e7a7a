#include "drills/grammar/TStegPost.h"

#include "platform/Cp1252.h"

#include <QtEndian>

QByteArray TStegPost::toBytes() const
{
    QByteArray b(Storlek, '\0');
    const QByteArray namn = Cp1252::encode(Namn).left(NamnStorlek - 1);
    std::copy(namn.begin(), namn.end(), b.begin());
    sattNiva(b, Niva);
    return b;
}

TStegPost TStegPost::fromBytes(const QByteArray &post)
{
    TStegPost p;
    const QByteArray namn = post.left(NamnStorlek);
    const qsizetype slut = namn.indexOf('\0');
    p.Namn = Cp1252::decode(slut < 0 ? namn : namn.left(slut));
    if (post.size() >= Storlek)
        p.Niva = qFromLittleEndian<qint32>(post.constData() + NamnStorlek);
    return p;
}

bool TStegPost::arHel(const QByteArray &post)
{
    if (post.size() != Storlek || !post.left(NamnStorlek).contains('\0'))
        return false;
    const qint32 niva = qFromLittleEndian<qint32>(post.constData() + NamnStorlek);
    return niva >= 1 && niva <= 20;
}

void TStegPost::sattNiva(QByteArray &post, qint32 niva)
{
    if (post.size() < Storlek)
        post.resize(Storlek, '\0');
    qToLittleEndian<qint32>(niva, post.data() + NamnStorlek);
}
