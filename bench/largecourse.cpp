#include "bench.h"

#include "app/allafonster.h"
#include "frame/catalogue/fonsterregister.h"
#include "frame/catalogue/katalog.h"
#include "frame/datafiles.h"
#include "frame/fields.h"
#include "frame/vrsku1.h"
#include "platform/Cp1252.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include <cstdio>

namespace bench {

namespace {

const char *const Tyska[] = {"der Bär",     "die Straße",   "das Mädchen", "die Brücke",  "die Größe",
                             "der Löffel",  "die Übung",    "das Gemüse",  "der Schlüssel", "die Tür",
                             "das Gebäude", "die Äpfel",    "der Fußball", "die Küche",   "das Frühstück",
                             "die Höhle"};
const char *const Svenska[] = {"björnen",   "gatan",     "flickan",   "bron",      "storleken", "skeden",
                               "övningen",  "grönsakerna", "nyckeln", "dörren",    "byggnaden", "äpplena",
                               "fotbollen", "köket",     "frukosten", "grottan"};
constexpr int AntalOrd = int(sizeof(Tyska) / sizeof(Tyska[0]));

// The files of the course: those the menus open (the ones with a window
// first, so that they are always among them), the diagnosis files, then
// files of no menu.
QStringList filnamn(int antal)
{
    registreraAllaFonster();
    QStringList levande;
    QStringList ovriga;
    for (const KatalogMeny &m : katalog())
        for (const KatalogKnapp &k : m.knappar)
            if (k.sort == KnappSort::Ovning)
                (harFonster(k.mal) ? levande : ovriga).append(k.datafil);
    for (int i = 1; i <= 17; ++i) {
        ovriga.append(QStringLiteral("VRDIAG%1.DAT").arg(i, 2, 10, QChar(u'0')));
        ovriga.append(QStringLiteral("VROVN1%1.DAT").arg(i, 2, 10, QChar(u'0')));
    }
    QStringList namn;
    QSet<QString> sedda;
    for (const QString &n : levande + ovriga) {
        if (namn.size() >= antal)
            break;
        if (!sedda.contains(n.toUpper())) {
            sedda.insert(n.toUpper());
            namn.append(n);
        }
    }
    for (int i = 1; namn.size() < antal; ++i)
        namn.append(QStringLiteral("VRS9%1.DAT").arg(i, 4, 10, QChar(u'0')));
    return namn;
}

// The files that the reading windows show as texts: they are taken as they
// are, since their lines are a text and not a list of items.
QSet<QString> lasTexter()
{
    QSet<QString> texter;
    for (const KatalogMeny &m : katalog())
        if (m.kolla2)
            for (const KatalogKnapp &k : m.knappar)
                if (k.sort == KnappSort::Ovning)
                    texter.insert(k.datafil.toUpper());
    return texter;
}

QByteArray radslut(QByteArray rad)
{
    if (rad.endsWith('\r'))
        rad.chop(1);
    return rad;
}

bool arPost(const QByteArray &rad)
{
    return arPostRad(Cp1252::decode(rad));
}

// A file of no menu: typed-answer items of its own.
QByteArray egenFil(const QString &namn, int poster)
{
    QByteArray ut;
    auto rad = [&ut](const QString &text) {
        ut += Cp1252::encode(text);
        ut += "\r\n";
    };
    rad(QStringLiteral("$Großer Kurs"));
    rad(QStringLiteral("$Datei ") + namn);
    rad(QStringLiteral("$§Übersetzt das Wort. Enter drücken."));
    rad(QStringLiteral("$%Übersetzt das Wort"));
    rad(QStringLiteral("; %1 Aufgaben, jede zweite verschlüsselt.").arg(poster));
    for (int k = 1; k <= poster; ++k) {
        const QString tyska = QString::fromUtf8(Tyska[k % AntalOrd]);
        const QString svenska = QString::fromUtf8(Svenska[k % AntalOrd]);
        QString post = QStringLiteral("%1 (%2)#%3 %2#Es beginnt mit %4.#Es hat %5 Buchstaben.")
                           .arg(tyska)
                           .arg(k)
                           .arg(svenska, svenska.left(1))
                           .arg(svenska.size());
        if (k % 4 == 0)
            post += QStringLiteral("#&%1 nr %2").arg(svenska).arg(k);
        const QByteArray bytes = Cp1252::encode(post);
        ut += (k % 2 == 0) ? kryptradBytes(bytes) : bytes;
        ut += "\r\n";
    }
    return ut;
}

// A file of the bundled course grown to poster items in its own window's
// syntax: its headers and leading comments once, then its lines from the
// first item on over and over (block separators and level numbers with
// them), cut after the last item; every second item stored scrambled.
// Empty when the file has no items.
QByteArray vuxenFil(const QByteArray &kalla, int poster)
{
    const QList<QByteArray> rader = kalla.split('\n');
    QByteArray ut;
    qsizetype kropp = 0;
    while (kropp < rader.size() && !arPost(radslut(rader[kropp]))) {
        ut += radslut(rader[kropp]) + "\r\n";
        ++kropp;
    }
    QList<QByteArray> varv;
    for (qsizetype i = kropp; i < rader.size(); ++i)
        varv.append(dekryptradBytes(radslut(rader[i])));
    while (!varv.isEmpty() && varv.last().isEmpty())
        varv.removeLast();
    if (varv.isEmpty())
        return {};
    int k = 0;
    for (qsizetype i = 0; k < poster; i = (i + 1) % varv.size()) {
        const QByteArray &rad = varv[i];
        if (arPost(rad)) {
            ++k;
            ut += (k % 2 == 0) ? kryptradBytes(rad) : rad;
        } else {
            ut += rad;
        }
        ut += "\r\n";
    }
    return ut;
}

} // namespace

// Writes the data files of a large course into a DATA directory, and the
// list file unless --no-list is given. Each file that the bundled course
// (--from, its DATA directory) has is grown from it; the others get
// typed-answer items.
int runLargeCourse(const QStringList &args)
{
    const QString katalog = option(args, QStringLiteral("--data"));
    const QString fran = option(args, QStringLiteral("--from"));
    const int antal = intOption(args, QStringLiteral("--files"), MaxDatFiler);
    const int poster = intOption(args, QStringLiteral("--items"), MaxSlumptal);
    if (katalog.isEmpty() || !QDir().mkpath(katalog)) {
        fail(QStringLiteral("no DATA directory to write into (--data)"));
        return exitCode();
    }
    if (fran.isEmpty() || !QDir(fran).exists()) {
        fail(QStringLiteral("no DATA directory of the bundled course to grow from (--from)"));
        return exitCode();
    }
    const QDir dir(katalog);
    const QDir kallor(fran);
    const QStringList namn = filnamn(antal);
    const QSet<QString> texter = lasTexter();
    int vuxna = 0;
    int tagna = 0;
    for (const QString &n : namn) {
        QByteArray innehall;
        QFile kalla(kallor.filePath(n));
        if (kalla.exists()) {
            if (!kalla.open(QIODevice::ReadOnly)) {
                fail(QStringLiteral("cannot read %1").arg(kalla.fileName()));
                return exitCode();
            }
            const QByteArray bytes = kalla.readAll();
            if (texter.contains(n.toUpper())) {
                innehall = bytes;
                ++tagna;
            } else {
                innehall = vuxenFil(bytes, poster);
                if (innehall.isEmpty()) {
                    fail(QStringLiteral("%1 of the bundled course has no items").arg(n));
                    return exitCode();
                }
                ++vuxna;
            }
        } else {
            innehall = egenFil(n, poster);
        }
        QFile f(dir.filePath(n));
        if (!f.open(QIODevice::WriteOnly) || f.write(innehall) < 0) {
            fail(QStringLiteral("cannot write %1").arg(f.fileName()));
            return exitCode();
        }
    }
    QFile::remove(dir.filePath(QStringLiteral("datfiler.vrs")));
    if (!args.contains(QStringLiteral("--no-list"))) {
        QStringList lista = namn;
        lista += dir.entryList({QStringLiteral("VROM*.LOV")}, QDir::Files, QDir::Name);
        QFile f(dir.filePath(QStringLiteral("datfiler.vrs")));
        if (!f.open(QIODevice::WriteOnly) || f.write(Cp1252::encode(lista.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"))) < 0) {
            fail(QStringLiteral("cannot write %1").arg(f.fileName()));
            return exitCode();
        }
    }
    std::printf("%lld data files in %s: %d grown to %d items from the bundled course, %d reading texts as they are, "
                "%lld of typed-answer items\n",
                qlonglong(namn.size()), qPrintable(katalog), vuxna, poster, tagna,
                qlonglong(namn.size()) - vuxna - tagna);
    return exitCode();
}

} // namespace bench
