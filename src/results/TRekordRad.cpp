#include "results/TRekordRad.h"

#include "platform/Cp1252.h"

#include <QtEndian>

TRekordRad RekordPost;

namespace {

constexpr int kArOffset = 22;

} // namespace

QByteArray TRekordRad::toBytes() const
{
    QByteArray b(Storlek, '\0');
    const QByteArray namn = Cp1252::encode(Namn.left(NamnLangd));
    b[0] = char(namn.size());
    for (int i = 0; i < namn.size(); ++i)
        b[1 + i] = namn[i];
    const quint16 tal[] = {Ar, Manad, Dag, Timme, Minut, Resultat};
    for (int i = 0; i < 6; ++i)
        qToLittleEndian<quint16>(tal[i], b.data() + kArOffset + 2 * i);
    return b;
}

TRekordRad TRekordRad::fromBytes(const char *data)
{
    TRekordRad r;
    const int langd = qMin(int(static_cast<unsigned char>(data[0])), NamnLangd);
    r.Namn = Cp1252::decode(QByteArray(data + 1, langd));
    quint16 *falt[] = {&r.Ar, &r.Manad, &r.Dag, &r.Timme, &r.Minut, &r.Resultat};
    for (int i = 0; i < 6; ++i)
        *falt[i] = qFromLittleEndian<quint16>(data + kArOffset + 2 * i);
    return r;
}
