#include "frame/TDiagnosPost.h"

#include "platform/Cp1252.h"

#include <QtEndian>

TDiagnosPost AktivDiagnos;

namespace {

constexpr int NamnOffset = 0;
constexpr int LosenOffset = DiagnosLosenStart;
constexpr int ResultatOffset = 36;
constexpr int StatusOffset = DiagnosStatusStart;
constexpr int ArOffset = 136;
constexpr int ManadOffset = 176;
constexpr int DagOffset = 216;
constexpr int TimmeOffset = 256;
constexpr int MinutOffset = 296;

QString readShortString(const char *field, int capacity)
{
    const int length = qMin(int(static_cast<unsigned char>(field[0])), capacity);
    return Cp1252::decode(QByteArray(field + 1, length));
}

void writeShortString(char *field, int capacity, const QString &text)
{
    const QByteArray bytes = Cp1252::encode(text).left(capacity);
    field[0] = char(bytes.size());
    std::fill(field + 1, field + 1 + capacity, '\0');
    std::copy(bytes.begin(), bytes.end(), field + 1);
}

void readWords(const char *data, int offset, Tabell<quint16, DiagnosOmradesAntal> &words)
{
    for (int k = 1; k <= DiagnosOmradesAntal; ++k)
        words[k] = qFromLittleEndian<quint16>(data + offset + 2 * (k - 1));
}

void writeWords(char *data, int offset, const Tabell<quint16, DiagnosOmradesAntal> &words)
{
    for (int k = 1; k <= DiagnosOmradesAntal; ++k)
        qToLittleEndian<quint16>(words[k], data + offset + 2 * (k - 1));
}

} // namespace

TDiagnosPost TDiagnosPost::fromBytes(const QByteArray &data)
{
    QByteArray image = data.left(DiagnosPostStorlek);
    if (image.size() < DiagnosPostStorlek)
        image.append(DiagnosPostStorlek - image.size(), '\0');
    const char *d = image.constData();

    TDiagnosPost p;
    p.Namn = readShortString(d + NamnOffset, DiagnosNamnLangd);
    p.Losen = readShortString(d + LosenOffset, DiagnosLosenLangd);
    for (int k = 1; k <= DiagnosOmradesAntal; ++k) {
        p.Resultat[k] = qFromLittleEndian<qint32>(d + ResultatOffset + 4 * (k - 1));
        const quint8 s = quint8(d[StatusOffset + k - 1]);
        p.Status[k] = s > DiagnosHogstaStatus ? 0 : s;
    }
    readWords(d, ArOffset, p.Ar);
    readWords(d, ManadOffset, p.Manad);
    readWords(d, DagOffset, p.Dag);
    readWords(d, TimmeOffset, p.Timme);
    readWords(d, MinutOffset, p.Minut);
    p.lastBytes = image;
    return p;
}

QByteArray TDiagnosPost::toBytes() const
{
    QByteArray image = lastBytes.size() == DiagnosPostStorlek ? lastBytes
                                                              : QByteArray(DiagnosPostStorlek, '\0');
    char *d = image.data();
    writeShortString(d + NamnOffset, DiagnosNamnLangd, Namn);
    writeShortString(d + LosenOffset, DiagnosLosenLangd, Losen);
    for (int k = 1; k <= DiagnosOmradesAntal; ++k) {
        qToLittleEndian<qint32>(Resultat[k], d + ResultatOffset + 4 * (k - 1));
        d[StatusOffset + k - 1] = char(Status[k]);
    }
    writeWords(d, ArOffset, Ar);
    writeWords(d, ManadOffset, Manad);
    writeWords(d, DagOffset, Dag);
    writeWords(d, TimmeOffset, Timme);
    writeWords(d, MinutOffset, Minut);
    return image;
}
