#pragma once
// The shared state of the program: everything that outlives a window lives
// here, under the names the program has always used. Arrays are 1-based with
// fixed bounds; element 0 is unused.

#include <QString>
#include <QtGlobal>

#include <array>

// Fixed sizes of the shared tables.
inline constexpr int MaxDatFiler = 145;  // data files taken from the list
inline constexpr int MaxListor = 400;   // per-file slots: listed files, then files opened unlisted
inline constexpr int MaxLovordFiler = 20;
inline constexpr int MaxSlumptal = 1900;
inline constexpr int MaxFelKo = 400;
inline constexpr int MaxFalt = 10;
inline constexpr int MaxDinaOrdFelKo = 200;
inline constexpr int KortStrang = 80;   // header lines and roots
inline constexpr int FilNamnLangd = 12; // names in the file lists

// Values fixed for the whole run.
inline constexpr quint8 KrypteradeFiler = 1;
inline constexpr int PosterPerOmgangInst = 10;
inline constexpr int DiagnosAntal = 20;
inline constexpr int DiagGrans = 15;
inline constexpr int RekordMax = 100;

template <typename T, int N>
using Tabell = std::array<T, N + 1>;

// Roots and result directories.
extern QString PCPath;
extern QString CDPath;
extern QString ScoreDirectory;
extern QString DiagnosPath;
extern quint8 ScoreDirectoryOk;
extern quint8 DiagnosPathKlar;

// Known data files and praise files.
extern Tabell<QString, MaxListor> DatFiler;
extern quint16 AntalDatFiler; // entries taken from the list (at most MaxDatFiler)
extern quint16 AntalListor;   // slots in use: the listed files and those opened unlisted
extern Tabell<QString, MaxLovordFiler> LovordFiler;
extern quint16 AntalLovordFiler;

// Settings.
extern qint32 PausTid;
extern quint8 LjudInst;
extern quint8 BildInst;

// The current data file and its item.
extern QString DataFilNamn;
extern qint32 ListNummer;
extern Tabell<qint32, MaxListor> PostAntal;
extern Tabell<QString, 3> OvningsRubrik;
extern QString InstruktionsText;
extern QString UtskriftInstruktion;
extern QString PostRad;
extern quint16 Programtal;

// The rule page last chosen for the rule viewer.
extern QString RegelSida;

// Run mode: 0 practice, 1 worksheet, 2 diagnosis test, 3 and 4 diagnosis
// practice, 5 error round in diagnosis practice.
extern quint8 OvningsLage;
extern quint8 FelRunda;
extern qint32 SvarsVariant;

// Fields of the item line last split.
using TPostFalt = Tabell<QString, MaxFalt>;
extern TPostFalt PostFalt;
extern quint16 AntalFalt;
extern quint16 AntalAlternativ;
extern Tabell<QString, 5> PrepDelar;
extern Tabell<QString, 3> MeningsRader;

// Random order and the error-repetition queue.
struct TFelPar
{
    qint32 Post = 0;  // item number; 0 = free place
    qint32 Lista = 0; // list number of the data file
};
extern Tabell<qint32, MaxSlumptal> SlumpTabell;
extern Tabell<qint32, MaxListor> SlumpPosition;
extern quint16 SlumpPost;
extern Tabell<TFelPar, MaxFelKo> FelKo;
extern Tabell<qint32, MaxListor> FelPerLista;
extern qint32 FelPost;
extern qint32 KlockPost;

// Screen scale (percent) and layout unit (pixels).
extern qint32 Skalning;
extern qint32 Marginal;

// Praise texts.
extern QString LovordFilNamn;
extern qint32 LovordTyp;
extern Tabell<qint32, MaxLovordFiler> LovordPosition;
extern Tabell<qint32, MaxLovordFiler> LovordRadAntal;

// Pictures and sound.
inline constexpr int MaxBilder = 50;
extern qint32 BildAntal; // pictures of Germany in the picture list (42)
extern Tabell<qint32, MaxBilder> BildLista;
extern quint8 BildListaNy;
extern qint32 BildIndex;
extern qint32 BildNummer;
extern QString BildFilNamn;
extern QString BildText;
extern QString LjudFilPrefix;
extern Tabell<qint32, 6> StartBildNummer;

// Worksheets.
extern qint32 SidNummer;
extern qint32 UtskriftAvsnitt;
extern quint8 UtskriftNyRubrik;
extern qint32 UtskriftPostNr;
extern quint8 MedFacit;
extern qint32 UtskriftAntal;
extern QString UtskriftRubrik;
extern quint8 MaxOrdLangd; // longest word of a multiple-choice file, for its worksheet gaps

// Diagnosis. The pupil in diagnosis, AktivDiagnos, is declared with its
// record type in frame/TDiagnosPost.h; the register's own state in
// results/diagnosregister.h.
extern qint32 DiagRad;
extern qint32 DiagOvningNr;
extern quint8 DiagSpara;
extern quint8 DiagAvbruten;

// Players and the word-list trainer.
extern Tabell<QString, 3> SpelarNamn;
extern Tabell<qint32, MaxListor> DinaOrdAntal;
extern Tabell<qint32, MaxListor> DinaOrdPosition;
extern Tabell<TFelPar, MaxDinaOrdFelKo> DinaOrdFelKo;
extern Tabell<qint32, MaxListor> DinaOrdFelAntal; // queued wrong items of each word list
extern qint32 DinaOrdFelPost;   // the item last taken from DinaOrdFelKo
extern QString DinaOrdFil;      // full path of the open word list
extern QString DinaOrdListNamn; // display name of the open word list (at most 50 characters)
extern QString RekordFilNamn;    // full path of the record table in use

// The level-stepping exercise: the level reached (1..20) and whether its name
// box saves (1) or fetches (0) the level.
extern qint32 StegNiva;
extern quint8 SparaNiva;

// The round of the exercise window on screen.
extern qint32 PosterPerOmgang; // round length in effect
extern qint32 AntalPoster;     // items in this round
extern quint16 PostNummer;     // item 1.. of the round
extern quint16 AntalRatt;
extern quint16 AntalFel;
extern quint8 RattSvarFlagga;  // the last item was answered rightly
extern qint32 TimerTick;       // ticks of the pause after a wrong answer

// Start-up bookkeeping of other parts of the program.
extern quint8 DinaOrdStartad;
extern qint32 DinaOrdLista;
extern qint32 ProtokollRad;
extern quint8 FleraBarStartad;
extern quint8 SkrivRubrik;
extern quint8 DiktamVisning;
extern quint8 MusOverBild;

// Set when the program is to end as soon as its message loop starts.
extern bool AvslutaProgrammet;

// Cuts text to its first n characters (short strings of fixed capacity).
QString kortad(const QString &text, int n);

// The start routine of the shared state, run once before any window exists.
void vrsku1_start();
