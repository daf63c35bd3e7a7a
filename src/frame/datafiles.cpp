#include "frame/datafiles.h"

#include "frame/vrsku1.h"
#include "platform/MessageBox.h"
#include "platform/ProgramPath.h"
#include "platform/TextFile.h"

#include <QDateTime>
#include <QFileInfo>

namespace {

QString felaktigFil(const QString &namn)
{
    return QStringLiteral("Filen ") + namn + QStringLiteral(" finns inte eller är felaktig");
}

struct Cache
{
    QString sokvag;
    QDateTime andrad;
    qint64 storlek = -1;
    QStringList rader;
};

Cache &cache()
{
    static Cache c;
    return c;
}

bool arBlank(const QString &rad)
{
    return rad.trimmed().isEmpty();
}

// Applies one header line to the header globals; t is the next title slot.
void lasRubrik(const QString &rad, int &t)
{
    if (rad.size() >= 2 && rad[1] == QChar(u'%')) {
        UtskriftInstruktion = kortad(rad.mid(2), KortStrang);
    } else if (rad.size() >= 2 && rad[1] == QChar(u'§')) {
        InstruktionsText = kortad(rad.mid(2), KortStrang);
    } else {
        OvningsRubrik[t] = kortad(rad.mid(1), KortStrang);
        if (t < 3)
            ++t;
    }
}

} // namespace

QString hittaDataFil(const QString &FilNamn)
{
    if (FilNamn.trimmed().isEmpty())
        return {};
    const QString rel = QStringLiteral("\\DATA\\") + FilNamn;
    QString p = ProgramPath::resolve(PCPath, rel);
    if (p.isEmpty())
        p = ProgramPath::resolve(CDPath, rel);
    return p;
}

QString visadDataSokvag(const QString &FilNamn)
{
    const QString root = CDPath.trimmed().isEmpty() ? PCPath : CDPath;
    return ProgramPath::normalise(root + QStringLiteral("\\DATA\\") + FilNamn);
}

qint32 listNummerFor(const QString &FilNamn)
{
    for (int i = 1; i <= AntalListor; ++i)
        if (DatFiler[i].compare(FilNamn, Qt::CaseInsensitive) == 0)
            return i;
    if (AntalListor < MaxListor) {
        DatFiler[++AntalListor] = FilNamn;
        return AntalListor;
    }
    return MaxListor; // every slot is taken: the last one is shared
}

bool lasDataFil(const QString &sokvag, QStringList &rader)
{
    const QFileInfo info(sokvag);
    if (sokvag.isEmpty() || !info.isFile())
        return false;
    Cache &c = cache();
    if (c.sokvag == sokvag && c.andrad == info.lastModified() && c.storlek == info.size()) {
        rader = c.rader;
        return true;
    }
    if (!TextFile::readLines(sokvag, rader))
        return false;
    c.sokvag = sokvag;
    c.andrad = info.lastModified();
    c.storlek = info.size();
    c.rader = rader;
    return true;
}

bool arPostRad(const QString &rad)
{
    return !arBlank(rad) && rad[0] != QChar(u';') && rad[0] != QChar(u'$');
}

bool Kolla(const QString &FilNamn)
{
    ListNummer = listNummerFor(FilNamn);
    OvningsRubrik[1].clear();
    OvningsRubrik[2].clear();
    OvningsRubrik[3].clear();
    InstruktionsText.clear();
    UtskriftInstruktion.clear();

    if (PostAntal[ListNummer] > 0) {
        ordantal(FilNamn, ListNummer, false, 0);
        return true;
    }
    ordantal(FilNamn, ListNummer, true, 0, false);
    if (PostAntal[ListNummer] == 0) {
        MessageBox::showMessage(felaktigFil(FilNamn));
        return false;
    }
    return true;
}

bool Kolla2(const QString &FilNamn)
{
    DataFilNamn = FilNamn;
    const QString p = hittaDataFil(FilNamn);
    if (p.isEmpty() || !QFileInfo(p).isReadable()) {
        MessageBox::showMessage(felaktigFil(DataFilNamn));
        return false;
    }
    return true;
}

OrdantalResultat ordantal(const QString &FilNamn, qint32 Nummer, bool Rakna, quint8 Lovord, bool meddela)
{
    QStringList rader;
    if (FilNamn.isEmpty() || !lasDataFil(hittaDataFil(FilNamn), rader)) {
        if (meddela)
            MessageBox::showMessage(felaktigFil(FilNamn));
        return OrdantalResultat::FilSaknas;
    }
    int t = 1;
    const qsizetype n = Rakna ? rader.size() : qMin<qsizetype>(6, rader.size());
    qint32 antal = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QString &rad = rader[i];
        if (arBlank(rad))
            continue;
        if (rad[0] == QChar(u'$'))
            lasRubrik(rad, t);
        else if (Rakna && rad[0] != QChar(u';'))
            ++antal;
    }
    if (Rakna) {
        if (Lovord == 1) {
            if (Nummer >= 1 && Nummer <= MaxLovordFiler)
                LovordRadAntal[Nummer] += antal;
        } else if (Nummer >= 1 && Nummer <= MaxListor) {
            PostAntal[Nummer] += antal;
        }
    }
    return OrdantalResultat::Klart;
}

bool haemtaord(const QString &FilNamn, qint32 Nr)
{
    PostRad.clear();
    QStringList rader;
    if (!lasDataFil(hittaDataFil(FilNamn), rader)) {
        MessageBox::showMessage(felaktigFil(visadDataSokvag(FilNamn)));
        return false;
    }
    qint32 n = 0;
    for (const QString &rad : rader) {
        if (!arPostRad(rad))
            continue;
        if (++n == Nr) {
            PostRad = rad;
            return true;
        }
    }
    return false;
}

quint16 GeProgramtal(const QString &FilNamn)
{
    const qsizetype dot = FilNamn.indexOf('.');
    const QString stem = dot < 0 ? FilNamn : FilNamn.left(dot);
    qsizetype start = stem.size();
    while (start > 0 && stem[start - 1].isDigit() && stem[start - 1].unicode() < 128)
        --start;
    const QString digits = stem.mid(start);
    if (digits.isEmpty())
        return 0;
    bool ok = false;
    const qulonglong v = digits.toULongLong(&ok);
    return (ok && v <= 65535) ? quint16(v) : 0;
}
