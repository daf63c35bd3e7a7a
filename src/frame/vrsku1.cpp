#include "frame/vrsku1.h"

#include "frame/randomorder.h"
#include "frame/startup.h"

QString PCPath;
QString CDPath;
QString ScoreDirectory;
QString DiagnosPath;
quint8 ScoreDirectoryOk = 0;
quint8 DiagnosPathKlar = 0;

Tabell<QString, MaxListor> DatFiler;
quint16 AntalDatFiler = 0;
quint16 AntalListor = 0;
Tabell<QString, MaxLovordFiler> LovordFiler;
quint16 AntalLovordFiler = 0;

qint32 PausTid = 3;
quint8 LjudInst = 1;
quint8 BildInst = 1;

QString DataFilNamn;
qint32 ListNummer = 1;
Tabell<qint32, MaxListor> PostAntal{};
Tabell<QString, 3> OvningsRubrik;
QString InstruktionsText;
QString UtskriftInstruktion;
QString PostRad;
quint16 Programtal = 0;
QString RegelSida;

quint8 OvningsLage = 0;
quint8 FelRunda = 0;
qint32 SvarsVariant = 0;

TPostFalt PostFalt;
quint16 AntalFalt = 0;
quint16 AntalAlternativ = 0;
Tabell<QString, 5> PrepDelar;
Tabell<QString, 3> MeningsRader;

Tabell<qint32, MaxSlumptal> SlumpTabell{};
Tabell<qint32, MaxListor> SlumpPosition{};
quint16 SlumpPost = 1;
Tabell<TFelPar, MaxFelKo> FelKo{};
Tabell<qint32, MaxListor> FelPerLista{};
qint32 FelPost = 0;
qint32 KlockPost = 0;

qint32 Skalning = 100;
qint32 Marginal = 10;

QString LovordFilNamn;
qint32 LovordTyp = 0;
Tabell<qint32, MaxLovordFiler> LovordPosition{};
Tabell<qint32, MaxLovordFiler> LovordRadAntal{};

qint32 BildAntal = 42;
Tabell<qint32, MaxBilder> BildLista{};
quint8 BildListaNy = 1;
qint32 BildIndex = 1;
qint32 BildNummer = 0;
QString BildFilNamn;
QString BildText;
QString LjudFilPrefix;
Tabell<qint32, 6> StartBildNummer{};

qint32 SidNummer = 1;
qint32 UtskriftAvsnitt = 0;
quint8 UtskriftNyRubrik = 0;
qint32 UtskriftPostNr = 0;
quint8 MedFacit = 0;
qint32 UtskriftAntal = 0;
QString UtskriftRubrik;
quint8 MaxOrdLangd = 0;

qint32 DiagRad = 0;
qint32 DiagOvningNr = 0;
quint8 DiagSpara = 0;
quint8 DiagAvbruten = 0;

Tabell<QString, 3> SpelarNamn;
Tabell<qint32, MaxListor> DinaOrdAntal{};
Tabell<qint32, MaxListor> DinaOrdPosition{};
Tabell<TFelPar, MaxDinaOrdFelKo> DinaOrdFelKo{};
Tabell<qint32, MaxListor> DinaOrdFelAntal{};
qint32 DinaOrdFelPost = 0;
QString DinaOrdFil;
QString DinaOrdListNamn;
QString RekordFilNamn;

qint32 StegNiva = 1;
quint8 SparaNiva = 0;

qint32 PosterPerOmgang = PosterPerOmgangInst;
qint32 AntalPoster = PosterPerOmgangInst;
quint16 PostNummer = 1;
quint16 AntalRatt = 0;
quint16 AntalFel = 0;
quint8 RattSvarFlagga = 0;
qint32 TimerTick = 0;

quint8 DinaOrdStartad = 0;
qint32 DinaOrdLista = 1;
qint32 ProtokollRad = 1;
quint8 FleraBarStartad = 0;
quint8 SkrivRubrik = 0;
quint8 DiktamVisning = 0;
quint8 MusOverBild = 0;

bool AvslutaProgrammet = false;

QString kortad(const QString &text, int n)
{
    return text.size() > n ? text.left(n) : text;
}

void vrsku1_start()
{
    CDPath.clear();
    FelRunda = 0;
    ListNummer = 1;
    SlumpPost = 1;
    DinaOrdStartad = 0;
    ProtokollRad = 1;
    FleraBarStartad = 0;
    OvningsLage = 0;
    SkrivRubrik = 0;
    DinaOrdLista = 1;
    AvslutaProgrammet = false;
    PausTid = 3;
    LjudInst = 1;
    BildInst = 1;

    LaesSokvagar();
    HaemtaDatFiler();
    HaemtaLovordFiler();
    RaknaBilder();
    NollstallSlump(1, MaxSlumptal);
}
