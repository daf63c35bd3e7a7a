#include "drills/vocabulary/dinaordlistor.h"

#include "frame/datafiles.h"
#include "frame/fields.h"
#include "frame/randomorder.h"
#include "platform/Clock.h"
#include "platform/Cp1252.h"
#include "platform/MessageBox.h"
#include "platform/ProgramPath.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

void felaktigLista()
{
    MessageBox::showMessage(QStringLiteral("Filen ") + ProgramPath::normalise(DinaOrdFil)
                            + QStringLiteral(" finns inte eller är felaktig"));
}

bool giltigLista(qint32 l)
{
    return l >= 1 && l <= MaxListor;
}

// The files that have a slot in the per-list tables, in slot order.
QStringList &listSlotar()
{
    static QStringList s;
    return s;
}

int forstaParet(qint32 l)
{
    const int n = dinaOrdFelKoAntal();
    for (int i = 1; i <= n; ++i)
        if (DinaOrdFelKo[i].Lista == l)
            return i;
    return 0;
}

// Removes pair i; the pairs behind it move up one place.
void taBortPar(int i)
{
    const int n = dinaOrdFelKoAntal();
    for (int j = i; j < n; ++j)
        DinaOrdFelKo[j] = DinaOrdFelKo[j + 1];
    DinaOrdFelKo[n] = TFelPar{};
}

} // namespace

const Tabell<QString, ListNamnRader> &ListNamnTabell()
{
    static const Tabell<QString, ListNamnRader> tabell = [] {
        Tabell<QString, ListNamnRader> t;
        const char *rader[] = {
            "VRSK1=Mycket lätta glosor", "VRSK2=Lätta glosor", "VRSK3=Medellätta glosor",
            "VRSK4=Ganska svåra glosor", "VRSK5=Svåra glosor", "VRSK6=Mycket svåra glosor",
            "VRSKA1=Tyska glosor för åk 9", "VRSKA2=Tyska glosor för åk 8", "VRSKA3=Tyska glosor för åk 7",
            "REGVERB=Regelbundna verb", "ORDNUNG=Ordningstal", "MOTSATS=Motsatsord", "GRUNDZAH=Grundtalen",
            "subs_adj=Substantiverade adjektiv", "vrska7a=Tyska 7a", "vrska7b=Tyska 7b", "vrska7c=Tyska 7c",
            "vrska7d=Tyska 7d", "vrska7e=Tyska 7e", "vrska8a=Tyska 8a", "vrska8b=Tyska 8b",
            "vrska8c=Tyska 8c", "vrska8d=Tyska 8d", "vrska8e=Tyska 8e", "vrska9a=Tyska 9a",
            "vrska9b=Tyska 9b", "vrska9c=Tyska 9c", "vrska9d=Tyska 9d", "vrska9e=Tyska 9e",
        };
        int i = 1;
        for (const char *r : rader)
            t[i++] = QString::fromUtf8(r);
        return t;
    }();
    return tabell;
}

QString longfilnamn(const QString &ListNyckel)
{
    const QString sokt = Cp1252::upper(ListNyckel);
    const auto &tabell = ListNamnTabell();
    for (int i = 1; i < ListNamnRader; ++i) {
        const QString &rad = tabell[i];
        if (rad.isEmpty())
            continue; // an unused row names nothing
        const qsizetype lika = rad.indexOf(QLatin1Char('='));
        const QString nyckel = lika < 0 ? rad : rad.left(lika);
        if (Cp1252::upper(nyckel) == sokt)
            return kortad(lika < 0 ? QString() : rad.mid(lika + 1), ListNamnLangd);
    }
    return ListNyckel;
}

QStringList ordListFiler(quint16 programtal)
{
    const QString katalog = ProgramPath::resolve(PCPath, QStringLiteral("\\DATA"));
    if (katalog.isEmpty() || !QFileInfo(katalog).isDir())
        return {};
    QDir dir(katalog);
    dir.setNameFilters({programtal == SpeciellaGlosor ? QStringLiteral("*.vr2") : QStringLiteral("*.vr1")});
    QStringList namn = dir.entryList(QDir::Files, QDir::Unsorted);
    std::sort(namn.begin(), namn.end(), [](const QString &a, const QString &b) {
        const int c = QString::compare(a, b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
    });
    return namn;
}

QList<OrdLista> ordListor(quint16 programtal)
{
    QList<OrdLista> listor;
    for (const QString &fil : ordListFiler(programtal)) {
        const QString nyckel = fil.left(fil.size() - 4);
        if (nyckel == QLatin1String("tidsordf"))
            continue;
        listor.append({fil, longfilnamn(kortad(nyckel, ListNyckelLangd))});
    }
    return listor;
}

bool arOrdPost(const QString &text)
{
    if (text.isEmpty() || text[0] == QLatin1Char(';') || text[0] == QLatin1Char('$'))
        return false;
    for (qsizetype i = 1; i + 1 < text.size(); ++i)
        if (text[i] == QLatin1Char('#'))
            return true;
    return false;
}

qint32 ordListNummer(const QString &sokvag)
{
    QStringList &slotar = listSlotar();
    const QString nyckel = ProgramPath::normalise(sokvag);
    const qsizetype i = slotar.indexOf(nyckel);
    if (i >= 0)
        return qint32(i + 1);
    if (slotar.size() >= MaxListor)
        return 0;
    slotar.append(nyckel);
    return qint32(slotar.size());
}

bool lasOrdLista(const QString &sokvag, qint32 &antal)
{
    antal = 0;
    for (QString &r : OvningsRubrik)
        r.clear();
    InstruktionsText.clear();
    UtskriftInstruktion.clear();
    QStringList rader;
    if (sokvag.isEmpty() || !lasDataFil(sokvag, rader))
        return false;
    int rubrik = 1;
    for (qsizetype i = 0; i < rader.size(); ++i) {
        const QString text = KrypteradeFiler ? dekryptrad(rader[i]) : rader[i];
        if (i < 3 && text.startsWith(QLatin1Char('$'))) {
            if (text.size() >= 2 && text[1] == QLatin1Char('%')) {
                UtskriftInstruktion = kortad(text.mid(2), KortStrang);
            } else if (text.size() >= 2 && text[1] == QChar(u'§')) {
                InstruktionsText = kortad(text.mid(2), KortStrang);
            } else {
                OvningsRubrik[rubrik] = kortad(text.mid(1), KortStrang);
                if (rubrik < 3)
                    ++rubrik;
            }
        } else if (arOrdPost(text)) {
            ++antal;
        }
    }
    return true;
}

bool RaknaPoster(const QString &sokvag, qint32 lista)
{
    qint32 antal = 0;
    if (!lasOrdLista(sokvag, antal))
        return false;
    if (giltigLista(lista))
        DinaOrdAntal[lista] = antal;
    return true;
}

bool KollaFil()
{
    const qint32 l = DinaOrdLista;
    if (giltigLista(l) && DinaOrdAntal[l] == 0)
        RaknaPoster(DinaOrdFil, l);
    if (!giltigLista(l) || DinaOrdAntal[l] == 0) {
        felaktigLista();
        return false;
    }
    return true;
}

bool Filvald(const QString &FilNamn, const QString &VisningsNamn)
{
    const QString rel = QStringLiteral("\\DATA\\") + FilNamn;
    DinaOrdFil = ProgramPath::resolve(PCPath, rel);
    if (DinaOrdFil.isEmpty())
        DinaOrdFil = ProgramPath::resolve(CDPath, rel);
    if (DinaOrdFil.isEmpty())
        DinaOrdFil = PCPath + rel; // named as looked for, in the message
    DinaOrdLista = ordListNummer(DinaOrdFil);
    DinaOrdListNamn = kortad(VisningsNamn, ListNamnLangd);
    RekordFilNamn = dinaOrdRekordFil(FilNamn);

    // The headers are read at every choice, so that the instruction is always
    // this list's; the count is read once per run.
    qint32 antal = 0;
    if (!lasOrdLista(DinaOrdFil, antal)) {
        felaktigLista();
        return false;
    }
    return KollaFil();
}

qint32 NastaSlumpPost(qint32 Pos, qint32 Lista)
{
    if (!giltigLista(Lista))
        return 0;
    const qint32 n = DinaOrdAntal[Lista];
    const qint32 post = slumpVandring(Pos, n);
    if (n >= 1)
        DinaOrdPosition[Lista] = DinaOrdPosition[Lista] < n ? DinaOrdPosition[Lista] + 1 : 1;
    return post;
}

bool haemtaOrdPost(qint32 Nr)
{
    PostRad.clear();
    QStringList rader;
    if (DinaOrdFil.isEmpty() || !lasDataFil(DinaOrdFil, rader)) {
        felaktigLista();
        return false;
    }
    qint32 n = 0;
    for (const QString &rad : rader) {
        const QString text = KrypteradeFiler ? dekryptrad(rad) : rad;
        if (arOrdPost(text) && ++n == Nr) {
            PostRad = text;
            return true;
        }
    }
    return false;
}

int dinaOrdFelKoAntal()
{
    int n = 0;
    while (n < MaxDinaOrdFelKo && DinaOrdFelKo[n + 1].Post != 0)
        ++n;
    return n;
}

bool HaemtaPost(qint32 Lage)
{
    const qint32 l = DinaOrdLista;
    if (!giltigLista(l))
        return false;
    switch (Lage) {
    case DinaOrdKoTa: {
        if (DinaOrdFelAntal[l] < 1)
            return false;
        const int i = forstaParet(l);
        if (i == 0) {
            DinaOrdFelAntal[l] = 0; // the count had nothing behind it
            return false;
        }
        DinaOrdFelPost = DinaOrdFelKo[i].Post;
        if (DinaOrdFelPost < 1 || DinaOrdFelPost > DinaOrdAntal[l])
            return false;
        return haemtaOrdPost(DinaOrdFelPost);
    }
    case DinaOrdKoTaBort: {
        const int i = forstaParet(l);
        if (i == 0)
            return false;
        taBortPar(i);
        if (DinaOrdFelAntal[l] >= 1)
            --DinaOrdFelAntal[l];
        return true;
    }
    case DinaOrdKoFlyttaSist: {
        const int i = forstaParet(l);
        if (i == 0)
            return false;
        const TFelPar par = DinaOrdFelKo[i];
        taBortPar(i);
        DinaOrdFelKo[dinaOrdFelKoAntal() + 1] = par;
        return true;
    }
    case DinaOrdKoLaggTill: {
        if (SlumpPost == 0)
            return false;
        if (dinaOrdFelKoAntal() == MaxDinaOrdFelKo) {
            const qint32 aldsta = DinaOrdFelKo[1].Lista;
            if (giltigLista(aldsta) && DinaOrdFelAntal[aldsta] > 0)
                --DinaOrdFelAntal[aldsta];
            taBortPar(1);
        }
        DinaOrdFelKo[dinaOrdFelKoAntal() + 1] = TFelPar{qint32(SlumpPost), l};
        if (DinaOrdFelAntal[l] < MaxDinaOrdFelKo)
            ++DinaOrdFelAntal[l];
        return true;
    }
    default:
        return false;
    }
}

QString dinaOrdRekordFil(const QString &FilNamn)
{
    QString katalog = ScoreDirectory.isEmpty() ? PCPath + QStringLiteral("\\RESULTAT\\") : ScoreDirectory;
    if (!katalog.endsWith(QLatin1Char('\\')) && !katalog.endsWith(QLatin1Char('/')))
        katalog += QLatin1Char('\\');
    const qsizetype punkt = FilNamn.indexOf(QLatin1Char('.'));
    return katalog + (punkt < 0 ? FilNamn : FilNamn.left(punkt)) + QStringLiteral(".TNR");
}

double ordPoang(int svarsLangd, qint32 hundradelar, bool lampa)
{
    const double p = 100.0 + svarsLangd - 0.02 * hundradelar;
    return lampa ? p / 2 : p;
}

quint16 rekordResultat(double poang)
{
    return quint16(qBound(qint64(0), qRound64(poang), qint64(0xFFFF)));
}

qint64 stoppurMs()
{
    return Clock::elapsedMs();
}

void setStoppur(std::function<qint64()> kalla)
{
    Clock::setElapsedSource(std::move(kalla));
}
