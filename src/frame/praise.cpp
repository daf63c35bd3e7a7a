#include "frame/praise.h"

#include "frame/datafiles.h"
#include "frame/diagnosnummer.h"
#include "frame/fields.h"
#include "frame/randomorder.h"

namespace {

// Praise file numbers by the round's result (rows: all right, one wrong,
// two wrong) and by the area's stored result (columns: no area, 20, 1..19,
// 0); each cell without and with a pupil.
struct Val
{
    int utan;
    int med;
};
constexpr Val LovordTabell[3][4] = {
    {{9001, 9005}, {9011, 9011}, {9009, 9009}, {9003, 9007}},
    {{9002, 9006}, {9012, 9012}, {9010, 9010}, {9004, 9008}},
    {{9013, 9015}, {9014, 9016}, {9014, 9016}, {9014, 9016}},
};

// The area's stored result as a number; no stored result counts as none (0).
qint32 lagratTal(const QString &text)
{
    bool ok = false;
    const qint32 v = text.trimmed().toInt(&ok);
    return ok ? v : 0;
}

} // namespace

void HaemtaLovordFilNamn(quint16 AntalRatt, quint16 AntalPoster)
{
    const int ratt = AntalRatt;
    const int poster = AntalPoster;
    int rad = -1;
    if (ratt == poster)
        rad = 0;
    else if (ratt == poster - 1)
        rad = 1;
    else if (ratt == poster - 2)
        rad = 2;

    int nummer = 9001;
    if (rad >= 0) {
        QString lagrat;
        const quint16 omrade = GeDiagnosNummer(Programtal, &lagrat);
        int kolumn = 0;
        if (omrade != 0) {
            const qint32 R = lagratTal(lagrat);
            kolumn = R >= DiagnosAntal ? 1 : (R > 0 ? 2 : 3);
        }
        const Val &v = LovordTabell[rad][kolumn];
        nummer = aktivElevNamn().isEmpty() ? v.utan : v.med;
    }
    LovordFilNamn = QStringLiteral("VROM") + QString::number(nummer) + QStringLiteral(".LOV");
}

bool KollaLovOrd(const QString &FilNamn)
{
    LovordTyp = 0;
    for (int i = 1; i <= AntalLovordFiler && i <= MaxLovordFiler; ++i) {
        if (LovordFiler[i].compare(FilNamn, Qt::CaseInsensitive) == 0) {
            LovordTyp = i;
            break;
        }
    }
    if (LovordTyp == 0)
        return false; // an unlisted name gives no praise

    if (LovordRadAntal[LovordTyp] == 0) {
        // Counting reads the file's header lines too; they belong to the
        // exercise on screen, not to the praise file.
        const Tabell<QString, 3> rubrik = OvningsRubrik;
        const QString instruktion = InstruktionsText;
        const QString utskrift = UtskriftInstruktion;
        ordantal(FilNamn, LovordTyp, true, 1);
        OvningsRubrik = rubrik;
        InstruktionsText = instruktion;
        UtskriftInstruktion = utskrift;
    }
    return LovordRadAntal[LovordTyp] > 0;
}

qint32 haemta_Lovordslumptal(qint32 Pos, qint32 Typ)
{
    if (Typ < 1 || Typ > MaxLovordFiler)
        return 0;
    const qint32 N = qMin(LovordRadAntal[Typ], qint32(MaxSlumptal));
    const qint32 rad = slumpVandring(Pos, N);
    if (N >= 1)
        LovordPosition[Typ] = LovordPosition[Typ] < N ? LovordPosition[Typ] + 1 : 1;
    return rad;
}

void LovordMen(const QString &Mall, QString &Text)
{
    QString lagrat;
    const quint16 omrade = GeDiagnosNummer(Programtal, &lagrat);
    const QString namn = QStringLiteral("<namn>");
    const QString diagnos = QStringLiteral("<diagnos>");
    const QString res = QStringLiteral("<res>");

    Text.clear();
    qsizetype i = 0;
    while (i < Mall.size()) {
        if (Mall[i] == QChar(u'<')) {
            if (Mall.mid(i, namn.size()) == namn) {
                Text += aktivElevNamn();
                i += namn.size();
                continue;
            }
            if (Mall.mid(i, diagnos.size()) == diagnos) {
                Text += QString::number(omrade);
                i += diagnos.size();
                continue;
            }
            if (Mall.mid(i, res.size()) == res) {
                // Without an area there is no result to name.
                if (omrade != 0)
                    Text += QString::number(lagratTal(lagrat));
                i += res.size();
                continue;
            }
        }
        Text += Mall[i];
        ++i;
    }
    Text.remove(QChar(u'>'));
}

bool haemtaLovordText(quint16 AntalRatt, quint16 AntalPoster, Tabell<QString, 3> &rader)
{
    for (QString &r : rader)
        r.clear();
    HaemtaLovordFilNamn(AntalRatt, AntalPoster);
    if (!KollaLovOrd(LovordFilNamn))
        return false;
    SlumpPost = quint16(haemta_Lovordslumptal(LovordPosition[LovordTyp], LovordTyp));
    if (!haemtaord(LovordFilNamn, SlumpPost))
        return false;
    str_postarray(PostRad);
    for (int f = 3; f >= 1; --f)
        LovordMen(PostFalt[f], rader[f]);
    return true;
}
