#include "results/rekordtabell.h"

#include "frame/vrsku1.h"
#include "platform/FileLock.h"
#include "platform/ProgramPath.h"
#include "platform/SafeRewrite.h"
#include "results/filhinder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool isBetter(quint16 a, quint16 b, bool lowerIsBetter)
{
    return lowerIsBetter ? a < b : a > b;
}

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

bool isRaceProgram(quint16 programtal)
{
    return programtal >= 56610 && programtal <= 56660;
}

QString recordTableName(quint16 programtal)
{
    switch (programtal) {
    case 56610: return QStringLiteral("Sein - Präsens");
    case 56620: return QStringLiteral("Sein - Imperfekt");
    case 56630: return QStringLiteral("Haben - Präsens");
    case 56640: return QStringLiteral("Haben - Imperfekt");
    case 56650: return QStringLiteral("Werden - Präsens");
    case 56660: return QStringLiteral("Werden - Imperfekt");
    default: return DinaOrdListNamn;
    }
}

RecordFileState readRecordFile(const QString &path, QList<TRekordRad> &rows)
{
    rows.clear();
    if (path.isEmpty() || !QFileInfo::exists(path))
        return RecordFileState::Missing;
    QFile f(path);
    if (QFileInfo(path).isDir() || !f.open(QIODevice::ReadOnly))
        return RecordFileState::Unreadable;
    const QByteArray data = f.read(qint64(RekordMax) * TRekordRad::Storlek);
    if (f.error() != QFileDevice::NoError)
        return RecordFileState::Unreadable;
    const int antal = int(data.size() / TRekordRad::Storlek);
    for (int i = 0; i < antal; ++i)
        rows.append(TRekordRad::fromBytes(data.constData() + i * TRekordRad::Storlek));
    return RecordFileState::Read;
}

RankedTable rankEntry(const QList<TRekordRad> &stored, const TRekordRad &entry, bool lowerIsBetter)
{
    RankedTable t;
    t.rows = stored.mid(0, RekordMax);
    int i = 0;
    while (i < t.rows.size() && !isBetter(entry.Resultat, t.rows[i].Resultat, lowerIsBetter))
        ++i;
    t.rows.insert(i, entry);
    t.newRow = i + 1;
    if (t.newRow <= RekordMax && t.rows.size() > RekordMax)
        t.rows.removeLast();
    return t;
}

bool writeRecordFile(const QString &path, const QList<TRekordRad> &rows, QString &error)
{
    QByteArray data;
    const int antal = qMin(int(rows.size()), RekordMax);
    for (int i = 0; i < antal; ++i)
        data += rows[i].toBytes();
    // Never rewritten in place: a directory that takes no new file keeps
    // the old table whole.
    switch (SafeRewrite::replace(path, data)) {
    case SafeRewrite::Failure::None:
        return true;
    case SafeRewrite::Failure::NoTemporary:
        error = QStringLiteral("ingen ny fil kan skapas i katalogen ")
                + ProgramPath::normalise(QFileInfo(path).absolutePath());
        break;
    case SafeRewrite::Failure::Write:
        error = QStringLiteral("den nya tabellen kunde inte skrivas färdigt (disken kan vara full)");
        break;
    case SafeRewrite::Failure::Rename:
        error = QStringLiteral("den nya tabellen kunde inte ta den gamlas plats");
        break;
    }
    error += QStringLiteral(". Tabellen är oförändrad.");
    return false;
}

bool loadRecordTable(const QString &path, QList<TRekordRad> &rows, QString &message)
{
    switch (readRecordFile(path, rows)) {
    case RecordFileState::Read:
        return true;
    case RecordFileState::Missing:
        if (createRecordFile(path))
            return true;
        message = scoreDirectoryMessage(path.isEmpty() ? ScoreDirectory : QFileInfo(path).absolutePath());
        return false;
    case RecordFileState::Unreadable:
        break;
    }
    message = QStringLiteral("Filen ") + ProgramPath::normalise(path) + QStringLiteral(" finns inte eller är felaktig");
    return false;
}

bool saveRecordEntry(const QString &path, const TRekordRad &entry, bool lowerIsBetter, QString &message)
{
    message.clear();
    // Another game, here or on another computer, may have stored an entry
    // since the window opened: the table is read again under its lock.
    FileLock lock(path);
    if (!lock.lock()) {
        message = QStringLiteral("Rekordtabellen ") + ProgramPath::normalise(path)
                  + QStringLiteral(" sparas just nu av ett annat program. Försök igen om en stund.");
        return false;
    }
    QList<TRekordRad> stored;
    if (!loadRecordTable(path, stored, message))
        return false;
    const RankedTable table = rankEntry(stored, entry, lowerIsBetter);
    if (!table.entryPlaced())
        return true; // not better than any entry of a full table: nothing changes
    QString error;
    if (!writeRecordFile(path, table.rows, error)) {
        const QString hinder = recordTableObstacle(path);
        message = hinder.isEmpty() ? QStringLiteral("Rekordtabellen ") + ProgramPath::normalise(path)
                                         + QStringLiteral(" kunde inte sparas: ") + error
                                   : QStringLiteral("Rekordtabellen kunde inte sparas. ") + hinder;
        return false;
    }
    return true;
}

QString recordTableObstacle(const QString &path)
{
    return replaceObstacleMessage(QStringLiteral("Rekordtabellen"), path);
}

QString recordFilePath(const QString &rekordFilNamn)
{
    const QString found = ProgramPath::resolve(rekordFilNamn);
    return found.isEmpty() ? ProgramPath::forWriting(rekordFilNamn) : found;
}

bool createRecordFile(const QString &path)
{
    if (path.isEmpty())
        return false;
    if (QFileInfo::exists(path))
        return QFileInfo(path).isFile();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::NewOnly);
}

QString formatRowNumber(int row)
{
    if (row >= 1 && row <= 9)
        return QStringLiteral("    ") + QString::number(row);
    if (row >= 10 && row <= 99)
        return QStringLiteral("  ") + QString::number(row);
    if (row == 100)
        return QStringLiteral("100");
    return {};
}

QString formatDateTime(const TRekordRad &r)
{
    return QLatin1Char(' ') + twoDigits(r.Ar % 100) + twoDigits(r.Manad) + twoDigits(r.Dag) + QLatin1Char(' ')
           + twoDigits(r.Timme) + QLatin1Char(':') + twoDigits(r.Minut);
}

QString formatResult(quint16 resultat, bool race)
{
    if (!race && resultat == 0)
        return {};
    int blanks = 3;
    if (resultat < 10)
        blanks = 9;
    else if (resultat < 100)
        blanks = 8;
    else if (resultat < 1000)
        blanks = 6;
    else if (resultat < 10000)
        blanks = 4;
    const QString tal = race ? QString::number(resultat / 10) + QLatin1Char(',') + QString::number(resultat % 10)
                             : QString::number(resultat);
    return QString(blanks, QLatin1Char(' ')) + tal;
}

QString scoreDirectoryMessage(const QString &katalog)
{
    QString d = ProgramPath::normalise(katalog);
    if (d.size() > 1 && d.endsWith(QLatin1Char('/')))
        d.chop(1);
    return QStringLiteral("Katalogen ") + d + QStringLiteral(", där resultaten ska sparas, finns inte eller kan vara skrivskyddad");
}
