// The bundled course as files: every file of DATA is Windows-1252 text with
// CRLF line ends and holds the items it should; every answer an item takes
// besides its own is another answer as the window's check compares them; a
// choice among words offers the right one once and every other right one it
// takes; and no spelling withdrawn from the official rules is taught as
// right.

#include "TestMain.h"
#include "drills/grammar/NivaFil.h"
#include "drills/grammar/flerval.h"
#include "drills/grammar/passakt.h"
#include "drills/grammar/seinlopp.h"
#include "frame/answercheck.h"
#include "frame/catalogue/katalog.h"
#include "frame/datafiles.h"
#include "frame/fields.h"
#include "frame/vrsku1.h"
#include "platform/Cp1252.h"
#include "results/diagnosfonster.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <map>

namespace {

QString kursKatalog()
{
    return qEnvironmentVariable("VARMIKO_COURSE") + QStringLiteral("/DATA");
}

QByteArray kursFil(const QString &fil)
{
    QFile f(kursKatalog() + QLatin1Char('/') + fil);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The stored lines of a file, line ends removed.
QList<QByteArray> lagradeRader(const QString &fil)
{
    QList<QByteArray> rader = kursFil(fil).split('\n');
    if (!rader.isEmpty() && rader.last().isEmpty())
        rader.removeLast();
    for (QByteArray &r : rader)
        if (r.endsWith('\r'))
            r.chop(1);
    return rader;
}

// The lines as the program reads them: plain text, scrambled ones unscrambled.
QStringList kursRader(const QString &fil)
{
    QStringList rader;
    for (const QByteArray &r : lagradeRader(fil))
        rader << Cp1252::decode(dekryptradBytes(r));
    return rader;
}

bool arPost(const QString &rad)
{
    return !rad.isEmpty() && !rad.startsWith(QLatin1Char(';')) && !rad.startsWith(QLatin1Char('$'));
}

// Items of every file of DATA as the program counts them (blank, comment and
// header lines aside). The two spelling lists hold one line more than they
// did before they said which revision of the rules they follow.
const std::map<QString, int> &forvantadePostantal()
{
    static const std::map<QString, int> antal{
        {"GRUNDZAH.vr2", 32}, {"NyTysk1.txt", 62}, {"NyTysk2.txt", 40}, {"ORDNUNG.vr2", 24},
        {"REGVERB.vr2", 30}, {"VRDIAG01.DAT", 27}, {"VRDIAG02.DAT", 28}, {"VRDIAG03.DAT", 30},
        {"VRDIAG04.DAT", 27}, {"VRDIAG05.DAT", 25}, {"VRDIAG06.DAT", 28}, {"VRDIAG07.DAT", 25},
        {"VRDIAG08.DAT", 27}, {"VRDIAG09.DAT", 24}, {"VRDIAG10.DAT", 24}, {"VRDIAG11.DAT", 25},
        {"VRDIAG12.DAT", 24}, {"VRDIAG13.DAT", 27}, {"VRDIAG14.DAT", 25}, {"VRDIAG15.DAT", 25},
        {"VRDIAG16.DAT", 26}, {"VRDIAG17.DAT", 25}, {"VROM9001.LOV", 8}, {"VROM9002.LOV", 8},
        {"VROM9003.LOV", 7}, {"VROM9004.LOV", 7}, {"VROM9005.LOV", 8}, {"VROM9006.LOV", 8},
        {"VROM9007.LOV", 7}, {"VROM9008.LOV", 7}, {"VROM9009.LOV", 7}, {"VROM9010.LOV", 7},
        {"VROM9011.LOV", 7}, {"VROM9012.LOV", 7}, {"VROM9013.LOV", 7}, {"VROM9014.LOV", 7},
        {"VROM9015.LOV", 7}, {"VROM9016.LOV", 7}, {"VROVN101.DAT", 30}, {"VROVN102.DAT", 30},
        {"VROVN103.DAT", 32}, {"VROVN104.DAT", 28}, {"VROVN105.DAT", 24}, {"VROVN106.DAT", 26},
        {"VROVN107.DAT", 24}, {"VROVN108.DAT", 24}, {"VROVN109.DAT", 25}, {"VROVN110.DAT", 24},
        {"VROVN111.DAT", 23}, {"VROVN112.DAT", 23}, {"VROVN113.DAT", 26}, {"VROVN114.DAT", 25},
        {"VROVN115.DAT", 26}, {"VROVN116.DAT", 26}, {"VROVN117.DAT", 25}, {"VRS21301.DAT", 16},
        {"VRS21302.DAT", 14}, {"VRS21303.DAT", 14}, {"VRS21304.DAT", 14}, {"VRS21305.DAT", 14},
        {"VRS21306.DAT", 14}, {"VRS21307.DAT", 15}, {"VRS21410.DAT", 16}, {"VRS21420.DAT", 17},
        {"VRS21430.DAT", 16}, {"VRS21440.DAT", 17}, {"VRS21510.DAT", 34}, {"VRS21520.DAT", 18},
        {"VRS21530.DAT", 17}, {"VRS21540.DAT", 16}, {"VRS21550.DAT", 16}, {"VRS21560.DAT", 31},
        {"VRS22000.DAT", 34}, {"VRS23000.DAT", 28}, {"VRS31100.DAT", 30}, {"VRS31200.DAT", 28},
        {"VRS31300.DAT", 29}, {"VRS31400.DAT", 28}, {"VRS32000.DAT", 16}, {"VRS41000.DAT", 64},
        {"VRS42000.DAT", 39}, {"VRS43000.DAT", 16}, {"VRS44000.DAT", 16}, {"VRS45000.DAT", 18},
        {"VRS46000.DAT", 16}, {"VRS47000.DAT", 15}, {"VRS51100.DAT", 50}, {"VRS51210.DAT", 17},
        {"VRS51220.DAT", 17}, {"VRS51300.DAT", 17}, {"VRS51410.DAT", 16}, {"VRS51420.DAT", 18},
        {"VRS51430.DAT", 17}, {"VRS51450.DAT", 17}, {"VRS51460.DAT", 17}, {"VRS51470.DAT", 28},
        {"VRS51480.DAT", 17}, {"VRS52100.DAT", 31}, {"VRS52200.DAT", 30}, {"VRS52300.DAT", 28},
        {"VRS52400.DAT", 27}, {"VRS52500.DAT", 18}, {"VRS53100.DAT", 107}, {"VRS53200.DAT", 19},
        {"VRS53300.DAT", 144}, {"VRS54100.DAT", 17}, {"VRS54200.DAT", 17}, {"VRS54300.DAT", 29},
        {"VRS54400.DAT", 17}, {"VRS54500.DAT", 17}, {"VRS54600.DAT", 17}, {"VRS54700.DAT", 16},
        {"VRS54800.DAT", 17}, {"VRS55110.DAT", 16}, {"VRS55120.DAT", 16}, {"VRS55130.DAT", 18},
        {"VRS55210.DAT", 16}, {"VRS55220.DAT", 17}, {"VRS55300.DAT", 19}, {"VRS56110.DAT", 122},
        {"VRS56120.DAT", 17}, {"VRS56130.DAT", 17}, {"VRS56140.DAT", 16}, {"VRS56150.DAT", 16},
        {"VRS56210.DAT", 111}, {"VRS56220.DAT", 17}, {"VRS56230.DAT", 17}, {"VRS56240.DAT", 17},
        {"VRS56250.DAT", 16}, {"VRS56310.DAT", 28}, {"VRS56320.DAT", 24}, {"VRS56410.DAT", 25},
        {"VRS56420.DAT", 23}, {"VRS56430.DAT", 23}, {"VRS56440.DAT", 20}, {"VRS56510.DAT", 16},
        {"VRS56520.DAT", 16}, {"VRS56530.DAT", 16}, {"VRS56540.DAT", 16}, {"VRS56550.DAT", 16},
        {"VRS56560.DAT", 16}, {"VRS56570.DAT", 17}, {"VRS56610.DAT", 17}, {"VRS56620.DAT", 17},
        {"VRS56630.DAT", 17}, {"VRS56640.DAT", 16}, {"VRS56650.DAT", 16}, {"VRS56660.DAT", 16},
        {"VRS56710.DAT", 18}, {"VRS56720.DAT", 16}, {"VRS56730.DAT", 22}, {"VRS56740.DAT", 22},
        {"VRS56750.DAT", 22}, {"VRS56760.DAT", 16}, {"VRS56770.DAT", 17}, {"VRS56800.DAT", 18},
        {"VRS56900.DAT", 24}, {"VRS57100.DAT", 100}, {"VRS57200.DAT", 100}, {"VRS57300.DAT", 22},
        {"VRS57400.DAT", 19}, {"VRS61000.DAT", 101}, {"VRS62000.DAT", 192}, {"VRS62000.ORD", 70},
        {"VRS63000.DAT", 63}, {"VRSK1.vr1", 26}, {"VRSK2.vr1", 26}, {"VRSK3.vr1", 26}, {"VRSK4.vr1", 26},
        {"VRSKMAN.TXT", 236}, {"datfiler.vrs", 159}
    };
    return antal;
}

// The window that runs each data file, by its class name: the menus' files,
// the diagnosis files of the seventeen areas and the word lists.
QHash<QString, QString> fonsterForFil()
{
    QHash<QString, QString> f;
    for (const KatalogMeny &m : katalog())
        for (const KatalogKnapp &k : m.knappar)
            if (k.sort == KnappSort::Ovning)
                f.insert(k.datafil.toUpper(), k.mal);
    for (int omrade = 1; omrade <= 17; ++omrade) {
        const QString nr = QStringLiteral("%1").arg(omrade, 2, 10, QLatin1Char('0'));
        f.insert(QStringLiteral("VRDIAG") + nr + QStringLiteral(".DAT"), diagnosFonsterKlass(omrade));
        f.insert(QStringLiteral("VROVN1") + nr + QStringLiteral(".DAT"), diagnosFonsterKlass(omrade));
    }
    for (const QString &fil : QDir(kursKatalog()).entryList({QStringLiteral("*.vr1"), QStringLiteral("*.vr2")}))
        f.insert(fil.toUpper(), QStringLiteral("TDinaOrd"));
    return f;
}

// Right as the answer check compares the two texts alone, without the
// alternatives of any item.
bool sammaSvar(const QString &ratt, const QString &svar, qint32 lage)
{
    str_postarray(QString());
    const quint16 program = Programtal;
    Programtal = 0;
    const bool ratt_ = svarstest(ratt, svar, lage) == SvarRatt;
    Programtal = program;
    return ratt_;
}

// One item as its window checks it: the right answers (one per gap), the
// alternatives, and the comparison mode.
struct Fraga
{
    QStringList svar;
    QStringList alternativ;
    qint32 lage = 1;
    bool tvaVarianter = false; // alternatives marked "1" and "2" belong to the first and second answer
};

Fraga fragaAv(const QString &fonster, quint16 program, QString rad)
{
    if (fonster == QLatin1String("TStegran"))
        rad = NivaFil::utanNiva(rad);
    str_postarray(rad);
    Fraga f;
    for (int i = forstaAlternativ(); i <= int(AntalFalt); ++i)
        if (!postFalt(i).isEmpty())
            f.alternativ << postFalt(i);
    const QString falt1 = postFalt(1);
    const QString falt2 = postFalt(2);
    if (fonster == QLatin1String("TSKRIV") || fonster == QLatin1String("TBilden")) {
        f.lage = 3;
        f.svar << (program == 16 ? falt1 : falt2);
    } else if (fonster == QLatin1String("TSkrivinf")) {
        const bool enMening = program == 17 || program == 117;
        const QString luckor = (!enMening && !falt2.isEmpty()) ? falt2 : falt1;
        LetaPrep(luckor);
        f.svar << PrepDelar[2];
        if (luckor.count(QLatin1Char('<')) >= 2)
            f.svar << PrepDelar[4];
    } else if (fonster == QLatin1String("Tskriv2")) {
        f.svar << falt2 << postFalt(3);
        f.tvaVarianter = true;
    } else if (fonster == QLatin1String("TFLERBAR") || fonster == QLatin1String("TSEIN")) {
        LetaPrep(falt1);
        f.svar << PrepDelar[2];
    } else if (fonster == QLatin1String("TStegran") || fonster == QLatin1String("TDinaOrd")) {
        f.svar << falt2;
    } else if (fonster == QLatin1String("TKlockan") || fonster == QLatin1String("TDiktam")
               || fonster == QLatin1String("TBildvis")) {
        f.svar << falt1;
    } else if (fonster == QLatin1String("TPassAkt")) {
        f.svar << passAktRattSvar();
    }
    return f;
}

} // namespace

class TestCourseFiles : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        SvarsVariant = 0;
        Programtal = 0;
    }

    void everyFileIsCp1252WithCrlfAndCountsItsItems()
    {
        const QStringList filer = QDir(kursKatalog()).entryList(QDir::Files, QDir::Name);
        QStringList forvantade;
        for (const auto &[fil, antal] : forvantadePostantal())
            forvantade << fil;
        QCOMPARE(filer, forvantade);

        for (const QString &fil : filer) {
            const QByteArray bytes = kursFil(fil);
            const QByteArray namn = fil.toLatin1();
            QVERIFY2(bytes.isEmpty() || bytes.endsWith("\r\n"), namn.constData());
            QVERIFY2(bytes.count('\r') == bytes.count("\r\n") && bytes.count('\n') == bytes.count("\r\n"),
                     namn.constData());
            int poster = 0;
            int radNr = 0;
            for (const QByteArray &lagrad : lagradeRader(fil)) {
                ++radNr;
                const QByteArray plain = dekryptradBytes(lagrad);
                const QByteArray var = namn + ':' + QByteArray::number(radNr);
                if (lagrad.startsWith(')'))
                    QVERIFY2(kryptradBytes(plain) == lagrad, var.constData()); // stored byte for byte as scrambled
                for (const char c : plain) {
                    const unsigned char b = static_cast<unsigned char>(c);
                    const bool hal = b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
                    QVERIFY2(!hal && (b >= 0x20 || b == '\t'), var.constData());
                }
                if (arPost(Cp1252::decode(plain)))
                    ++poster;
            }
            QVERIFY2(poster == forvantadePostantal().at(fil),
                     qPrintable(fil + QStringLiteral(": %1 items").arg(poster)));
        }

        // Every file the menus and the diagnosis name is there.
        const QHash<QString, QString> fonster = fonsterForFil();
        for (auto it = fonster.cbegin(); it != fonster.cend(); ++it)
            QVERIFY2(std::any_of(filer.cbegin(), filer.cend(),
                                 [&](const QString &f) { return f.compare(it.key(), Qt::CaseInsensitive) == 0; }),
                     qPrintable(it.key()));
    }

    // An alternative the check takes as one of the item's own answers adds
    // nothing; one that repeats the first gap's answer would let the pupil
    // write it in the second gap too.
    void everyAlternativeDiffersFromTheAnswersOfItsItem()
    {
        const QHash<QString, QString> fonster = fonsterForFil();
        int alternativ = 0;
        for (const QString &fil : QDir(kursKatalog()).entryList(QDir::Files, QDir::Name)) {
            const QString klass = fonster.value(fil.toUpper());
            const quint16 program = GeProgramtal(fil);
            for (const QString &rad : kursRader(fil)) {
                if (!arPost(rad))
                    continue;
                const Fraga f = fragaAv(klass, program, rad);
                const QString var = fil + QStringLiteral(": ") + rad;
                QVERIFY2(f.alternativ.isEmpty() || !f.svar.isEmpty(), qPrintable(var)); // a window that takes no answer
                for (QString a : f.alternativ) {
                    ++alternativ;
                    QStringList motsvar = f.svar;
                    if (f.tvaVarianter && (a.startsWith(QLatin1Char('1')) || a.startsWith(QLatin1Char('2')))) {
                        motsvar = {f.svar.value(a.startsWith(QLatin1Char('1')) ? 0 : 1)};
                        a.remove(0, 1);
                    }
                    for (const QString &s : motsvar)
                        QVERIFY2(!sammaSvar(s, a, f.lage), qPrintable(var + QStringLiteral(" -- ") + a));
                }
            }
        }
        QVERIFY(alternativ > 300);
    }

    // Where the pupil clicks a word or a name, the right one is offered once,
    // and every other word the item takes is among those offered.
    void everyChoiceOffersItsAnswerOnceAndEveryAlternative()
    {
        const QHash<QString, QString> fonster = fonsterForFil();
        int val = 0;
        for (const QString &fil : QDir(kursKatalog()).entryList(QDir::Files, QDir::Name)) {
            const QString klass = fonster.value(fil.toUpper());
            const QStringList rader = kursRader(fil);
            SvarsordTabell flerval;
            SeinOrdTabell sein;
            const qint32 flervalAntal = Hittapreppar(rader, flerval);
            const qint32 seinAntal = seinSvarsord(rader, sein);
            for (const QString &rad : rader) {
                if (!arPost(rad))
                    continue;
                const Fraga f = fragaAv(klass, GeProgramtal(fil), rad);
                QStringList erbjudna;
                QString svar = f.svar.value(0);
                if (klass == QLatin1String("TFLERBAR")) {
                    for (qint32 k = 1; k <= flervalAntal; ++k)
                        erbjudna << flerval[k + svarsordBas(svar)];
                    svar = kortad(svar, SvarsordLangd);
                } else if (klass == QLatin1String("TSEIN")) {
                    erbjudna = seinErbjudna(sein, seinAntal, svar);
                    svar = kortad(svar, SeinOrdLangd);
                } else if (klass == QLatin1String("TBildvis")) {
                    for (int i = 1; i <= 3 && !postFalt(i).isEmpty(); ++i)
                        erbjudna << postFalt(i);
                } else if (klass == QLatin1String("TPassAkt")) {
                    erbjudna = passAktAlternativ();
                } else {
                    continue;
                }
                ++val;
                const QString var = fil + QStringLiteral(": ") + rad;
                const auto ratt = [&](const QString &s) {
                    return std::count_if(erbjudna.cbegin(), erbjudna.cend(),
                                         [&](const QString &o) { return sammaSvar(s, o, 1); });
                };
                QVERIFY2(ratt(svar) == 1, qPrintable(var));
                for (const QString &a : f.alternativ)
                    QVERIFY2(ratt(a) == 1, qPrintable(var + QStringLiteral(" -- ") + a));
            }
        }
        QVERIFY(val > 300);
    }

    // The council for German orthography withdrew these variants of the 2006
    // rules: only the other spelling is right now. The list of alternative
    // spellings may name one only as withdrawn, with the year.
    void noWithdrawnSpellingIsTaughtAsRight()
    {
        const QStringList ar2011{"Butike", "Kupee", "Mohär", "Sutane", "Fassette", "Kabrio", "Krem", "Kreme",
                                 "Maffia", "Maläse", "Scharm", "scharmant", "Sketsch", "transchieren", "Katarr",
                                 "Myrre", "Schikoree", "Schose"};
        const QStringList ar2017{"Anschovis", "Belkanto", "Bravur", "Frotté", "Grislibär", "Joga", "Jockei",
                                 "Kalvinismus", "Kanossa", "Kargo", "Ketschup", "Kollier", "Kommunikee",
                                 "Komplice", "Majonäse", "Masurka", "Negligee", "Nessessär", "passee", "Rakett",
                                 "Roulett", "Varietee", "Wandalismus"};
        int markerade = 0;
        for (const QString &fil : QDir(kursKatalog()).entryList(QDir::Files, QDir::Name)) {
            int radNr = 0;
            for (const QString &rad : kursRader(fil)) {
                ++radNr;
                for (const auto &[ar, ord] : {std::pair{2011, &ar2011}, std::pair{2017, &ar2017}})
                    for (const QString &variant : *ord) {
                        const QRegularExpression ordet(QStringLiteral("(^|[^\\w])") + variant
                                                           + QStringLiteral("(s|n|en|e|es)?($|[^\\w])"),
                                                       QRegularExpression::UseUnicodePropertiesOption);
                        if (!rad.contains(ordet))
                            continue;
                        const QString var = fil + QStringLiteral(":%1: ").arg(radNr) + rad;
                        QVERIFY2(fil == QLatin1String("NyTysk2.txt"), qPrintable(var));
                        QVERIFY2(rad.endsWith(QStringLiteral(" (ej tillåten sedan %1)").arg(ar)), qPrintable(var));
                        ++markerade;
                    }
            }
        }
        QCOMPARE(markerade, 4); // Ketschup, Majonäse, Schikoree, Varietee
        const QStringList lista = kursRader(QStringLiteral("NyTysk2.txt"));
        QVERIFY(lista.value(0).contains(QStringLiteral("2011 och 2017")));
        QVERIFY(kursRader(QStringLiteral("NyTysk1.txt")).value(0).contains(QStringLiteral("2011 och 2017")));
    }
};

VARMIKO_TEST_MAIN(TestCourseFiles)
#include "test_coursefiles.moc"
